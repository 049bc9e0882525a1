#pragma once
// The design measures in twips, 1440 to the inch, made at 96 pixels to the
// inch: 15 twips to the pixel.

namespace rk {

inline constexpr int kTwipsPerPixel = 15;

constexpr int pixels(int twips) { return twips / kTwipsPerPixel; }

} // namespace rk
