#pragma once

#include <QFontMetricsF>
#include <optional>

#include "platform/surface.h"

class QPaintDevice;
class QPainter;

// The font a surface on the device uses for a face and size in points: sized in whole device units by
// the surface's own scale.
QFont deviceFont(const QPaintDevice& device, const QString& fontName, double points);
// Height of one line of that font on the device, in twips: one em, as the printer fonts the page layouts
// were made for advance their lines (the installed faces add more space between lines).
double lineHeightOn(const QPaintDevice& device, const QString& fontName, double points);

// A Surface over an active QPainter: a widget being painted, an image or a printer page. Twips become
// device units by the device's resolution; a widget counts 15 twips per pixel, as the window layouts do.
// The surface starts with the painter's font; lines are drawn without antialiasing, so that a line
// lands on whole device pixels.
class PainterSurface : public Surface {
public:
    explicit PainterSurface(QPainter& painter);

    double width() const override;
    double height() const override;

protected:
    void drawLine(QPointF from, QPointF to) override;
    void drawBox(QPointF corner, QPointF opposite) override;
    void drawText(QPointF topLeft, const QString& text) override;
    double lineHeight() override;

private:
    QPoint toDevice(QPointF twips) const;
    void applyPen();
    void applyFont();

    QPainter& painter_;
    double twipsPerUnitX_;
    double twipsPerUnitY_;

    // What is set on the painter, so that it is changed only when the surface's state has changed.
    qint32 penColor_ = -1;
    int penWidth_ = -1;
    std::optional<LineStyle> penStyle_;
    QString appliedFontName_;
    double appliedFontSize_ = -1;
    std::optional<QFontMetricsF> metrics_;
};
