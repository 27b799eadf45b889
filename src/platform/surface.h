#pragma once

#include <QPointF>
#include <QString>
#include <QtGlobal>

// How lines are drawn: solid (kept inside the pen's width for boxes) or dotted.
enum class LineStyle { InsideSolid, Dot };

// A drawing target (a panel on screen, an image, a printer page), addressed in twips: 1/1440 inch,
// x to the right and y downward from the top-left corner of the drawing area. Like a picture box or
// the printer, it keeps a current position, a font, a drawing colour, a line width and a line style,
// which the drawing operations use.
class Surface {
public:
    virtual ~Surface() = default;

    // Size of the drawing area in twips.
    virtual double width() const = 0;
    virtual double height() const = 0;

    // A line from (x1, y1) to (x2, y2) in the drawing colour; the current position moves to its end.
    void line(double x1, double y1, double x2, double y2);
    // A box with corners (x1, y1) and (x2, y2), filled with the drawing colour.
    void fillBox(double x1, double y1, double x2, double y2);
    // The text in the current font and drawing colour with its top-left corner at the current position,
    // followed by a line end: x goes back to 0 and y down by one line of the current font.
    void printLine(const QString& text);

    double currentX() const { return currentX_; }
    double currentY() const { return currentY_; }
    void setCurrentX(double x) { currentX_ = x; }
    void setCurrentY(double y) { currentY_ = y; }
    void moveTo(double x, double y);

    // Font names are the system's own ("ＭＳ 明朝"); sizes are in points.
    QString fontName() const { return fontName_; }
    void setFontName(const QString& name) { fontName_ = name; }
    double fontSize() const { return fontSize_; }
    void setFontSize(double points) { fontSize_ = points; }

    // RGB with red in the low byte (0x00BBGGRR).
    qint32 drawColor() const { return drawColor_; }
    void setDrawColor(qint32 rgb) { drawColor_ = rgb; }

    // Line width in device pixels, as a printer's draw width.
    int lineWidth() const { return lineWidth_; }
    void setLineWidth(int pixels) { lineWidth_ = pixels; }

    LineStyle lineStyle() const { return lineStyle_; }
    void setLineStyle(LineStyle style) { lineStyle_ = style; }

    // Height of one line of the current font, in twips.
    virtual double lineHeight() = 0;

protected:
    Surface(const QString& fontName, double fontSize);

    // The device's part of the operations above, with the state already set on this object.
    virtual void drawLine(QPointF from, QPointF to) = 0;
    virtual void drawBox(QPointF corner, QPointF opposite) = 0;
    virtual void drawText(QPointF topLeft, const QString& text) = 0;

private:
    double currentX_ = 0;
    double currentY_ = 0;
    QString fontName_;
    double fontSize_;
    qint32 drawColor_ = 0;
    int lineWidth_ = 1;
    LineStyle lineStyle_ = LineStyle::InsideSolid;
};
