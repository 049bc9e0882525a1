#include "core/LineNumbers.h"

namespace rk {

std::size_t writeLine(double x, int xDecimals, double y, char* out, std::string_view separator)
{
    std::size_t length = formatFixed(x, xDecimals, out);
    length += separator.copy(out + length, kMaxSeparator);
    return length + formatFixed(y, kYDecimals, out + length);
}

} // namespace rk
