#include "platform/devicescale.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double twipsPerInch = 1440;
constexpr double twipsPerPoint = 20;
constexpr double paperWidthUnit = twipsPerInch / 600;

}  // namespace

DeviceScale::DeviceScale(double twipsPerUnitX, double twipsPerUnitY, double twipsPerWidth)
    : twipsPerUnitX_(twipsPerUnitX), twipsPerUnitY_(twipsPerUnitY), twipsPerWidth_(twipsPerWidth) {}

DeviceScale DeviceScale::pixels(double twipsPerPixelX, double twipsPerPixelY) {
    return DeviceScale(twipsPerPixelX, twipsPerPixelY, twipsPerPixelX);
}

DeviceScale DeviceScale::paper(double dotsPerInchX, double dotsPerInchY) {
    return DeviceScale(twipsPerInch / std::max(1.0, dotsPerInchX), twipsPerInch / std::max(1.0, dotsPerInchY),
                       paperWidthUnit);
}

QPointF DeviceScale::toDevice(QPointF twips) const {
    return {twips.x() / twipsPerUnitX_, twips.y() / twipsPerUnitY_};
}

double DeviceScale::penWidth(int lineWidth) const {
    return std::max(1, lineWidth) * twipsPerWidth_ / twipsPerUnitX_;
}

// Far beyond any font, but safe to round to an int.
int DeviceScale::fontUnits(double points) const {
    return std::max(
        1, static_cast<int>(std::lround(std::clamp(points * twipsPerPoint / twipsPerUnitY_, 0.0, 1e6))));
}
