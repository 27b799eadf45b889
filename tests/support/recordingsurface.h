#pragma once

#include <QPointF>
#include <QString>
#include <iosfwd>
#include <vector>

#include "platform/surface.h"

// One drawing operation as a recording surface kept it, with the surface's state at that moment.
struct DrawnOp {
    enum class Kind { Line, Box, Text };
    Kind kind;
    QPointF from;  // line start, box corner, text top-left
    QPointF to;    // line end, box opposite corner; unused for text
    QString text;
    QString fontName;
    double fontSize;
    qint32 color;
    int lineWidth;
    LineStyle lineStyle;
};

// A surface for tests: keeps every operation in order. One line of text is its font size in points
// times 20 twips, which keeps the line ends predictable.
class RecordingSurface : public Surface {
public:
    RecordingSurface(double width, double height, const QString& fontName = QStringLiteral("ＭＳ Ｐゴシック"),
                     double fontSize = 9);

    double width() const override { return width_; }
    double height() const override { return height_; }

    const std::vector<DrawnOp>& ops() const { return ops_; }
    std::vector<DrawnOp> lines() const { return ofKind(DrawnOp::Kind::Line); }
    std::vector<DrawnOp> texts() const { return ofKind(DrawnOp::Kind::Text); }
    std::vector<DrawnOp> boxes() const { return ofKind(DrawnOp::Kind::Box); }

protected:
    void drawLine(QPointF from, QPointF to) override;
    void drawBox(QPointF corner, QPointF opposite) override;
    void drawText(QPointF topLeft, const QString& text) override;
    double lineHeight() override { return fontSize() * 20; }

private:
    void record(DrawnOp::Kind kind, QPointF from, QPointF to, const QString& text);
    std::vector<DrawnOp> ofKind(DrawnOp::Kind kind) const;

    double width_;
    double height_;
    std::vector<DrawnOp> ops_;
};

// Readable operations in test failure messages.
void PrintTo(const DrawnOp& op, std::ostream* out);
