#pragma once

#include <cmath>

// Window layouts are given in twips (1/1440 inch); on screen 15 twips make one logical pixel.
namespace Twips {

inline constexpr int perPixel = 15;

inline int toPixels(int twips) {
    return static_cast<int>(std::lround(twips / double(perPixel)));
}

}  // namespace Twips
