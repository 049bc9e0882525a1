// Feeds arbitrary UTF-16 units to valFromText and sends what it reads
// through formatFixed and back. Any violation aborts with the offending values.

#include "core/FormatFixed.h"
#include "core/ValFromText.h"
#include "tests/Utf16.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

namespace {

[[noreturn]] void fail(const char* what, const char* pattern, double d, const std::string& text)
{
    std::fprintf(stderr, "FUZZ FAILURE: %s\n  pattern \"%s\"\n  value   %.17g (%a)\n  text    \"%s\"\n", what,
                 pattern, d, d, text.c_str());
    std::abort();
}

// Optional '-', at least one digit, '.', exactly `decimals` digits.
bool hasFixedShape(std::string_view text, int decimals)
{
    if (!text.empty() && text.front() == '-')
        text.remove_prefix(1);
    const auto point = text.find('.');
    if (point == 0 || point == std::string_view::npos || text.size() - point - 1 != static_cast<std::size_t>(decimals))
        return false;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (i != point && (text[i] < '0' || text[i] > '9'))
            return false;
    return true;
}

void checkRoundTrip(double d, const char* pattern, int decimals)
{
    char buffer[rk::kFormatBufferSize];
    const std::string text(buffer, rk::formatFixed(d, decimals, buffer));
    if (!hasFixedShape(text, decimals))
        fail("formatted text has the wrong shape", pattern, d, text);
    if (text.find_first_not_of("-0.") == std::string::npos && text.front() == '-')
        fail("formatted zero carries a minus sign", pattern, d, text);

    const double back = rk::valFromText(rk::utf16(text));
    if (!std::isfinite(back))
        fail("text of a finite number reads back as infinite", pattern, d, text);
    // The text is within half a unit of its last decimal of d; reading it
    // back rounds once more, by at most half an ulp of the result. The
    // difference and the bound are taken in long double, and the bound gets
    // a sliver of relative slack, so that exact ties are not lost to the
    // rounding of the check itself.
    const long double halfUnit = 0.5L * std::pow(10.0L, -decimals);
    const double larger = std::fmax(std::fabs(d), std::fabs(back));
    const long double halfUlp = larger == 0.0 ? 0.0L : std::ldexp(1.0L, std::max(std::ilogb(larger), -1022) - 53);
    const long double bound = (halfUnit + halfUlp) * (1.0L + 0x1p-50L);
    if (!(std::fabs(static_cast<long double>(back) - static_cast<long double>(d)) <= bound))
        fail("text does not read back within half a unit of its last decimal", pattern, d, text);
}

void checkFormats(double d)
{
    if (!std::isfinite(d))
        return;
    checkRoundTrip(d, "0.00000", 5);
    checkRoundTrip(d, "0.00", 2);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Byte pairs as little-endian UTF-16 units, in a heap copy of exactly
    // that many units, with no terminator: a read past the end of the text
    // lands in ASan's redzone.
    const std::size_t units = size / 2;
    const auto copy = std::make_unique<char16_t[]>(units);
    for (std::size_t i = 0; i < units; ++i)
        copy[i] = static_cast<char16_t>(data[2 * i] | data[2 * i + 1] << 8);
    const double d = rk::valFromText(std::u16string_view(copy.get(), units));
    if (std::isnan(d))
        fail("valFromText returned NaN", "", d, "(the saved input)");
    checkFormats(d);

    // The same bytes as a bit pattern reach doubles no text would produce
    // quickly: subnormals, exact binary ties, neighbours of powers of two.
    if (size >= sizeof(double)) {
        double raw;
        std::memcpy(&raw, data, sizeof raw);
        checkFormats(raw);
    }
    return 0;
}
