#include "core/ValFromText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace rk {
namespace {

struct TextCase {
    std::string text;
    double expected;
};

class ValFromTextCases : public ::testing::TestWithParam<TextCase> {};

TEST_P(ValFromTextCases, ReadsLeadingNumber)
{
    const TextCase& c = GetParam();
    const double got = valFromText(c.text);
    EXPECT_EQ(got, c.expected) << '"' << c.text << '"';
    EXPECT_EQ(std::signbit(got), std::signbit(c.expected)) << '"' << c.text << '"';
}

constexpr double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(Grammar, ValFromTextCases, ::testing::Values(
    TextCase{"0.2", 0.2},
    TextCase{"3.5abc", 3.5},
    TextCase{" -2.5e1", -25},
    TextCase{"\t+7", 7},
    TextCase{"1e", 1},
    TextCase{"1e+", 1},
    TextCase{"1E3x", 1000},
    TextCase{"2e-1", 0.2},
    TextCase{".5", 0.5},
    TextCase{"5.", 5},
    TextCase{"-.25", -0.25},
    TextCase{"007", 7},
    TextCase{"1 2", 1},
    TextCase{"12,5", 12},
    TextCase{"-0", -0.0}
));

INSTANTIATE_TEST_SUITE_P(NoNumber, ValFromTextCases, ::testing::Values(
    TextCase{"", 0},
    TextCase{"x1", 0},
    TextCase{"y1", 0},
    TextCase{"abc", 0},
    TextCase{"-", 0},
    TextCase{".", 0},
    TextCase{"e5", 0},
    TextCase{"inf", 0},
    TextCase{"nan", 0},
    TextCase{"infinity", 0},
    TextCase{"- 5", 0}
));

INSTANTIATE_TEST_SUITE_P(NotBeyondTheGrammar, ValFromTextCases, ::testing::Values(
    TextCase{"0x10", 0},
    TextCase{"0X1p3", 0},
    TextCase{"1_000", 1},
    TextCase{"+-1", 0}
));

INSTANTIATE_TEST_SUITE_P(Range, ValFromTextCases, ::testing::Values(
    TextCase{"1e999", kInf},
    TextCase{"-1e999", -kInf},
    TextCase{"1e308", 1e308},
    TextCase{"1e-320", 1e-320},
    TextCase{"1e-400", 0.0},
    TextCase{"-1e-400", -0.0},
    TextCase{"0.0000000000000000000000000001e-400", 0.0},
    TextCase{"1e99999999999999999999", kInf},
    TextCase{"1e-99999999999999999999", 0.0},
    TextCase{std::string(400, '9'), kInf},
    TextCase{"0." + std::string(400, '0') + "1", 0.0},
    // A long run of digits moves the point as far as the exponent does.
    TextCase{std::string(1'000'000, '1') + "e-99999999", 0.0},
    TextCase{std::string(1'000'000, '1') + "e-999999", 10.0 / 9.0},
    TextCase{"-" + std::string(1'000'000, '1') + "e-1000400", -0.0},
    TextCase{"0." + std::string(1'000'000, '0') + "1e+99999999", kInf},
    TextCase{"0." + std::string(1'000'000, '0') + "1e+1000001", 1},
    TextCase{"0." + std::string(1'000'000, '0') + "1e+1000000", 0.1},
    TextCase{"1" + std::string(1'000'000, '0') + "e-1000308", 1e-308},
    // 2^53 + 1 lies halfway between two Doubles: it rounds to the even one,
    // unless a digit a million places on tips it over.
    TextCase{"9007199254740993" + std::string(1'000'000, '0') + "e-1000000", 9007199254740992.0},
    TextCase{"9007199254740993" + std::string(1'000'000, '0') + "1e-1000001", 9007199254740994.0}
));

// "０．２" and friends, as a Japanese input method types them.
INSTANTIATE_TEST_SUITE_P(FullWidth, ValFromTextCases, ::testing::Values(
    TextCase{"\xEF\xBC\x90\xEF\xBC\x8E\xEF\xBC\x92", 0.2},                 // ０．２
    TextCase{"\xEF\xBC\x8D\xEF\xBC\x93", -3},                              // －３
    TextCase{"\xE3\x80\x80\xEF\xBC\x91\xEF\xBD\x85\xEF\xBC\x92", 100},     // 　１ｅ２
    TextCase{"1\xEF\xBC\x8E" "5", 1.5},                                    // 1．5
    TextCase{"\xEF\xBD\x98", 0},                                           // ｘ
    TextCase{"\xE9\x96\xA2\xE6\x95\xB0", 0},                               // 関数
    TextCase{"\xEF\xBC", 0},                                               // cut-off sequence
    TextCase{"2\xEF", 2}
));

TEST(ValFromText, LongTextReadsInLinearTime)
{
    std::string text(1'000'000, '1');
    text += ".5";
    EXPECT_TRUE(std::isinf(valFromText(text)));
    EXPECT_EQ(valFromText(std::string(1'000'000, ' ') + "4"), 4);
}

} // namespace
} // namespace rk
