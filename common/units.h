#pragma once
// Twips and colour values as the system stores them.

#include <algorithm>
#include <cmath>

namespace common {

// 15 twips make one logical pixel (1/1440 inch at 96 dots per inch).
constexpr int kTwipsPerPixel = 15;

// A pixel position beyond any screen. A skin's layout may ask for up to 3.4e38 twips; farther than this
// an element stops here, where its pixels still fit an int and a size added to them cannot overflow.
constexpr double kFarthestPixel = 1 << 24;

inline int TwipsToPixels(double twips) {
    return static_cast<int>(std::lround(std::clamp(twips / kTwipsPerPixel, -kFarthestPixel, kFarthestPixel)));
}

// A colour value as stored: red + 256 × green + 65536 × blue.
constexpr int ColourValue(int red, int green, int blue) { return red + 256 * green + 65536 * blue; }

} // namespace common
