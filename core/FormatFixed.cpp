#include "core/FormatFixed.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace rk {
namespace {

// A double is an exact tie at `decimals` places when it is an odd multiple
// of 2^-(decimals+1): then d * 10^decimals ends in exactly .5, because
// 10^decimals contributes only odd factors beyond its powers of two.
bool isExactTie(double d, int decimals)
{
    // Scaling by a power of two is exact, so this tests d itself.
    const double scaled = d * static_cast<double>(std::uint64_t{1} << (decimals + 1));
    if (scaled != std::trunc(scaled) || !std::isfinite(scaled))
        return false;
    const double half = scaled * 0.5;
    return half != std::trunc(half);
}

// Adds one unit in the last place of the digits in [out, end), away from
// zero, carrying as far as needed; returns the new end.
char* incrementMagnitude(char* out, char* end)
{
    for (char* p = end; p != out;) {
        --p;
        if (*p == '.')
            continue;
        if (*p == '-')
            break;
        if (*p != '9') {
            ++*p;
            return end;
        }
        *p = '0';
    }
    // All nines: one more leading digit, after the sign if there is one.
    char* first = out + (*out == '-' ? 1 : 0);
    std::copy_backward(first, end, end + 1);
    *first = '1';
    return end + 1;
}

} // namespace

std::size_t formatFixed(double d, int decimals, char* out)
{
    decimals = std::clamp(decimals, 0, kMaxDecimals);
    char* end;
    if (isExactTie(d, decimals)) {
        // std::to_chars would round the tie to even. One more decimal shows
        // the tie exactly, ending in 5: drop the 5 and round up by hand.
        end = std::to_chars(out, out + kFormatBufferSize, d, std::chars_format::fixed, decimals + 1).ptr;
        end -= decimals == 0 ? 2 : 1;
        end = incrementMagnitude(out, end);
    } else {
        end = std::to_chars(out, out + kFormatBufferSize, d, std::chars_format::fixed, decimals).ptr;
    }
    std::size_t length = static_cast<std::size_t>(end - out);
    if (out[0] == '-' && std::all_of(out + 1, end, [](char c) { return c == '0' || c == '.'; })) {
        std::copy(out + 1, end, out);
        --length;
    }
    return length;
}

} // namespace rk
