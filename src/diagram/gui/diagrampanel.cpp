#include "diagram/gui/diagrampanel.h"

#include <QMouseEvent>
#include <QPainter>

#include "diagram/diagramlayout.h"
#include "diagram/softnessdiagram.h"
#include "model/testdata.h"
#include "platform/gui/paintersurface.h"

DiagramPanel::DiagramPanel(const TestData& data, QWidget* parent)
    : QWidget(parent), data_(data), dataChanged_(data.changed.subscribe([this] { update(); })) {
    setObjectName(QStringLiteral("Picture1"));
    // The white background clears the panel before every drawing.
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    setPalette(colours);
}

void DiagramPanel::setFill(std::optional<PanelFill> fill) {
    fill_ = std::move(fill);
    update();
}

void DiagramPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PainterSurface box(painter);
    if (fill_)
        fillDiagram(box, data_, fill_->colours, fill_->choice, screenLayout(box.width(), box.height()));
    DrawDiagram(box, data_);
}

void DiagramPanel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) update();
    if (event->button() == Qt::RightButton) emit menuRequested(event->globalPosition().toPoint());
    event->accept();
}

void DiagramPanel::mouseDoubleClickEvent(QMouseEvent* event) {
    update();
    event->accept();
}
