#pragma once

#include <QPointF>
#include <QString>
#include <functional>
#include <vector>

#include "platform/surface.h"

// One drawing operation as a recorded page keeps it, with the surface's state at that moment.
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

// A page composed before it goes to its device: it keeps every operation in order, with the state it
// was drawn in, and draws them again on a device in one go, so that a page is printed whole or not at
// all. Its size and the height of a text line are the device's, so that what is composed on it lies
// where it will be printed.
class RecordedPage : public Surface {
public:
    using LineHeightOf = std::function<double(const QString& fontName, double fontSize)>;

    RecordedPage(double width, double height, LineHeightOf lineHeightOf, const QString& fontName,
                 double fontSize);

    double width() const override { return width_; }
    double height() const override { return height_; }
    double lineHeight() override { return lineHeightOf_(fontName(), fontSize()); }

    const std::vector<DrawnOp>& ops() const { return ops_; }
    std::vector<DrawnOp> lines() const { return ofKind(DrawnOp::Kind::Line); }
    std::vector<DrawnOp> texts() const { return ofKind(DrawnOp::Kind::Text); }
    std::vector<DrawnOp> boxes() const { return ofKind(DrawnOp::Kind::Box); }

    // Draws the page on the device, each operation with the state it was recorded in.
    void replay(Surface& device) const;

protected:
    void drawLine(QPointF from, QPointF to) override;
    void drawBox(QPointF corner, QPointF opposite) override;
    void drawText(QPointF topLeft, const QString& text) override;

private:
    void record(DrawnOp::Kind kind, QPointF from, QPointF to, const QString& text);
    std::vector<DrawnOp> ofKind(DrawnOp::Kind kind) const;

    double width_;
    double height_;
    LineHeightOf lineHeightOf_;
    std::vector<DrawnOp> ops_;
};
