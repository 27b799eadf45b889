#pragma once

#include <iosfwd>

#include "platform/recordedpage.h"

// A surface for tests: a recorded page whose text line is its font size in points times 20 twips,
// which keeps the line ends predictable.
class RecordingSurface : public RecordedPage {
public:
    RecordingSurface(double width, double height, const QString& fontName = QStringLiteral("ＭＳ Ｐゴシック"),
                     double fontSize = 9);
};

// Readable operations in test failure messages.
void PrintTo(const DrawnOp& op, std::ostream* out);
