#include "support/recordingsurface.h"

#include <algorithm>
#include <ostream>

RecordingSurface::RecordingSurface(double width, double height, const QString& fontName, double fontSize)
    : Surface(fontName, fontSize), width_(width), height_(height) {}

void RecordingSurface::drawLine(QPointF from, QPointF to) {
    record(DrawnOp::Kind::Line, from, to, {});
}

void RecordingSurface::drawBox(QPointF corner, QPointF opposite) {
    record(DrawnOp::Kind::Box, corner, opposite, {});
}

void RecordingSurface::drawText(QPointF topLeft, const QString& text) {
    record(DrawnOp::Kind::Text, topLeft, topLeft, text);
}

void RecordingSurface::record(DrawnOp::Kind kind, QPointF from, QPointF to, const QString& text) {
    ops_.push_back({kind, from, to, text, fontName(), fontSize(), drawColor(), lineWidth(), lineStyle()});
}

std::vector<DrawnOp> RecordingSurface::ofKind(DrawnOp::Kind kind) const {
    std::vector<DrawnOp> found;
    std::copy_if(ops_.begin(), ops_.end(), std::back_inserter(found),
                 [kind](const DrawnOp& op) { return op.kind == kind; });
    return found;
}

void PrintTo(const DrawnOp& op, std::ostream* out) {
    static const char* const kinds[] = {"line", "box", "text"};
    *out << kinds[static_cast<int>(op.kind)] << " (" << op.from.x() << ", " << op.from.y() << ")";
    if (op.kind == DrawnOp::Kind::Text)
        *out << " \"" << op.text.toStdString() << "\"";
    else
        *out << "-(" << op.to.x() << ", " << op.to.y() << ")";
    *out << " font " << op.fontName.toStdString() << " " << op.fontSize << " colour " << op.color << " width "
         << op.lineWidth << (op.lineStyle == LineStyle::Dot ? " dotted" : " solid");
}
