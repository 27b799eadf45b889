#pragma once

#include <QFontMetricsF>
#include <optional>

#include "platform/devicescale.h"
#include "platform/surface.h"

class QPaintDevice;
class QPainter;

// How a device draws a page: a window counts 15 twips a pixel, as the window layouts do, and an image
// is drawn as a picture of the screen at its own resolution; paper (a printer, a PDF document, a
// preview) at its resolution.
DeviceScale deviceScaleOf(const QPaintDevice& device);

// The font of a face and size in points on a device of that scale: sized in whole device units.
QFont deviceFont(const QString& fontName, double points, const DeviceScale& scale);

// A Surface over an active QPainter: a widget being painted, an image or a printer page, drawn by the
// device's scale (or one given). The surface starts with the painter's font; lines are drawn without
// antialiasing, so that a line lands on whole device pixels.
class PainterSurface : public Surface {
public:
    explicit PainterSurface(QPainter& painter);
    PainterSurface(QPainter& painter, const DeviceScale& scale);

    double width() const override;
    double height() const override;

protected:
    void drawLine(QPointF from, QPointF to) override;
    void drawBox(QPointF corner, QPointF opposite) override;
    void drawText(QPointF topLeft, const QString& text) override;
    double lineHeight() override { return scale_.lineHeight(fontSize()); }

private:
    QPoint toDevice(QPointF twips) const;
    void drawDots(QPointF from, QPointF to);
    void applyPen();
    void applyFont();

    QPainter& painter_;
    DeviceScale scale_;

    // What is set on the painter, so that it is changed only when the surface's state has changed.
    qint32 penColor_ = -1;
    int penWidth_ = -1;
    std::optional<LineStyle> penStyle_;
    QString appliedFontName_;
    double appliedFontSize_ = -1;
    std::optional<QFontMetricsF> metrics_;
};
