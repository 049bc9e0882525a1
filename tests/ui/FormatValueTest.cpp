#include "ui/FormatValue.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace rk {
namespace {

struct FormatCase {
    Value value;
    const char* pattern;
    std::string expected;
};

class FormatValueCases : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatValueCases, Text)
{
    const FormatCase& c = GetParam();
    EXPECT_EQ(formatValue(c.value, c.pattern), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Plain, FormatValueCases, ::testing::Values(
    FormatCase{Value(0.05), "0.00", "0.05"},
    FormatCase{Value(0.9512294245), "0.00000", "0.95123"},
    FormatCase{Value(1.0), "0.00000", "1.00000"},
    FormatCase{Value(-2.5), "0.00", "-2.50"},
    FormatCase{Value(123.456), "0.00", "123.46"},
    FormatCase{Value::integer(2), "0.00000", "2.00000"},
    FormatCase{Value(), "0.00000", "0.00000"},
    FormatCase{Value(), "0.00", "0.00"},
    FormatCase{Value(0.25), "0", "0"}
));

// Exact binary ties go away from zero; near-ties follow their exact value.
INSTANTIATE_TEST_SUITE_P(Rounding, FormatValueCases, ::testing::Values(
    FormatCase{Value(0.125), "0.00", "0.13"},
    FormatCase{Value(-0.125), "0.00", "-0.13"},
    FormatCase{Value(0.375), "0.00", "0.38"},
    FormatCase{Value(2.5), "0", "3"},
    FormatCase{Value(0.5), "0", "1"},
    FormatCase{Value(1.000005), "0.00000", "1.00001"},      // binary value lies above the tie
    FormatCase{Value(0.000005), "0.00000", "0.00001"},      // likewise
    FormatCase{Value(0.15), "0.00", "0.15"},
    FormatCase{Value(0.145), "0.00", "0.14"},               // 0.1449999999... in binary
    FormatCase{Value(0.28125), "0.0000", "0.2813"},         // exact tie at four places
    FormatCase{Value(0.03125), "0.00000", "0.03125"},
    FormatCase{Value(9.995), "0.00", "9.99"},                // below the tie in binary
    FormatCase{Value(9.875), "0.00", "9.88"},
    FormatCase{Value(99.5), "0", "100"},                     // the carry adds a digit
    FormatCase{Value(-9.5), "0", "-10"},
    // Ties where a step between doubles exceeds the last decimal's unit.
    FormatCase{Value(68719476736.015625), "0.00000", "68719476736.01563"},
    FormatCase{Value(-68719476736.015625), "0.00000", "-68719476736.01563"},
    FormatCase{Value(78901234756801.046875), "0.00000", "78901234756801.04688"},
    FormatCase{Value(70368744177664.125), "0.00", "70368744177664.13"}
));

INSTANTIATE_TEST_SUITE_P(NegativeZero, FormatValueCases, ::testing::Values(
    FormatCase{Value(-0.0), "0.00", "0.00"},
    FormatCase{Value(-0.001), "0.00", "0.00"},
    FormatCase{Value(-0.000004), "0.00000", "0.00000"},
    FormatCase{Value(-0.000005), "0.00000", "-0.00001"},
    FormatCase{Value(-1e-300), "0.00000", "0.00000"}
));

INSTANTIATE_TEST_SUITE_P(Huge, FormatValueCases, ::testing::Values(
    FormatCase{Value(1e20), "0.00", "100000000000000000000.00"},
    FormatCase{Value(-1e22), "0.00", "-10000000000000000000000.00"},
    FormatCase{Value(9007199254740993.0), "0.00", "9007199254740992.00"},
    FormatCase{Value(1e300), "0.00000", "1000000000000000052504760255204420248704468581108159154915854115511802457988908195786371375080447864043704443832883878176942523235360430575644792184786706982848387200926575803737830233794788090059368953234970799945081119038967640880074652742780142494579258788820056842838115669472196386865459400540160.00000"}
));

TEST(FormatValue, LargestDoubleFitsTheBuffer)
{
    const std::string text = formatValue(Value(-std::numeric_limits<double>::max()), "0.00000");
    EXPECT_EQ(text.size(), 1 + 309 + 1 + 5u);
    EXPECT_EQ(text.substr(0, 5), "-1797");
    EXPECT_EQ(text.substr(text.size() - 6), ".00000");
}

TEST(FormatValue, PatternDecimals)
{
    EXPECT_EQ(decimalsOfPattern("0.00"), 2);
    EXPECT_EQ(decimalsOfPattern("0.00000"), 5);
    EXPECT_EQ(decimalsOfPattern("0"), 0);
}

TEST(FormatValue, StringPassesThrough)
{
    EXPECT_EQ(formatValue(Value(std::string("abc")), "0.00"), "abc");
}

} // namespace
} // namespace rk
