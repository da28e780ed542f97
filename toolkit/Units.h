#pragma once
// Twips, the unit of window geometry and input-box positions, against the screen's
// pixels at 96 dots per inch.

#include <cmath>

inline constexpr double TwipsPerPixel = 15;

inline int TwipsToPixels(double twips) {
    return static_cast<int>(std::lround(twips / TwipsPerPixel));
}
inline double PixelsToTwips(int pixels) { return pixels * TwipsPerPixel; }
