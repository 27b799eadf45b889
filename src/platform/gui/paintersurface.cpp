#include "platform/gui/paintersurface.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>

#include "platform/twips.h"

namespace {

constexpr double twipsPerInch = 1440;
constexpr double twipsPerPoint = 20;

double pointsOf(const QFont& font, const DeviceScale& scale) {
    if (font.pointSizeF() > 0) return font.pointSizeF();
    return scale.twipsY(font.pixelSize()) / twipsPerPoint;
}

QColor colorOf(qint32 rgb) {
    return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

// Far beyond any page, but safe to round to an int.
int deviceUnits(double value) {
    return static_cast<int>(std::lround(std::clamp(value, -1e6, 1e6)));
}

}  // namespace

DeviceScale deviceScaleOf(const QPaintDevice& device) {
    if (device.devType() == QInternal::Widget) return DeviceScale::pixels(Twips::perPixel, Twips::perPixel);
    if (dynamic_cast<const QPagedPaintDevice*>(&device))
        return DeviceScale::paper(device.logicalDpiX(), device.logicalDpiY());
    return DeviceScale::pixels(twipsPerInch / std::max(1, device.logicalDpiX()),
                               twipsPerInch / std::max(1, device.logicalDpiY()));
}

QFont deviceFont(const QString& fontName, double points, const DeviceScale& scale) {
    QFont font(fontName);
    font.setPixelSize(scale.fontUnits(points));
    return font;
}

PainterSurface::PainterSurface(QPainter& painter)
    : PainterSurface(painter, deviceScaleOf(*painter.device())) {}

PainterSurface::PainterSurface(QPainter& painter, const DeviceScale& scale)
    : Surface(painter.font().family(), pointsOf(painter.font(), scale)), painter_(painter), scale_(scale) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
}

double PainterSurface::width() const {
    return scale_.twipsX(painter_.device()->width());
}

double PainterSurface::height() const {
    return scale_.twipsY(painter_.device()->height());
}

void PainterSurface::drawLine(QPointF from, QPointF to) {
    applyPen();
    if (lineStyle() == LineStyle::Dot) return drawDots(from, to);
    painter_.drawLine(toDevice(from), toDevice(to));
}

// A dotted line is drawn dot by dot, each a short solid line of whole device units, so that every
// device shows the dots as long as paper does: a preview too, which a pen's own dash pattern would
// draw in screen pixels.
void PainterSurface::drawDots(QPointF from, QPointF to) {
    const double length = std::hypot(to.x() - from.x(), to.y() - from.y());
    if (length <= 0) return;
    const QPointF step = (to - from) / length;
    const QPointF dot = scale_.toDevice(step * DeviceScale::DotTwips);
    const QPoint dotUnits(deviceUnits(dot.x()), deviceUnits(dot.y()));
    for (double at = 0; at < length; at += DeviceScale::DotTwips + DeviceScale::GapTwips) {
        const QPoint start = toDevice(from + step * at);
        painter_.drawLine(start, at + DeviceScale::DotTwips < length ? start + dotUnits : toDevice(to));
    }
}

void PainterSurface::drawBox(QPointF corner, QPointF opposite) {
    const QPoint a = toDevice(corner);
    const QPoint b = toDevice(opposite);
    const QRect box(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                    QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
    painter_.fillRect(box, colorOf(drawColor()));
}

void PainterSurface::drawText(QPointF topLeft, const QString& text) {
    applyPen();
    applyFont();
    const QPoint at = toDevice(topLeft);
    painter_.drawText(QPointF(at.x(), at.y() + metrics_->ascent()), text);
}

QPoint PainterSurface::toDevice(QPointF twips) const {
    const QPointF units = scale_.toDevice(twips);
    return {deviceUnits(units.x()), deviceUnits(units.y())};
}

// Solid lines end square, so that lines meet at the corners of a frame; dots end where they end.
void PainterSurface::applyPen() {
    if (penColor_ == drawColor() && penWidth_ == lineWidth() && penStyle_ == lineStyle()) return;
    penColor_ = drawColor();
    penWidth_ = lineWidth();
    penStyle_ = lineStyle();
    painter_.setPen(QPen(colorOf(penColor_), scale_.penWidth(penWidth_), Qt::SolidLine,
                         penStyle_ == LineStyle::Dot ? Qt::FlatCap : Qt::SquareCap, Qt::MiterJoin));
}

// Font sizes become whole device pixels by the surface's own scale, so that text keeps its size
// relative to the drawing whatever resolution the platform reports for the device.
void PainterSurface::applyFont() {
    if (metrics_ && appliedFontName_ == fontName() && appliedFontSize_ == fontSize()) return;
    appliedFontName_ = fontName();
    appliedFontSize_ = fontSize();
    const QFont font = deviceFont(appliedFontName_, appliedFontSize_, scale_);
    painter_.setFont(font);
    metrics_.emplace(font, painter_.device());
}
