#include "support/recordingsurface.h"

#include <ostream>

RecordingSurface::RecordingSurface(double width, double height, const QString& fontName, double fontSize)
    : RecordedPage(
          width, height, [](const QString&, double size) { return size * 20; }, fontName, fontSize) {}

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
