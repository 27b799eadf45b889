#include "mainwin/diagrampanel.h"

#include <QMouseEvent>
#include <QPainter>

#include "model/testdata.h"

DiagramPanel::DiagramPanel(const TestData& data, QWidget* parent) : QFrame(parent), data_(data) {
    setObjectName(QStringLiteral("Picture1"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    setPalette(colours);
}

void DiagramPanel::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
}

void DiagramPanel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) update();
    event->accept();
}

void DiagramPanel::mouseDoubleClickEvent(QMouseEvent* event) {
    update();
    QFrame::mouseDoubleClickEvent(event);
}
