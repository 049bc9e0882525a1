#include "core/FormatFixed.h"

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
