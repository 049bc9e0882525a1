#pragma once
// An equation y' = f(x, y) that the user types: read once into a flat
// program, then evaluated at every step of a run.
//
// The language: numbers (2, 0.5, .5, 1e-3), x and y, the constants pi and e,
// + - * / ^ with the usual ranks (^ groups to the right and binds tighter
// than a unary sign), parentheses, and the functions sin cos tan asin acos
// atan sinh cosh tanh exp log ln sqrt abs, whose argument is always in
// parentheses (log and ln are both the natural log). A product may leave out
// its '*' when the right factor starts with a letter or '(': 4x, xcos(4x),
// (x + 1)(x - 1). A run of letters splits into the longest known names from
// the left, so xy is x times y and pie is pi times e. Names are lower case.
// Blanks, full-width forms from a Japanese input method and the signs that
// readAs() writes read as their ASCII counterparts. The way a learner writes
// on paper reads too: x² and x³ as x^2 and x^3, √(x) as sqrt(x), and a
// leading "y' =" or "dy/dx =" is passed over, as the editor shows it already.

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace rk {

// Why a text cannot be read; the window words it in the user's language.
enum class ReadProblem {
    Empty,
    TooLong, // without the blanks around it
    TooDeep, // parentheses nested too deep
    UnknownCharacter,
    UnknownName,
    UnknownVariable, // a letter standing alone, as t in 2ty
    UpperCaseName,   // a known name typed in capitals, as Sin or PI: marks the name
    PowerWithStars,  // ** for a power
    DecimalComma,    // 0,5
    PowerOfFunction, // cos^2(x): marks the name and the ^
    MalformedNumber,  // a point not followed by a digit, or a second point
    NumberOutOfRange, // too large for a double, or so small it would be 0
    MissingOperand,
    MissingClosingParenthesis,
    UnexpectedClosingParenthesis,
    FunctionNeedsParenthesis,
    UnexpectedNumber, // a number right after an operand, as in x2 or (x + 1)2
};

struct ReadError {
    ReadProblem problem;
    std::size_t position; // index into the typed UTF-16 text where it goes wrong (end of text when it ends too early)
    std::size_t length;   // how many UTF-16 units to mark, at least 1 unless at the end
};

inline constexpr std::size_t kMaxOwnEquationLength = 1000; // UTF-16 units
inline constexpr int kMaxParenthesisDepth = 100;

class OwnEquation {
public:
    // `text` is UTF-16 so that error positions are a line edit's cursor positions.
    static std::variant<OwnEquation, ReadError> read(std::u16string_view text);
    // Reads what readAs() wrote, which may be longer and nest deeper than a
    // typed text may; its nesting is still bounded, by the size of a program.
    static std::variant<OwnEquation, ReadError> readWritten(std::u16string_view text);

    // The slope at (x, y): one IEEE double operation at a time, in the order
    // the text reads, nothing regrouped or folded.
    double operator()(double x, double y) const noexcept;
    // True when a value on the way to the slope at (x, y) is infinite: a
    // slope that is not a number then grew too large, rather than having no
    // value as sqrt(-1) has none.
    bool overflowsAt(double x, double y) const noexcept;

    // The equation in UTF-8 with every product explicit and every nested
    // operation in parentheses, e.g. "(x · cos(4 · x)) − y". Reading it back
    // gives the same program.
    std::string readAs() const;

    bool operator==(const OwnEquation&) const = default; // same program

    // The program: postfix, each instruction takes its operands off a stack
    // of values and puts its result back. An operation is an entry of the
    // reader's table, which is all the language knows.
    struct Operation;
    struct Instruction {
        const Operation* operation;
        double number; // the value of a number, 0 for the others
        bool operator==(const Instruction&) const = default;
    };

private:
    explicit OwnEquation(std::vector<Instruction> program) : program_(std::move(program)) {}
    static std::variant<OwnEquation, ReadError> read(std::u16string_view text, std::size_t from, int maxDepth);

    std::vector<Instruction> program_;
};

// The names the reader knows, for messages, in the order of its table.
struct KnownNames {
    std::vector<std::string_view> values, functions;
};
KnownNames knownNames();

// The part of a typed text that is f(x, y): without the blanks around it and
// a leading "y' =" or "dy/dx =". A view into `typed`.
std::u16string_view rightHandSide(std::u16string_view typed);

// An own equation as the equation list shows it: the right-hand side as
// typed, in UTF-8, and what it reads as.
struct TypedEquation {
    std::string text;
    OwnEquation program;
    // As the list shows it, like the built-in texts.
    std::string listText() const { return "y' = " + text; }
};

} // namespace rk
