#include "core/OwnEquation.h"
#include "tests/Utf16.h"

#include "core/Catalogue.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace rk {
namespace {

std::u16string repeat(std::u16string_view part, int times)
{
    std::u16string out;
    while (times-- > 0)
        out += part;
    return out;
}

std::string repeat(std::string_view part, int times)
{
    std::string out;
    while (times-- > 0)
        out += part;
    return out;
}

std::uint64_t bits(double d) { return std::bit_cast<std::uint64_t>(d); }

const double kBig = 9007199254740992.0; // 2^53: adding 1 is lost, adding 3 rounds up to 2^53 + 4

// Each text is read, written out, read back from its read-as line to the
// same program and line, and evaluated at one point to the bit.
TEST(OwnEquation, ReadableTexts)
{
    const struct {
        std::u16string text;
        std::string readAs;
        double x, y, slope;
    } cases[] = {
        {u"- y", "−y", 1, 0.0, -0.0}, // a sign flip, not 0 - y
        {u"x - y", "x − y", 5, 3, 2},
        {u"2", "2", 0, 0, 2},
        {u"sin(4x)", "sin(4 · x)", 0.5, 0, std::sin(2.0)},
        {u"xcos(4x) -y", "(x · cos(4 · x)) − y", 0.25, 1, 0.25 * std::cos(1.0) - 1},
        {u"x/2 -sin(x+y)", "(x / 2) − sin(x + y)", 1, 0.5, 0.5 - std::sin(1.5)},
        {u"x/2y", "(x / 2) · y", 1, 4, 2},
        {u"-x^2", "−(x^2)", 3, 0, -9},
        {u"(-x)^2", "(−x)^2", 3, 0, 9},
        {u"2^3^2", "2^(3^2)", 0, 0, 512},
        {u"2^-1", "2^(−1)", 0, 0, 0.5},
        {u"y^3", "y^3", 0, 0.3, 0x1.ba5e353f7ced8p-6}, // pow; 0.3 · 0.3 · 0.3 ends in ...d9
        {u"-2x", "(−2) · x", 3, 0, -6},
        {u"x*-y", "x · (−y)", 3, 2, -6},
        {u"--y", "−−y", 0, -0.0, -0.0},
        {u"+y", "y", 0, -0.0, -0.0},
        {u"x+1+2", "(x + 1) + 2", kBig, 0, kBig + 2},
        {u"x+(1+2)", "x + (1 + 2)", kBig, 0, kBig + 4},
        {u"(x + 1)(x - 1)", "(x + 1) · (x − 1)", 3, 0, 8},
        {u"pi x", "pi · x", 2, 0, M_PI * 2},
        {u"xy", "x · y", 3, 5, 15},
        {u"pie", "pi · e", 0, 0, M_PI * M_E},
        {u"2e+x", "(2 · e) + x", 1, 0, 2 * M_E + 1},
        {u"2E5 - 1e-3 + .5", "(2e+05 − 0.001) + 0.5", 0, 0, 200000 - 0.001 + 0.5},
        {u"0.10000000000000001", "0.1", 0, 0, 0.1}, // the same double
        {u"sin(x) + cos(y)", "sin(x) + cos(y)", 0.5, 0.25, std::sin(0.5) + std::cos(0.25)},
        {u"tan(x) + asin(y)", "tan(x) + asin(y)", 0.5, 0.25, std::tan(0.5) + std::asin(0.25)},
        {u"acos(x) + atan(y)", "acos(x) + atan(y)", 0.5, 0.25, std::acos(0.5) + std::atan(0.25)},
        {u"sinh(x) + cosh(y)", "sinh(x) + cosh(y)", 0.5, 0.25, std::sinh(0.5) + std::cosh(0.25)},
        {u"tanh(x) + exp(y)", "tanh(x) + exp(y)", 0.5, 0.25, std::tanh(0.5) + std::exp(0.25)},
        {u"log(x) + ln(y)", "ln(x) + ln(y)", 0.5, 0.25, std::log(0.5) + std::log(0.25)},
        {u"sqrt(x) + abs(y)", "sqrt(x) + abs(y)", 0.5, -0.25, std::sqrt(0.5) + 0.25},
        // Full-width forms, blanks, and the signs the read-as line writes.
        {u"ｘ－ｙ", "x − y", 5, 3, 2},
        {u"２ｘ", "2 · x", 3, 0, 6},
        {u"ｓｉｎ（ｘ）", "sin(x)", 0.5, 0, std::sin(0.5)},
        {u"１．５ｅ－３\u3000＊\tｙ", "0.0015 · y", 0, 2, 0.003},
        {u"x·y⋅x×y − y÷2", "(((x · y) · x) · y) − (y / 2)", 1, 2, 3},
        {u"x\r\n-\u00A0y\u2009\u202F", "x − y", 5, 3, 2}, // a pasted line end, no-break and thin spaces
        // As on paper: the field shows y' = already, powers and roots as signs.
        {u" y' = x - y", "x − y", 5, 3, 2},
        {u"y\u2019＝ｘ", "x", 5, 3, 5},
        {u"dy / dx= -y", "−y", 0, 2, -2},
        {u"x² + y³", "(x^2) + (y^3)", 3, 2, 17},
        {u"-x²", "−(x^2)", 3, 0, -9},
        {u"2x²y", "(2 · (x^2)) · y", 3, 2, 36},
        {u"2^x²", "2^(x^2)", 2, 0, 16},
        {u"√(x + y)", "sqrt(x + y)", 7, 2, 3},
        // Just inside the limits as typed; pasted line ends around the text
        // are not counted.
        {u"\n" + repeat(u"-", 999) + u"y\r\n", repeat("−", 999) + "y", 0, 1, -1},
        {repeat(u"(", 100) + u"x" + repeat(u")", 100), "x", 7, 0, 7},
        {repeat(u"x^", 100) + u"1", repeat("x^(", 99) + "x^1" + repeat(")", 99), -1, 0, -1},
        // Written out, longer or deeper than a typed text may be.
        {u"x" + repeat(u"+x", 102), repeat("(", 101) + "x + x" + repeat(") + x", 101), 1, 0, 103},
        {repeat(u"x", 1000), repeat("(", 998) + "x · x" + repeat(") · x", 998), -1, 0, 1},
        {repeat(u"x^", 150) + u"1", repeat("x^(", 149) + "x^1" + repeat(")", 149), -1, 0, -1},
        {u"xy" + repeat(u"+xy", 83), repeat("(", 82) + "(x · y) + (x · y)" + repeat(") + (x · y)", 82), 1, 2, 168},
    };
    for (const auto& c : cases) {
        const auto read = OwnEquation::read(c.text);
        ASSERT_TRUE(std::holds_alternative<OwnEquation>(read)) << c.readAs;
        const OwnEquation& equation = std::get<OwnEquation>(read);
        EXPECT_EQ(equation.readAs(), c.readAs);
        EXPECT_EQ(bits(equation(c.x, c.y)), bits(c.slope)) << c.readAs;

        const auto again = OwnEquation::readWritten(utf16(equation.readAs()));
        ASSERT_TRUE(std::holds_alternative<OwnEquation>(again)) << c.readAs;
        EXPECT_TRUE(std::get<OwnEquation>(again) == equation) << c.readAs;
        EXPECT_EQ(std::get<OwnEquation>(again).readAs(), equation.readAs());
    }
}

TEST(OwnEquation, RefusedTexts)
{
    const struct {
        std::u16string text;
        ReadProblem problem;
        std::size_t position, length;
    } cases[] = {
        {u"", ReadProblem::Empty, 0, 0},
        {u" \t\u3000", ReadProblem::Empty, 3, 0},
        {u"x +", ReadProblem::MissingOperand, 3, 0},
        {u"2 ** x", ReadProblem::PowerWithStars, 2, 2},
        {u"y**2", ReadProblem::PowerWithStars, 1, 2},
        {u"0,5*y", ReadProblem::DecimalComma, 1, 1},
        {u"x, y", ReadProblem::UnknownCharacter, 1, 1},
        {u"()", ReadProblem::MissingOperand, 1, 1},
        {u"sin(x", ReadProblem::MissingClosingParenthesis, 5, 0},
        {u")", ReadProblem::UnexpectedClosingParenthesis, 0, 1},
        {u"x)", ReadProblem::UnexpectedClosingParenthesis, 1, 1},
        {u"sin x", ReadProblem::FunctionNeedsParenthesis, 4, 1},
        {u"sin", ReadProblem::FunctionNeedsParenthesis, 3, 0},
        {u"foo(x)", ReadProblem::UnknownName, 0, 3},
        {u"foo", ReadProblem::UnknownName, 0, 3},
        {u"log10(x)", ReadProblem::UnknownName, 0, 5},
        {u"cosec (x)", ReadProblem::UnknownName, 0, 5},
        {u"log10 x", ReadProblem::FunctionNeedsParenthesis, 3, 2},
        {u"-2ty", ReadProblem::UnknownVariable, 2, 1},
        {u"t(x)", ReadProblem::UnknownName, 0, 1},
        {u"X", ReadProblem::UpperCaseName, 0, 1},
        {u"xPI", ReadProblem::UpperCaseName, 1, 2},
        {u"eXp(x)", ReadProblem::UpperCaseName, 0, 3},
        {u"cos^2(x)", ReadProblem::PowerOfFunction, 0, 4},
        {u"cos²(x)", ReadProblem::PowerOfFunction, 0, 4},
        {u"√x", ReadProblem::FunctionNeedsParenthesis, 1, 1},
        {u"²", ReadProblem::MissingOperand, 0, 1},
        {u"x²2", ReadProblem::UnexpectedNumber, 2, 1},
        {u"y' =", ReadProblem::Empty, 4, 0},
        {u"y'", ReadProblem::UnknownCharacter, 1, 1},
        {u"x2", ReadProblem::UnexpectedNumber, 1, 1},
        {u"(x+1)2", ReadProblem::UnexpectedNumber, 5, 1},
        {u"3..5", ReadProblem::MalformedNumber, 1, 1},
        {u"3.", ReadProblem::MalformedNumber, 1, 1},
        {u"x + .e5", ReadProblem::MalformedNumber, 4, 1},
        {u"3.5.2", ReadProblem::MalformedNumber, 3, 1},
        {u"x + 1e309", ReadProblem::NumberOutOfRange, 4, 5},
        {u"1e-400", ReadProblem::NumberOutOfRange, 0, 6},
        {u"x # y", ReadProblem::UnknownCharacter, 2, 1},
        {u"x \U0001F600", ReadProblem::UnknownCharacter, 2, 2},
        // Past the limits.
        {repeat(u"x", 1001), ReadProblem::TooLong, 1000, 1},
        {repeat(u"x", 999) + u"\U0001F600", ReadProblem::TooLong, 999, 2},
        {repeat(u"x", 1000) + u"\U0001F600", ReadProblem::TooLong, 1000, 2},
        {u"\r\n" + repeat(u"x", 1001) + u" ", ReadProblem::TooLong, 1002, 1},
        {repeat(u"(", 20000), ReadProblem::TooLong, 1000, 19000},
        {repeat(u"-", 20000) + u"y", ReadProblem::TooLong, 1000, 19001},
        {repeat(u"(", 101) + u"x" + repeat(u")", 101), ReadProblem::TooDeep, 100, 1},
        {repeat(u"sin(", 101) + u"x" + repeat(u")", 101), ReadProblem::TooDeep, 403, 1},
    };
    for (std::size_t k = 0; k < std::size(cases); ++k) {
        const auto read = OwnEquation::read(cases[k].text);
        ASSERT_TRUE(std::holds_alternative<ReadError>(read)) << "case " << k;
        const ReadError& error = std::get<ReadError>(read);
        EXPECT_EQ(error.problem, cases[k].problem) << "case " << k;
        EXPECT_EQ(error.position, cases[k].position) << "case " << k;
        EXPECT_EQ(error.length, cases[k].length) << "case " << k;
    }
}

// The names the editor's message lists: each reads, a function only with
// its argument in parentheses.
TEST(OwnEquation, KnownNamesRead)
{
    const KnownNames known = knownNames();
    EXPECT_EQ(known.values.size() + known.functions.size(), 18u) << "x, y, pi, e and 14 functions";
    for (const std::string_view name : known.values)
        EXPECT_TRUE(std::holds_alternative<OwnEquation>(OwnEquation::read(utf16(std::string(name))))) << name;
    for (const std::string_view name : known.functions) {
        EXPECT_TRUE(std::holds_alternative<OwnEquation>(OwnEquation::read(utf16(std::string(name) + "(x)")))) << name;
        const auto alone = OwnEquation::read(utf16(std::string(name)));
        ASSERT_TRUE(std::holds_alternative<ReadError>(alone)) << name;
        EXPECT_EQ(std::get<ReadError>(alone).problem, ReadProblem::FunctionNeedsParenthesis) << name;
    }
}

// Typed in, the built-in equations give their slopes to the last bit.
TEST(OwnEquation, SameAsBuiltInEquations)
{
    const std::u16string_view texts[] = {u"- y", u"x - y", u"2", u"sin(4x)", u"xcos(4x) -y", u"x/2 -sin(x+y)"};
    const double inf = std::numeric_limits<double>::infinity();
    const double points[] = {0.0, -0.0, 1, -1, 0.5, 0.1, -2.75, 3.7, 1e6, -1e15, 1e300, -1.7976931348623157e308,
                             1e-300, 5e-324, -2.2250738585072014e-308, inf, std::nan("")};
    for (int number = 1; number <= 6; ++number) {
        const auto read = OwnEquation::read(texts[number - 1]);
        ASSERT_TRUE(std::holds_alternative<OwnEquation>(read)) << "equation " << number;
        for (const double x : points)
            for (const double y : points)
                ASSERT_EQ(bits(std::get<OwnEquation>(read)(x, y)), bits(f(number, x, y)))
                    << "equation " << number << " at x = " << x << ", y = " << y;
    }
}

} // namespace
} // namespace rk
