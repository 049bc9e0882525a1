#pragma once

#include <cstddef>

namespace rk {

// Room for any double in fixed notation with up to kMaxDecimals decimals:
// sign, 309 integer digits, point, decimals, and one more decimal for
// rounding a tie by hand.
inline constexpr int kMaxDecimals = 15;
inline constexpr std::size_t kFormatBufferSize = 1 + 309 + 1 + kMaxDecimals + 1;

// Writes d in fixed-point notation with exactly `decimals` decimals (at most
// kMaxDecimals) and at least one integer digit, rounded correctly from its
// exact binary value, exact ties away from zero. A result that reads as zero
// has no minus sign. Returns the number of characters written.
std::size_t formatFixed(double d, int decimals, char* out);

} // namespace rk
