#include "core/LineNumbers.h"

#include <charconv>

namespace rk {
namespace {

// std::to_chars with a precision writes as printf does in the C locale.
std::string written(double d, std::chars_format format, int precision)
{
    char text[64];
    char* end = std::to_chars(text, text + sizeof text, d, format, precision).ptr;
    return std::string(text, end);
}

} // namespace

std::size_t writeLine(double x, int xDecimals, double y, char* out, std::string_view separator)
{
    std::size_t length = formatFixed(x, xDecimals, out);
    length += separator.copy(out + length, kMaxSeparator);
    return length + formatFixed(y, kYDecimals, out + length);
}

std::string errorText(double error) { return written(error, std::chars_format::scientific, 2); }

std::string valueText(double value) { return written(value, std::chars_format::general, 12); }

} // namespace rk
