#pragma once
// How a results line writes its numbers, wherever they are shown: the list,
// a row's explanation, the copies and files, the comparison. The same in
// every locale: digits, a sign, a point.

#include "core/FormatFixed.h"

#include <charconv>
#include <cstddef>
#include <string>
#include <string_view>

namespace rk {

// Between x and y in the list, and before a line's error: four spaces.
inline constexpr std::string_view kLineSeparator = "    ";
// y, and a step's slopes, in fixed notation with five decimals: 0.95123.
inline constexpr int kYDecimals = 5;

// A line's x with `xDecimals` decimals, `separator` (at most kMaxSeparator
// characters) and y, into `out`, which holds kLineBufferSize characters.
// Returns the length.
inline constexpr std::size_t kMaxSeparator = 4;
inline constexpr std::size_t kLineBufferSize = 2 * kFormatBufferSize + kMaxSeparator + 1;
std::size_t writeLine(double x, int xDecimals, double y, char* out, std::string_view separator = kLineSeparator);

// std::to_chars with a precision writes as printf does in the C locale.
inline std::string writtenAs(double d, std::chars_format format, int precision)
{
    char text[64];
    char* end = std::to_chars(text, text + sizeof text, d, format, precision).ptr;
    return std::string(text, end);
}

// An error, or a relative one: three significant digits in scientific
// notation, 2.00e-08. Inline, as the comparison's chart module, which has
// the core's headers only, writes its errors so too.
inline std::string errorText(double error) { return writtenAs(error, std::chars_format::scientific, 2); }

// A true or reference value: twelve significant digits, as the five
// decimals of y would hide the very error being shown: 0.951229424501.
inline std::string valueText(double value) { return writtenAs(value, std::chars_format::general, 12); }

} // namespace rk
