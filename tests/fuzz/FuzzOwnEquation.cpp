// Feeds arbitrary bytes, two to a UTF-16 unit, to OwnEquation::read. A text
// it refuses must be marked within itself; a text it reads must read back
// from its read-as line to the same program, the same line and the same
// slopes, through readWritten, as the line may be longer and nest deeper
// than a typed text may. Any violation aborts with the offending text.

#include "core/OwnEquation.h"
#include "tests/Utf16.h"

#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

namespace {

using rk::utf16;

[[noreturn]] void fail(const char* what, std::u16string_view text, const std::string& readAs = {})
{
    std::fprintf(stderr, "FUZZ FAILURE: %s\n  units  ", what);
    for (const char16_t u : text)
        std::fprintf(stderr, " %04x", static_cast<unsigned>(u));
    std::fprintf(stderr, "\n  readAs \"%s\"\n", readAs.c_str());
    std::abort();
}

bool sameSlope(double a, double b)
{
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b) || (std::isnan(a) && std::isnan(b));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // A heap copy of exactly the text's units, with no terminator: a read
    // past its end lands in ASan's redzone.
    const std::size_t units = size / 2;
    const auto copy = std::make_unique<char16_t[]>(units);
    for (std::size_t i = 0; i < units; ++i)
        copy[i] = static_cast<char16_t>(data[2 * i] | data[2 * i + 1] << 8);
    const std::u16string_view text(copy.get(), units);

    const auto read = rk::OwnEquation::read(text);
    if (const auto* error = std::get_if<rk::ReadError>(&read)) {
        if (error->position > units || error->length > units - error->position)
            fail("error marks past the end of the text", text);
        if (error->length == 0 && error->position != units)
            fail("error marks nothing before the end of the text", text);
        return 0;
    }

    const rk::OwnEquation& equation = std::get<rk::OwnEquation>(read);
    const std::string shown = equation.readAs();
    const auto again = rk::OwnEquation::readWritten(utf16(shown));
    if (!std::holds_alternative<rk::OwnEquation>(again))
        fail("read-as line is refused", text, shown);
    const rk::OwnEquation& back = std::get<rk::OwnEquation>(again);
    if (!(back == equation))
        fail("read-as line reads as another program", text, shown);
    if (back.readAs() != shown)
        fail("read-as line reads back to another line", text, shown);

    const double points[][2] = {{0.0, -0.0}, {0.5, -1.25}, {-3.0, 1e300}};
    for (const auto& p : points)
        if (!sameSlope(equation(p[0], p[1]), back(p[0], p[1])))
            fail("read-as line gives another slope", text, shown);
    return 0;
}
