#include "mainwin/cornerlabel.h"

#include <QAbstractButton>
#include <QEvent>
#include <QStyleOptionHeader>
#include <QStylePainter>
#include <QTableView>

namespace {

// Paints the corner button as a header section with a caption.
class CornerPainter : public QObject {
public:
    CornerPainter(QAbstractButton& corner, const QString& text) : QObject(&corner), text_(text) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint) return false;
        auto* corner = static_cast<QAbstractButton*>(watched);
        QStyleOptionHeader option;
        option.initFrom(corner);
        option.state |= QStyle::State_Enabled;
        option.palette.setCurrentColorGroup(QPalette::Active);
        option.rect = corner->rect();
        option.text = text_;
        option.textAlignment = Qt::AlignCenter;
        option.position = QStyleOptionHeader::OnlyOneSection;
        QStylePainter painter(corner);
        painter.drawControl(QStyle::CE_Header, option);
        return true;
    }

private:
    QString text_;
};

}  // namespace

void setCornerText(QTableView& table, const QString& text) {
    auto* corner = table.findChild<QAbstractButton*>();
    if (!corner) return;
    corner->installEventFilter(new CornerPainter(*corner, text));
    table.setCornerButtonEnabled(false);
}
