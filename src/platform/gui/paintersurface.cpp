#include "platform/gui/paintersurface.h"

#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>

#include "platform/twips.h"

namespace {

constexpr double twipsPerInch = 1440;
constexpr double twipsPerPoint = 20;

double twipsPerUnit(const QPaintDevice& device, int dotsPerInch) {
    if (device.devType() == QInternal::Widget) return Twips::perPixel;
    return twipsPerInch / std::max(1, dotsPerInch);
}

double pointsOf(const QFont& font, double twipsPerUnit) {
    if (font.pointSizeF() > 0) return font.pointSizeF();
    return font.pixelSize() * twipsPerUnit / twipsPerPoint;
}

QColor colorOf(qint32 rgb) {
    return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

// Far beyond any page, but safe to round to an int.
int deviceUnits(double value) {
    return static_cast<int>(std::lround(std::clamp(value, -1e6, 1e6)));
}

double twipsPerUnitY(const QPaintDevice& device) {
    return twipsPerUnit(device, device.logicalDpiY());
}

}  // namespace

QFont deviceFont(const QPaintDevice& device, const QString& fontName, double points) {
    QFont font(fontName);
    font.setPixelSize(std::max(1, deviceUnits(points * twipsPerPoint / twipsPerUnitY(device))));
    return font;
}

double lineHeightOn(const QPaintDevice& device, const QString& fontName, double points) {
    return deviceFont(device, fontName, points).pixelSize() * twipsPerUnitY(device);
}

PainterSurface::PainterSurface(QPainter& painter)
    : Surface(painter.font().family(),
              pointsOf(painter.font(), twipsPerUnit(*painter.device(), painter.device()->logicalDpiY()))),
      painter_(painter),
      twipsPerUnitX_(twipsPerUnit(*painter.device(), painter.device()->logicalDpiX())),
      twipsPerUnitY_(twipsPerUnit(*painter.device(), painter.device()->logicalDpiY())) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
}

double PainterSurface::width() const {
    return painter_.device()->width() * twipsPerUnitX_;
}

double PainterSurface::height() const {
    return painter_.device()->height() * twipsPerUnitY_;
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

double PainterSurface::lineHeight() {
    return lineHeightOn(*painter_.device(), fontName(), fontSize());
}

QPoint PainterSurface::toDevice(QPointF twips) const {
    return {deviceUnits(twips.x() / twipsPerUnitX_), deviceUnits(twips.y() / twipsPerUnitY_)};
}

void PainterSurface::applyPen() {
    if (penColor_ == drawColor() && penWidth_ == lineWidth() && penStyle_ == lineStyle()) return;
    penColor_ = drawColor();
    penWidth_ = lineWidth();
    penStyle_ = lineStyle();
    const Qt::PenStyle style = lineStyle() == LineStyle::Dot ? Qt::DotLine : Qt::SolidLine;
    painter_.setPen(QPen(colorOf(penColor_), std::max(1, penWidth_), style, Qt::SquareCap, Qt::MiterJoin));
}

// Font sizes become whole device pixels by the surface's own scale, so that text keeps its size
// relative to the drawing whatever resolution the platform reports for the device.
void PainterSurface::applyFont() {
    if (metrics_ && appliedFontName_ == fontName() && appliedFontSize_ == fontSize()) return;
    appliedFontName_ = fontName();
    appliedFontSize_ = fontSize();
    const QFont font = deviceFont(*painter_.device(), appliedFontName_, appliedFontSize_);
    painter_.setFont(font);
    metrics_.emplace(font, painter_.device());
}
