#include "platform/recordedpage.h"

#include <algorithm>

RecordedPage::RecordedPage(double width, double height, LineHeightOf lineHeightOf, const QString& fontName,
                           double fontSize)
    : Surface(fontName, fontSize), width_(width), height_(height), lineHeightOf_(std::move(lineHeightOf)) {}

void RecordedPage::drawLine(QPointF from, QPointF to) {
    record(DrawnOp::Kind::Line, from, to, {});
}

void RecordedPage::drawBox(QPointF corner, QPointF opposite) {
    record(DrawnOp::Kind::Box, corner, opposite, {});
}

void RecordedPage::drawText(QPointF topLeft, const QString& text) {
    record(DrawnOp::Kind::Text, topLeft, topLeft, text);
}

void RecordedPage::record(DrawnOp::Kind kind, QPointF from, QPointF to, const QString& text) {
    ops_.push_back({kind, from, to, text, fontName(), fontSize(), drawColor(), lineWidth(), lineStyle()});
}

std::vector<DrawnOp> RecordedPage::ofKind(DrawnOp::Kind kind) const {
    std::vector<DrawnOp> found;
    std::copy_if(ops_.begin(), ops_.end(), std::back_inserter(found),
                 [kind](const DrawnOp& op) { return op.kind == kind; });
    return found;
}

void RecordedPage::replay(Surface& device) const {
    for (const DrawnOp& op : ops_) {
        device.setFontName(op.fontName);
        device.setFontSize(op.fontSize);
        device.setDrawColor(op.color);
        device.setLineWidth(op.lineWidth);
        device.setLineStyle(op.lineStyle);
        switch (op.kind) {
            case DrawnOp::Kind::Line: device.line(op.from.x(), op.from.y(), op.to.x(), op.to.y()); break;
            case DrawnOp::Kind::Box: device.fillBox(op.from.x(), op.from.y(), op.to.x(), op.to.y()); break;
            case DrawnOp::Kind::Text:
                device.moveTo(op.from.x(), op.from.y());
                device.printLine(op.text);
                break;
        }
    }
}
