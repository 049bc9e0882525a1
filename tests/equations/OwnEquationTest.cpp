#include "equations/OwnEquation.h"

#include "equations/Catalogue.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace rk {
namespace {

// The read-as line holds only one- to three-byte UTF-8 sequences.
std::u16string utf16(const std::string& utf8)
{
    std::u16string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto byte = [&](std::size_t k) { return static_cast<unsigned>(static_cast<unsigned char>(utf8[i + k])); };
        const std::size_t length = byte(0) < 0x80 ? 1 : byte(0) < 0xE0 ? 2 : 3;
        unsigned unit = length == 1 ? byte(0) : byte(0) & (length == 2 ? 0x1F : 0x0F);
        for (std::size_t k = 1; k < length; ++k)
            unit = unit << 6 | (byte(k) & 0x3F);
        out += static_cast<char16_t>(unit);
        i += length;
    }
    return out;
}

std::u16string repeat(std::u16string_view part, int times)
{
    std::u16string out;
    for (int k = 0; k < times; ++k)
        out += part;
    return out;
}

std::string ascii(std::u16string_view text) // for messages
{
    std::string out;
    for (const char16_t u : text)
        out += u < 0x80 ? static_cast<char>(u) : '?';
    return out.size() > 60 ? out.substr(0, 60) + "..." : out;
}

std::uint64_t bits(double d) { return std::bit_cast<std::uint64_t>(d); }

// Reads a text that must be readable, and checks that its read-as line
// reads back to the same program and the same line.
OwnEquation readable(std::u16string_view text)
{
    auto read = OwnEquation::read(text);
    if (const auto* error = std::get_if<ReadError>(&read)) {
        ADD_FAILURE() << "refused: " << ascii(text) << " problem " << static_cast<int>(error->problem)
                      << " at " << error->position;
        return std::get<OwnEquation>(OwnEquation::read(u"0"));
    }
    const OwnEquation& equation = std::get<OwnEquation>(read);
    const std::string shown = equation.readAs();
    const auto again = OwnEquation::read(utf16(shown));
    if (!std::holds_alternative<OwnEquation>(again)) {
        ADD_FAILURE() << "read-as line refused: " << shown;
    } else {
        EXPECT_TRUE(std::get<OwnEquation>(again) == equation) << shown;
        EXPECT_EQ(std::get<OwnEquation>(again).readAs(), shown);
    }
    return equation;
}

TEST(OwnEquation, ReadAsLines)
{
    const struct {
        std::u16string_view text;
        const char* readAs;
    } cases[] = {
        {u"- y", "−y"},
        {u"x - y", "x − y"},
        {u"2", "2"},
        {u"sin(4x)", "sin(4 · x)"},
        {u"xcos(4x) -y", "(x · cos(4 · x)) − y"},
        {u"x/2 -sin(x+y)", "(x / 2) − sin(x + y)"},
        {u"x/2y", "(x / 2) · y"},
        {u"-x^2", "−(x^2)"},
        {u"2^3^2", "2^(3^2)"},
        {u"2^-1", "2^(−1)"},
        {u"2^-x^2", "2^(−(x^2))"},
        {u"(-2)^x", "(−2)^x"},
        {u"-2x", "(−2) · x"},
        {u"x*-y", "x · (−y)"},
        {u"-(x*y)", "−(x · y)"},
        {u"--y", "−−y"},
        {u"+x", "x"},
        {u"((x))", "x"},
        {u"x+1+2", "(x + 1) + 2"},
        {u"x+(1+2)", "x + (1 + 2)"},
        {u"(x + 1)(x - 1)", "(x + 1) · (x − 1)"},
        {u"2(x + 1)", "2 · (x + 1)"},
        {u"pi x", "pi · x"},
        {u"xy", "x · y"},
        {u"pie", "pi · e"},
        {u"exp(x)", "exp(x)"},
        {u"ex", "e · x"},
        {u"2e", "2 · e"},
        {u"2e+x", "(2 · e) + x"},
        {u"2E5", "2e+05"},
        {u"1e-3 + .5", "0.001 + 0.5"},
        {u"2.5E+4", "25000"},
        {u"0.1", "0.1"},
        {u"1e22", "1e+22"},
        {u"1e-310", "1e-310"},
        {u"0000.50", "0.5"},
        {u"log(x) + ln(x)", "ln(x) + ln(x)"},
        {u"sinh(x)cosh(y)tanh(x)", "(sinh(x) · cosh(y)) · tanh(x)"},
        {u"asin(x)/acos(x)/atan(x)", "(asin(x) / acos(x)) / atan(x)"},
        {u"sqrt(abs(tan(-x)))", "sqrt(abs(tan(−x)))"},
        // Full-width forms, blanks, and the signs the read-as line writes.
        {u"ｘ－ｙ", "x − y"},
        {u"２ｘ", "2 · x"},
        {u"ｓｉｎ（ｘ）", "sin(x)"},
        {u"１．５ｅ－３\u3000＊\tｙ", "0.0015 · y"},
        {u"x·y⋅x×y − y÷2", "(((x · y) · x) · y) − (y / 2)"},
        {u"−y", "−y"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(readable(c.text).readAs(), c.readAs) << ascii(c.text);
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
        {u"2 ** x", ReadProblem::MissingOperand, 3, 1},
        {u"()", ReadProblem::MissingOperand, 1, 1},
        {u"2^", ReadProblem::MissingOperand, 2, 0},
        {u"x^*y", ReadProblem::MissingOperand, 2, 1},
        {u"ｘ＋＋", ReadProblem::MissingOperand, 3, 0},
        {u"sin(x", ReadProblem::MissingClosingParenthesis, 5, 0},
        {u"((x)", ReadProblem::MissingClosingParenthesis, 4, 0},
        {u")", ReadProblem::UnexpectedClosingParenthesis, 0, 1},
        {u"x)", ReadProblem::UnexpectedClosingParenthesis, 1, 1},
        {u"sin x", ReadProblem::FunctionNeedsParenthesis, 4, 1},
        {u"sin", ReadProblem::FunctionNeedsParenthesis, 3, 0},
        {u"expx", ReadProblem::FunctionNeedsParenthesis, 3, 1},
        {u"foo(x)", ReadProblem::UnknownName, 0, 3},
        {u"xq", ReadProblem::UnknownName, 1, 1},
        {u"asinh(x)", ReadProblem::UnknownName, 4, 1},
        {u"X", ReadProblem::UnknownName, 0, 1},
        {u"2E", ReadProblem::UnknownName, 1, 1},
        {u"x2", ReadProblem::UnexpectedNumber, 1, 1},
        {u"x 2", ReadProblem::UnexpectedNumber, 2, 1},
        {u"(x+1)2", ReadProblem::UnexpectedNumber, 5, 1},
        {u"3..5", ReadProblem::MalformedNumber, 1, 1},
        {u"3.", ReadProblem::MalformedNumber, 1, 1},
        {u".", ReadProblem::MalformedNumber, 0, 1},
        {u"x + .e5", ReadProblem::MalformedNumber, 4, 1},
        {u"2.e5", ReadProblem::MalformedNumber, 1, 1},
        {u"3.5.2", ReadProblem::MalformedNumber, 3, 1},
        {u"1e5.5", ReadProblem::MalformedNumber, 3, 1},
        {u"x + 1e309", ReadProblem::NumberOutOfRange, 4, 5},
        {u"1e-400", ReadProblem::NumberOutOfRange, 0, 6},
        {u"2e-324", ReadProblem::NumberOutOfRange, 0, 6}, // under half the smallest double
        {u"x # y", ReadProblem::UnknownCharacter, 2, 1},
        {u"x\ny", ReadProblem::UnknownCharacter, 1, 1},
        {u"x \U0001F600", ReadProblem::UnknownCharacter, 2, 2},
        // Limits: the typed text, then its written-out form.
        {repeat(u"x", 1001), ReadProblem::TooLong, 1000, 1},
        {repeat(u"(", 20000), ReadProblem::TooLong, 1000, 19000},
        {repeat(u"-", 20000) + u"y", ReadProblem::TooLong, 1000, 19001},
        {repeat(u"(", 101) + u"x" + repeat(u")", 101), ReadProblem::TooDeep, 100, 1},
        {repeat(u"sin(", 101) + u"x" + repeat(u")", 101), ReadProblem::TooDeep, 403, 1},
        // ((x + x) + x) + …: the 102nd '+' nests 101 deep; so does the
        // product with the 103rd x, and the 102nd '^' from the right.
        {u"x" + repeat(u"+x", 102), ReadProblem::TooDeep, 203, 1},
        {repeat(u"x", 1000), ReadProblem::TooDeep, 102, 1},
        {repeat(u"2^", 150) + u"2", ReadProblem::TooDeep, 97, 1},
        // (x · y) + (x · y) + …, 12 units more for each term: the 84th
        // term passes 1000.
        {u"xy" + repeat(u"+xy", 83), ReadProblem::TooLong, 248, 1},
    };
    for (const auto& c : cases) {
        const auto read = OwnEquation::read(c.text);
        ASSERT_TRUE(std::holds_alternative<ReadError>(read)) << ascii(c.text);
        const ReadError& error = std::get<ReadError>(read);
        EXPECT_EQ(error.problem, c.problem) << ascii(c.text);
        EXPECT_EQ(error.position, c.position) << ascii(c.text);
        EXPECT_EQ(error.length, c.length) << ascii(c.text);
    }
}

TEST(OwnEquation, Values)
{
    const double big = 9007199254740992.0; // 2^53: adding 1 is lost, adding 3 rounds up
    const struct {
        std::u16string text;
        double x, y, expected;
    } cases[] = {
        {u"-y", 1, 0.0, -0.0},
        {u"+y", 1, -0.0, -0.0},
        {u"x+1+2", big, 0, big + 2},
        {u"x+(1+2)", big, 0, big + 4},
        {u"x/2y", 1, 4, 2},
        {u"x/(2y)", 1, 4, 0.125},
        {u"-x^2", 3, 0, -9},
        {u"(-x)^2", 3, 0, 9},
        {u"2^3^2", 0, 0, 512},
        {u"2^-1", 0, 0, 0.5},
        {u"y^3", 0, 0.3, 0x1.ba5e353f7ced8p-6}, // pow; 0.3 · 0.3 · 0.3 ends in ...d9
        {u"x - y - 1", 5, 3, 1},
        {u"x / y / 2", 8, 2, 2},
        {u"0.1 + 0.2", 0, 0, 0.30000000000000004},
        {u".5 + 1e-3 + 2.5E+4", 0, 0, 25000.501},
        {u"2e", 0, 0, 2 * M_E},
        {u"pie", 0, 0, M_PI * M_E},
        {u"pi x", 2, 0, M_PI * 2},
        {u"xy", 3, 5, 15},
        {u"(x + 1)(x - 1)", 3, 0, 8},
        {u"２ｘ", 3, 0, 6},
        {u"ｘ－ｙ", 5, 3, 2},
        {u"1/x", 0, 0, std::numeric_limits<double>::infinity()},
        {u"sin(x)", 0.5, 0, std::sin(0.5)},
        {u"cos(x)", 0.5, 0, std::cos(0.5)},
        {u"tan(x)", 0.5, 0, std::tan(0.5)},
        {u"asin(x)", 0.5, 0, std::asin(0.5)},
        {u"acos(x)", 0.5, 0, std::acos(0.5)},
        {u"atan(x)", 0.5, 0, std::atan(0.5)},
        {u"sinh(x)", 0.5, 0, std::sinh(0.5)},
        {u"cosh(x)", 0.5, 0, std::cosh(0.5)},
        {u"tanh(x)", 0.5, 0, std::tanh(0.5)},
        {u"exp(x)", 0.5, 0, std::exp(0.5)},
        {u"log(x)", 0.5, 0, std::log(0.5)},
        {u"ln(x)", 0.5, 0, std::log(0.5)},
        {u"sqrt(x)", 0.5, 0, std::sqrt(0.5)},
        {u"abs(x)", -0.5, 0, 0.5},
        // At the limits, and just inside them.
        {repeat(u"-", 900) + u"y", 0, 1, 1},
        {repeat(u"-", 899) + u"y", 0, 1, -1},
        {repeat(u"(", 100) + u"x" + repeat(u")", 100), 7, 0, 7},
        {repeat(u"x^", 101) + u"1", -1, 0, -1},
        {u"x" + repeat(u"+x", 101), 1, 0, 102},
        {u"xy" + repeat(u"+xy", 82), 1, 2, 166},
    };
    for (const auto& c : cases) {
        const double got = readable(c.text)(c.x, c.y);
        EXPECT_EQ(bits(got), bits(c.expected)) << ascii(c.text) << " gives " << got << ", not " << c.expected;
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
        const OwnEquation typed = readable(texts[number - 1]);
        for (const double x : points)
            for (const double y : points)
                ASSERT_EQ(bits(typed(x, y)), bits(f(number, x, y)))
                    << "equation " << number << " at x = " << x << ", y = " << y;
    }
}

TEST(OwnEquation, SameProgram)
{
    const struct {
        std::u16string_view a, b;
        bool same;
    } cases[] = {
        {u"- y", u"−ｙ", true},
        {u"log(x)", u"ln(x)", true},
        {u"2x", u"2 * (x)", true},
        {u"+x", u"x", true},
        {u"x+1+2", u"x+(1+2)", false},
        {u"x+3", u"x+(1+2)", false},
        {u"y^3", u"yyy", false},
        {u"--y", u"y", false},
        {u"0.1", u"0.10000000000000001", true}, // the same double
        {u"0.1", u"0.1000000000000001", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(readable(c.a) == readable(c.b), c.same) << ascii(c.a) << " vs " << ascii(c.b);
}

} // namespace
} // namespace rk
