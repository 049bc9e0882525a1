#include "core/ValFromText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace rk {
namespace {

struct TextCase {
    std::u16string text;
    double expected;
};

class ValFromTextCases : public ::testing::TestWithParam<TextCase> {};

TEST_P(ValFromTextCases, ReadsLeadingNumber)
{
    const TextCase& c = GetParam();
    const double got = valFromText(c.text);
    const std::string shown = ::testing::PrintToString(c.text.substr(0, 40));
    EXPECT_EQ(got, c.expected) << shown;
    EXPECT_EQ(std::signbit(got), std::signbit(c.expected)) << shown;
}

constexpr double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(Grammar, ValFromTextCases, ::testing::Values(
    TextCase{u"0.2", 0.2},
    TextCase{u"3.5abc", 3.5},
    TextCase{u" -2.5e1", -25},
    TextCase{u"\t+7", 7},
    TextCase{u"1e", 1},
    TextCase{u"1e+", 1},
    TextCase{u"1E3x", 1000},
    TextCase{u"2e-1", 0.2},
    TextCase{u".5", 0.5},
    TextCase{u"5.", 5},
    TextCase{u"-.25", -0.25},
    TextCase{u"007", 7},
    TextCase{u"1 2", 1},
    TextCase{u"12,5", 12},
    TextCase{u"-0", -0.0}
));

INSTANTIATE_TEST_SUITE_P(NoNumber, ValFromTextCases, ::testing::Values(
    TextCase{u"", 0},
    TextCase{u"x1", 0},
    TextCase{u"y1", 0},
    TextCase{u"abc", 0},
    TextCase{u"-", 0},
    TextCase{u".", 0},
    TextCase{u"e5", 0},
    TextCase{u"inf", 0},
    TextCase{u"nan", 0},
    TextCase{u"infinity", 0},
    TextCase{u"- 5", 0}
));

INSTANTIATE_TEST_SUITE_P(NotBeyondTheGrammar, ValFromTextCases, ::testing::Values(
    TextCase{u"0x10", 0},
    TextCase{u"0X1p3", 0},
    TextCase{u"1_000", 1},
    TextCase{u"+-1", 0}
));

INSTANTIATE_TEST_SUITE_P(Range, ValFromTextCases, ::testing::Values(
    TextCase{u"1e999", kInf},
    TextCase{u"-1e999", -kInf},
    TextCase{u"1e308", 1e308},
    TextCase{u"1e-320", 1e-320},
    TextCase{u"1e-400", 0.0},
    TextCase{u"-1e-400", -0.0},
    TextCase{u"0.0000000000000000000000000001e-400", 0.0},
    TextCase{u"1e99999999999999999999", kInf},
    TextCase{u"1e-99999999999999999999", 0.0},
    TextCase{u"-1e9223372036854775807", -kInf},
    TextCase{u"2.4e-324", 0.0},
    TextCase{u"-2.5e-324", -5e-324},
    // Past the range, the digits can outweigh the exponent's sign.
    TextCase{std::u16string(400, u'9') + u"e-50", kInf},
    TextCase{u"0." + std::u16string(400, u'0') + u"1e50", 0.0},
    TextCase{std::u16string(400, u'9'), kInf},
    TextCase{u"0." + std::u16string(400, u'0') + u"1", 0.0},
    // A long run of digits moves the point as far as the exponent does.
    TextCase{std::u16string(1'000'000, u'1') + u"e-99999999", 0.0},
    TextCase{std::u16string(1'000'000, u'1') + u"e-999999", 10.0 / 9.0},
    TextCase{u"-" + std::u16string(1'000'000, u'1') + u"e-1000400", -0.0},
    TextCase{u"0." + std::u16string(1'000'000, u'0') + u"1e+99999999", kInf},
    TextCase{u"0." + std::u16string(1'000'000, u'0') + u"1e+1000001", 1},
    TextCase{u"0." + std::u16string(1'000'000, u'0') + u"1e+1000000", 0.1},
    TextCase{u"1" + std::u16string(1'000'000, u'0') + u"e-1000308", 1e-308},
    // 2^53 + 1 lies halfway between two Doubles: it rounds to the even one,
    // unless a digit a million places on tips it over.
    TextCase{u"9007199254740993" + std::u16string(1'000'000, u'0') + u"e-1000000", 9007199254740992.0},
    TextCase{u"9007199254740993" + std::u16string(1'000'000, u'0') + u"1e-1000001", 9007199254740994.0}
));

// "０．２" and friends, as a Japanese input method types them, and the other
// signs and blanks keyboards and pasted texts bring.
INSTANTIATE_TEST_SUITE_P(Folded, ValFromTextCases, ::testing::Values(
    TextCase{u"\uFF10\uFF0E\uFF12", 0.2},             // ０．２
    TextCase{u"\uFF0D\uFF13", -3},                     // －３
    TextCase{u"\u3000\uFF11\uFF45\uFF12", 100},       // 　１ｅ２
    TextCase{u"1\uFF0E" "5", 1.5},                      // 1．5
    TextCase{u"\uFF58", 0},                            // ｘ
    TextCase{u"\u95A2\u6570", 0},                      // 関数
    TextCase{u"\u22122.5", -2.5},                      // the minus sign
    TextCase{u"1e\u22122", 0.01},
    TextCase{u"\u00A0\u2009\u202F8", 8},              // no-break and thin spaces
    TextCase{u"\r\n 6", 6},
    TextCase{u"1\u202F000", 1},
    TextCase{u"\xD800" "2", 0},                        // a lone surrogate
    TextCase{u"2\xDC00", 2}
));

TEST(ValFromText, LongTextReadsInLinearTime)
{
    EXPECT_TRUE(std::isinf(valFromText(std::u16string(1'000'000, u'1') + u".5")));
    EXPECT_EQ(valFromText(std::u16string(1'000'000, u' ') + u"4"), 4);
}

} // namespace
} // namespace rk
