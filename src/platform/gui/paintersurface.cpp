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
    painter_.drawLine(toDevice(from), toDevice(to));
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

// Solid lines end square, so that lines meet at the corners of a frame; the dots of a dotted line are
// as long as the scale says, whatever the pen's width.
void PainterSurface::applyPen() {
    if (penColor_ == drawColor() && penWidth_ == lineWidth() && penStyle_ == lineStyle()) return;
    penColor_ = drawColor();
    penWidth_ = lineWidth();
    penStyle_ = lineStyle();
    const double width = scale_.penWidth(penWidth_);
    QPen pen(colorOf(penColor_), width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    if (penStyle_ == LineStyle::Dot) {
        pen.setCapStyle(Qt::FlatCap);
        pen.setDashPattern({scale_.dotLength() / width, scale_.dotGap() / width});
    }
    painter_.setPen(pen);
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
