#pragma once
// Twips and colour values as the system stores them.

#include <cmath>

namespace common {

// 15 twips make one logical pixel (1/1440 inch at 96 dots per inch).
constexpr int kTwipsPerPixel = 15;

inline int TwipsToPixels(double twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }

// A colour value as stored: red + 256 × green + 65536 × blue.
constexpr int ColourValue(int red, int green, int blue) { return red + 256 * green + 65536 * blue; }

} // namespace common
