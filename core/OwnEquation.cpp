#include "core/OwnEquation.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <numbers>
#include <system_error>

namespace rk {
namespace {

using Op = OwnEquation::Op;
using Instruction = OwnEquation::Instruction;

struct Name {
    std::string_view text;
    Op op;
};

// The writer takes the first name of an operation, so ln comes before log:
// log alone could be taken for the base-10 logarithm.
constexpr Name kNames[] = {
    {"x", Op::X},       {"y", Op::Y},       {"pi", Op::Pi},     {"e", Op::E},       {"sin", Op::Sin},
    {"cos", Op::Cos},   {"tan", Op::Tan},   {"asin", Op::Asin}, {"acos", Op::Acos}, {"atan", Op::Atan},
    {"sinh", Op::Sinh}, {"cosh", Op::Cosh}, {"tanh", Op::Tanh}, {"exp", Op::Exp},   {"ln", Op::Log},
    {"log", Op::Log},   {"sqrt", Op::Sqrt}, {"abs", Op::Abs},
};

std::string_view nameOf(Op op)
{
    return std::find_if(std::begin(kNames), std::end(kNames), [&](const Name& n) { return n.op == op; })->text;
}

bool isFunction(Op op) { return op >= Op::Sin; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// One UTF-16 unit as the ASCII character it stands for. Every rule of the
// reader works on ASCII, and folding unit by unit keeps the positions those
// of the typed text. Blanks become ' ', what the reader cannot use '\x7f'.
char fold(char16_t u)
{
    if (u == u'\t' || u == u'\u3000')
        return ' ';
    if (u >= 0x20 && u < 0x7f)
        return static_cast<char>(u);
    if (u >= 0xFF01 && u <= 0xFF5E) // full-width forms
        return static_cast<char>(u - 0xFF01 + 0x21);
    switch (u) {
    case u'\u00B7': case u'\u22C5': case u'\u00D7': return '*';
    case u'\u2212': return '-';
    case u'\u00F7': return '/';
    default: return '\x7f';
    }
}

// The first seven in the order of kSymbols.
enum class Kind { Plus, Minus, Times, Divide, Caret, Open, Close, Number, Name, End };
constexpr std::string_view kSymbols = "+-*/^()";

struct Token {
    Kind kind;
    std::size_t position;
    std::size_t length;
    double number = 0;  // for a Number
    Op op = Op::Number; // for a Name
};

[[noreturn]] void fail(ReadProblem problem, std::size_t position, std::size_t length)
{
    throw ReadError{problem, position, length};
}
[[noreturn]] void fail(ReadProblem problem, const Token& at) { fail(problem, at.position, at.length); }

// One operand or result while a program is written out as readAs() shows it.
// Its shape decides whether it needs parentheses as an operand; a function
// call brings its own, so it counts as a leaf.
struct Written {
    enum Shape { Leaf, Unary, Binary };
    std::string text;  // UTF-8
    std::size_t units; // its length in UTF-16 units
    int depth;         // of its parentheses
    Shape shape;

    void enclose()
    {
        text = "(" + text + ")";
        units += 2;
        ++depth;
    }
};

// Writes one instruction, its operands taken from the stack.
void write(std::vector<Written>& stack, const Instruction& in)
{
    if (in.op == Op::Number) {
        std::array<char, 32> digits; // the shortest that read back to the same double
        const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), in.number).ptr;
        const std::string text(digits.data(), end);
        stack.push_back({text, text.size(), 0, Written::Leaf});
    } else if (in.op <= Op::E) { // a name
        stack.push_back({std::string(nameOf(in.op)), nameOf(in.op).size(), 0, Written::Leaf});
    } else if (in.op == Op::Negate) {
        Written& w = stack.back();
        if (w.shape == Written::Binary)
            w.enclose();
        w.text.insert(0, "\u2212");
        w.units += 1;
        w.shape = Written::Unary;
    } else if (isFunction(in.op)) {
        Written& w = stack.back();
        w.enclose();
        w.text.insert(0, nameOf(in.op));
        w.units += nameOf(in.op).size();
        w.shape = Written::Leaf;
    } else {
        Written right = std::move(stack.back());
        stack.pop_back();
        Written& left = stack.back();
        // Every operation that is an operand of a binary one is in
        // parentheses, a negation too: (−2) · x, 2^(−1).
        if (left.shape != Written::Leaf)
            left.enclose();
        if (right.shape != Written::Leaf)
            right.enclose();
        const std::string_view sign = in.op == Op::Add        ? " + "
                                      : in.op == Op::Subtract ? " \u2212 "
                                      : in.op == Op::Multiply ? " \u00B7 "
                                      : in.op == Op::Divide   ? " / "
                                                              : "^";
        left.text += sign;
        left.text += right.text;
        left.units += (in.op == Op::Power ? 1 : 3) + right.units;
        left.depth = std::max(left.depth, right.depth);
        left.shape = Written::Binary;
    }
}

// Recursive descent, one token ahead; errors are thrown and caught in read().
// Only parentheses recurse, and their depth is checked before they do;
// chains of signs and of '^' are read in loops.
class Reader {
public:
    explicit Reader(std::u16string_view text) : text_(text) {}

    void readAll()
    {
        advance();
        if (token_.kind == Kind::End)
            fail(ReadProblem::Empty, token_);
        expression();
        if (token_.kind == Kind::Close) // an expression stops only there or at the end
            fail(ReadProblem::UnexpectedClosingParenthesis, token_);
    }

    std::vector<Instruction> program;

private:
    char at(std::size_t i) const { return i < text_.size() ? fold(text_[i]) : '\0'; }

    // The written-out form is longer than the typed text and, as x+x+x…
    // nests to the left, can be deeper. A text whose form could not be read
    // back is refused where that form passes a limit.
    void emit(Op op, const Token& from, double number = 0)
    {
        program.push_back({op, number});
        write(written_, program.back());
        if (written_.back().units > kMaxOwnEquationLength)
            fail(ReadProblem::TooLong, from);
        if (written_.back().depth > kMaxParenthesisDepth)
            fail(ReadProblem::TooDeep, from);
    }

    void advance()
    {
        while (at(pos_) == ' ')
            ++pos_;
        const std::size_t start = pos_;
        const char c = at(start);
        if (start == text_.size()) {
            token_ = {Kind::End, start, 0};
        } else if (isDigit(c) || c == '.') {
            token_ = number();
        } else if (isLetter(c)) {
            token_ = name();
        } else if (const auto symbol = kSymbols.find(c); symbol != std::string_view::npos) {
            token_ = {static_cast<Kind>(symbol), start, 1};
            ++pos_;
        } else { // a character outside the Basic Multilingual Plane is marked whole
            const bool pair = start + 1 < text_.size() && text_[start] >= 0xD800 && text_[start] <= 0xDBFF &&
                              text_[start + 1] >= 0xDC00 && text_[start + 1] <= 0xDFFF;
            fail(ReadProblem::UnknownCharacter, start, pair ? 2 : 1);
        }
    }

    // from_chars takes the longest number here, rounded to nearest at any
    // length: digits, a point, and an exponent only with its digits (2e is 2
    // times the constant e). It would also take 3. and would leave the second
    // point of 3.5.2 to the next token, so the points are checked after it.
    Token number()
    {
        const std::size_t start = pos_;
        std::string ascii;
        for (std::size_t i = start; std::string_view("0123456789.eE+-").find(at(i)) != std::string_view::npos; ++i)
            ascii += at(i);
        double value = 0;
        const auto [end, problem] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
        pos_ = start + static_cast<std::size_t>(end - ascii.data());
        for (std::size_t i = start; i <= pos_; ++i)
            if (at(i) == '.' && (i == pos_ || !isDigit(at(i + 1))))
                fail(ReadProblem::MalformedNumber, i, 1);
        // A number that would round to 0 is refused like one too large for a
        // double, rather than silently read as 0.
        if (problem != std::errc())
            fail(ReadProblem::NumberOutOfRange, start, pos_ - start);
        return {Kind::Number, start, pos_ - start, value};
    }

    // The longest known name at the start of the run of letters here.
    Token name()
    {
        std::string letters;
        for (std::size_t i = pos_; isLetter(at(i)); ++i)
            letters += at(i);
        const Name* longest = nullptr;
        for (const Name& n : kNames)
            if (letters.starts_with(n.text) && (!longest || n.text.size() > longest->text.size()))
                longest = &n;
        if (!longest)
            fail(ReadProblem::UnknownName, pos_, letters.size());
        pos_ += longest->text.size();
        return {Kind::Name, pos_ - longest->text.size(), longest->text.size(), 0, longest->op};
    }

    void expression()
    {
        term();
        while (token_.kind == Kind::Plus || token_.kind == Kind::Minus) {
            const Token sign = token_;
            advance();
            term();
            emit(sign.kind == Kind::Plus ? Op::Add : Op::Subtract, sign);
        }
    }

    void term()
    {
        signedPower();
        for (;;) {
            const Token next = token_;
            if (next.kind == Kind::Times || next.kind == Kind::Divide) {
                advance();
                signedPower();
                emit(next.kind == Kind::Times ? Op::Multiply : Op::Divide, next);
            } else if (next.kind == Kind::Name || next.kind == Kind::Open) {
                power(); // a product without '*'
                emit(Op::Multiply, next);
            } else if (next.kind == Kind::Number) {
                fail(ReadProblem::UnexpectedNumber, next);
            } else {
                return;
            }
        }
    }

    // The minus signs of a run of unary signs; a plus does nothing.
    std::vector<Token> signs()
    {
        std::vector<Token> minuses;
        for (; token_.kind == Kind::Plus || token_.kind == Kind::Minus; advance())
            if (token_.kind == Kind::Minus)
                minuses.push_back(token_);
        return minuses;
    }

    void negate(const std::vector<Token>& minuses)
    {
        for (auto m = minuses.rbegin(); m != minuses.rend(); ++m)
            emit(Op::Negate, *m);
    }

    // -x^2 is -(x^2): the signs apply to the whole power.
    void signedPower()
    {
        const std::vector<Token> minuses = signs();
        power();
        negate(minuses);
    }

    // a^-b^c is a^(-(b^c)). The operands are emitted as they come; the
    // operations wait for the last one and are then emitted innermost first.
    void power()
    {
        primary();
        struct Pending { Token caret; std::vector<Token> minuses; };
        std::vector<Pending> pending;
        while (token_.kind == Kind::Caret) {
            const Token caret = token_;
            advance();
            pending.push_back({caret, signs()});
            primary();
        }
        for (auto p = pending.rbegin(); p != pending.rend(); ++p) {
            negate(p->minuses);
            emit(Op::Power, p->caret);
        }
    }

    void primary()
    {
        const Token t = token_;
        if (t.kind == Kind::Number) {
            emit(Op::Number, t, t.number);
            advance();
        } else if (t.kind == Kind::Name && !isFunction(t.op)) {
            emit(t.op, t);
            advance();
        } else if (t.kind == Kind::Name) {
            advance();
            if (token_.kind != Kind::Open)
                fail(ReadProblem::FunctionNeedsParenthesis, token_);
            parenthesised();
            emit(t.op, t);
        } else if (t.kind == Kind::Open) {
            parenthesised();
        } else if (t.kind == Kind::Close && depth_ == 0) {
            fail(ReadProblem::UnexpectedClosingParenthesis, t);
        } else { // an operator, a ')' or the end of the text
            fail(ReadProblem::MissingOperand, t);
        }
    }

    void parenthesised()
    {
        if (depth_ == kMaxParenthesisDepth)
            fail(ReadProblem::TooDeep, token_);
        ++depth_;
        advance();
        expression();
        if (token_.kind != Kind::Close)
            fail(ReadProblem::MissingClosingParenthesis, token_);
        --depth_;
        advance();
    }

    std::u16string_view text_;
    std::size_t pos_ = 0;
    Token token_{Kind::End, 0, 0};
    int depth_ = 0;
    std::vector<Written> written_;
};

} // namespace

std::variant<OwnEquation, ReadError> OwnEquation::read(std::u16string_view text)
{
    if (text.size() > kMaxOwnEquationLength)
        return ReadError{ReadProblem::TooLong, kMaxOwnEquationLength, text.size() - kMaxOwnEquationLength};
    Reader reader(text);
    try {
        reader.readAll();
    } catch (const ReadError& error) {
        return error;
    }
    return OwnEquation(std::move(reader.program));
}

std::string OwnEquation::readAs() const
{
    std::vector<Written> stack;
    for (const Instruction& in : program_)
        write(stack, in);
    return stack.back().text;
}

double OwnEquation::operator()(double x, double y) const noexcept
{
    // Every value on the stack stems from its own number or name in the
    // text, which is at most kMaxOwnEquationLength units long.
    std::array<double, kMaxOwnEquationLength> stack;
    double* next = stack.data(); // where the next value goes; next[-1] is the last
    for (const Instruction& in : program_) {
        switch (in.op) {
        case Op::Number: *next++ = in.number; break;
        case Op::X: *next++ = x; break;
        case Op::Y: *next++ = y; break;
        case Op::Pi: *next++ = std::numbers::pi; break;
        case Op::E: *next++ = std::numbers::e; break;
        case Op::Add: --next; next[-1] = next[-1] + next[0]; break;
        case Op::Subtract: --next; next[-1] = next[-1] - next[0]; break;
        case Op::Multiply: --next; next[-1] = next[-1] * next[0]; break;
        case Op::Divide: --next; next[-1] = next[-1] / next[0]; break;
        case Op::Power: --next; next[-1] = std::pow(next[-1], next[0]); break;
        case Op::Negate: next[-1] = -next[-1]; break;
        case Op::Sin: next[-1] = std::sin(next[-1]); break;
        case Op::Cos: next[-1] = std::cos(next[-1]); break;
        case Op::Tan: next[-1] = std::tan(next[-1]); break;
        case Op::Asin: next[-1] = std::asin(next[-1]); break;
        case Op::Acos: next[-1] = std::acos(next[-1]); break;
        case Op::Atan: next[-1] = std::atan(next[-1]); break;
        case Op::Sinh: next[-1] = std::sinh(next[-1]); break;
        case Op::Cosh: next[-1] = std::cosh(next[-1]); break;
        case Op::Tanh: next[-1] = std::tanh(next[-1]); break;
        case Op::Exp: next[-1] = std::exp(next[-1]); break;
        case Op::Log: next[-1] = std::log(next[-1]); break;
        case Op::Sqrt: next[-1] = std::sqrt(next[-1]); break;
        case Op::Abs: next[-1] = std::fabs(next[-1]); break;
        }
    }
    return stack[0];
}

} // namespace rk
