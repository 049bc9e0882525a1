#include "core/FormatFixed.h"
#include "core/LineNumbers.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace rk {
namespace {

struct FormatCase {
    double value;
    int decimals;
    std::string expected;
};

std::string fixed(double d, int decimals)
{
    char buffer[kFormatBufferSize];
    return std::string(buffer, formatFixed(d, decimals, buffer));
}

class FormatFixedCases : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatFixedCases, Text)
{
    const FormatCase& c = GetParam();
    EXPECT_EQ(fixed(c.value, c.decimals), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Plain, FormatFixedCases, ::testing::Values(
    FormatCase{0.05, 2, "0.05"},
    FormatCase{0.9512294245, 5, "0.95123"},
    FormatCase{1.0, 5, "1.00000"},
    FormatCase{-2.5, 2, "-2.50"},
    FormatCase{123.456, 2, "123.46"},
    FormatCase{0, 5, "0.00000"},
    FormatCase{0.25, 0, "0"}
));

// Exact binary ties go away from zero; near-ties follow their exact value.
INSTANTIATE_TEST_SUITE_P(Rounding, FormatFixedCases, ::testing::Values(
    FormatCase{0.125, 2, "0.13"},
    FormatCase{-0.125, 2, "-0.13"},
    FormatCase{0.375, 2, "0.38"},
    FormatCase{2.5, 0, "3"},
    FormatCase{0.5, 0, "1"},
    FormatCase{1.000005, 5, "1.00001"},      // binary value lies above the tie
    FormatCase{0.000005, 5, "0.00001"},      // likewise
    FormatCase{0.15, 2, "0.15"},
    FormatCase{0.145, 2, "0.14"},               // 0.1449999999... in binary
    FormatCase{0.28125, 4, "0.2813"},         // exact tie at four places
    FormatCase{0.03125, 5, "0.03125"},
    FormatCase{9.995, 2, "9.99"},                // below the tie in binary
    FormatCase{9.875, 2, "9.88"},
    FormatCase{99.5, 0, "100"},                     // the carry adds a digit
    FormatCase{-9.5, 0, "-10"},
    // Ties where a step between doubles exceeds the last decimal's unit.
    FormatCase{68719476736.015625, 5, "68719476736.01563"},
    FormatCase{-68719476736.015625, 5, "-68719476736.01563"},
    FormatCase{78901234756801.046875, 5, "78901234756801.04688"},
    FormatCase{70368744177664.125, 2, "70368744177664.13"}
));

INSTANTIATE_TEST_SUITE_P(NegativeZero, FormatFixedCases, ::testing::Values(
    FormatCase{-0.0, 2, "0.00"},
    FormatCase{-0.001, 2, "0.00"},
    FormatCase{-0.000004, 5, "0.00000"},
    FormatCase{-0.000005, 5, "-0.00001"},
    FormatCase{-1e-300, 5, "0.00000"}
));

INSTANTIATE_TEST_SUITE_P(Huge, FormatFixedCases, ::testing::Values(
    FormatCase{1e20, 2, "100000000000000000000.00"},
    FormatCase{-1e22, 2, "-10000000000000000000000.00"},
    FormatCase{9007199254740993.0, 2, "9007199254740992.00"},
    FormatCase{1e300, 5, "1000000000000000052504760255204420248704468581108159154915854115511802457988908195786371375080447864043704443832883878176942523235360430575644792184786706982848387200926575803737830233794788090059368953234970799945081119038967640880074652742780142494579258788820056842838115669472196386865459400540160.00000"}
));

TEST(FormatFixed, LargestDoubleFitsTheBuffer)
{
    const std::string text = fixed(-std::numeric_limits<double>::max(), 5);
    EXPECT_EQ(text.size(), 1 + 309 + 1 + 5u);
    EXPECT_EQ(text.substr(0, 5), "-1797");
    EXPECT_EQ(text.substr(text.size() - 6), ".00000");
}

} // namespace
} // namespace rk

namespace rk {
namespace {

// A line's numbers as the list, the explanations, the copies and the
// comparison all write them: errors to three digits, true values to
// twelve, rounded from the exact binary value, ties to even as printf
// does, with the sign of a zero.
TEST(LineNumbers, ErrorsAndTrueValues)
{
    const struct {
        double value;
        const char* error;
        const char* truth;
    } numbers[] = {
        {2.58262e-9, "2.58e-09", "2.58262e-09"},
        {0.36787944117144233, "3.68e-01", "0.367879441171"},
        {0.00012345678901234, "1.23e-04", "0.000123456789012"},
        {1e20 / 3, "3.33e+19", "3.33333333333e+19"},
        {-1.5e-300, "-1.50e-300", "-1.5e-300"},
        {999999999999.5, "1.00e+12", "1e+12"},
        {100000000000.5, "1.00e+11", "100000000000"},
        {0.0, "0.00e+00", "0"},
        {-0.0, "-0.00e+00", "-0"},
    };
    for (const auto& n : numbers) {
        EXPECT_EQ(errorText(n.value), n.error) << n.value;
        EXPECT_EQ(valueText(n.value), n.truth) << n.value;
    }
}

TEST(LineNumbers, LineWithItsSeparator)
{
    const struct {
        double x;
        int xDecimals;
        double y;
        std::string_view separator;
        const char* line;
    } lines[] = {
        {0.05, 2, 0.9512294245, kLineSeparator, "0.05    0.95123"},
        {0.025, 3, -1e-6, "\t", "0.025\t0.00000"}, // a y that rounds to zero has no sign
        {-1.5, 2, 1.5e-5, ",", "-1.50,0.00002"},
        {0.05, 2, 1.0, "too long", "0.05too 1.00000"}, // four characters of a separator at most
        {-1.7e308, 10, -1.7e308, kLineSeparator, nullptr}, // the longest fits the buffer
    };
    for (const auto& l : lines) {
        char out[kLineBufferSize];
        const std::string written(out, writeLine(l.x, l.xDecimals, l.y, out, l.separator));
        if (l.line)
            EXPECT_EQ(written, l.line);
        else
            EXPECT_EQ(written.size(), 321u + 4 + 316) << "each a sign, 309 digits, a point and the decimals";
    }
}

} // namespace
} // namespace rk
