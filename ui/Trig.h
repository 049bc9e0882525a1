#pragma once

#include <cmath>

namespace rk {

// Sine and cosine of a Double in radians, to the platform's accuracy.
inline double sine(double radians) { return std::sin(radians); }
inline double cosine(double radians) { return std::cos(radians); }

} // namespace rk
