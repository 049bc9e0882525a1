#include "equations/OwnEquation.h"

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

bool isLeaf(Op op) { return op <= Op::E; }
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

enum class Kind { Number, Name, Plus, Minus, Times, Divide, Caret, Open, Close, End };

struct Token {
    Kind kind;
    std::size_t position;
    std::size_t length;
    double number = 0; // for a Number
    Op op = Op::Number; // for a Name
};

// Recursive descent, one token ahead. Errors are thrown as ReadError and
// caught in read(). Only parentheses recurse, and they are counted before
// they do; chains of signs and of '^' are read in loops.
class Reader {
public:
    explicit Reader(std::u16string_view text) : text_(text) {}

    void readAll()
    {
        advance();
        if (token_.kind == Kind::End)
            fail(ReadProblem::Empty, token_);
        expression();
        // An expression stops only at the end or at a ')'.
        if (token_.kind == Kind::Close)
            fail(ReadProblem::UnexpectedClosingParenthesis, token_);
    }

    std::vector<Instruction> program;
    std::vector<Token> sources; // the token each instruction came from

private:
    [[noreturn]] static void fail(ReadProblem problem, std::size_t position, std::size_t length)
    {
        throw ReadError{problem, position, length};
    }
    [[noreturn]] static void fail(ReadProblem problem, const Token& at) { fail(problem, at.position, at.length); }

    char at(std::size_t i) const { return i < text_.size() ? fold(text_[i]) : '\0'; }

    void emit(Op op, const Token& from, double number = 0)
    {
        program.push_back({op, number});
        sources.push_back(from);
    }

    void advance()
    {
        while (at(pos_) == ' ')
            ++pos_;
        const std::size_t start = pos_;
        const char c = at(start);
        if (start == text_.size())
            token_ = {Kind::End, start, 0};
        else if (isDigit(c) || c == '.')
            token_ = number();
        else if (isLetter(c))
            token_ = name();
        else {
            token_ = {symbol(c), start, 1};
            ++pos_;
        }
    }

    Kind symbol(char c) const
    {
        switch (c) {
        case '+': return Kind::Plus;
        case '-': return Kind::Minus;
        case '*': return Kind::Times;
        case '/': return Kind::Divide;
        case '^': return Kind::Caret;
        case '(': return Kind::Open;
        case ')': return Kind::Close;
        }
        // A character outside the Basic Multilingual Plane is marked whole.
        const bool pair = pos_ + 1 < text_.size() && text_[pos_] >= 0xD800 && text_[pos_] <= 0xDBFF &&
                          text_[pos_ + 1] >= 0xDC00 && text_[pos_ + 1] <= 0xDFFF;
        fail(ReadProblem::UnknownCharacter, pos_, pair ? 2 : 1);
    }

    void skipDigits()
    {
        while (isDigit(at(pos_)))
            ++pos_;
    }

    Token number()
    {
        const std::size_t start = pos_;
        skipDigits();
        if (at(pos_) == '.') {
            if (!isDigit(at(pos_ + 1)))
                fail(ReadProblem::MalformedNumber, pos_, 1);
            ++pos_;
            skipDigits();
        }
        // Without a digit after it, the e is the constant: 2e is 2 times e.
        if (at(pos_) == 'e' || at(pos_) == 'E') {
            std::size_t digit = pos_ + 1;
            if (at(digit) == '+' || at(digit) == '-')
                ++digit;
            if (isDigit(at(digit))) {
                pos_ = digit;
                skipDigits();
            }
        }
        if (at(pos_) == '.') // a second point, as in 3.5.2
            fail(ReadProblem::MalformedNumber, pos_, 1);

        std::string ascii;
        for (std::size_t i = start; i < pos_; ++i)
            ascii += at(i);
        // from_chars rounds to nearest at any length. It reports a number that
        // would round to 0 as out of range too; that one is refused like an
        // overflow rather than silently read as 0.
        double value = 0;
        if (std::from_chars(ascii.data(), ascii.data() + ascii.size(), value).ec != std::errc())
            fail(ReadProblem::NumberOutOfRange, start, pos_ - start);
        return {Kind::Number, start, pos_ - start, value};
    }

    Token name()
    {
        const std::size_t start = pos_;
        const Name* longest = nullptr;
        for (const Name& n : kNames) {
            bool matches = true;
            for (std::size_t i = 0; i < n.text.size() && matches; ++i)
                matches = at(start + i) == n.text[i];
            if (matches && (!longest || n.text.size() > longest->text.size()))
                longest = &n;
        }
        if (!longest) {
            std::size_t end = start;
            while (isLetter(at(end)))
                ++end;
            fail(ReadProblem::UnknownName, start, end - start);
        }
        pos_ += longest->text.size();
        return {Kind::Name, start, longest->text.size(), 0, longest->op};
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

    // The minus signs in a run of unary signs; a plus does nothing.
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
        struct Pending {
            Token caret;
            std::vector<Token> minuses;
        };
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
        switch (t.kind) {
        case Kind::Number:
            emit(Op::Number, t, t.number);
            advance();
            return;
        case Kind::Name:
            advance();
            if (!isFunction(t.op)) {
                emit(t.op, t);
                return;
            }
            if (token_.kind != Kind::Open)
                fail(ReadProblem::FunctionNeedsParenthesis, token_);
            parenthesised();
            emit(t.op, t);
            return;
        case Kind::Open:
            parenthesised();
            return;
        case Kind::Close:
            fail(depth_ == 0 ? ReadProblem::UnexpectedClosingParenthesis : ReadProblem::MissingOperand, t);
        default: // an operator or the end of the text
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
};

// One operand or result while a program is written out.
struct Written {
    enum Shape { Leaf, Unary, Binary };
    std::string text; // UTF-8
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

struct WrittenOut {
    std::string text;
    std::size_t past; // the instruction where the text passes the limits, or the program's size
    ReadProblem problem;
};

std::string_view nameOf(Op op)
{
    return std::find_if(std::begin(kNames), std::end(kNames), [&](const Name& n) { return n.op == op; })->text;
}

Written leaf(const Instruction& in)
{
    if (in.op != Op::Number)
        return {std::string(nameOf(in.op)), nameOf(in.op).size(), 0, Written::Leaf};
    std::array<char, 32> digits; // the shortest that reads back to the same double
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), in.number).ptr;
    const std::string text(digits.data(), end);
    return {text, text.size(), 0, Written::Leaf};
}

// Writes the program as readAs() shows it. A text that read() could not
// read back is not finished: it stops at the instruction that passes a limit.
WrittenOut writeOut(const std::vector<Instruction>& program)
{
    std::vector<Written> stack;
    for (std::size_t i = 0; i < program.size(); ++i) {
        const Op op = program[i].op;
        Written w;
        if (isLeaf(op)) {
            w = leaf(program[i]);
        } else if (op == Op::Negate) {
            w = std::move(stack.back());
            stack.pop_back();
            if (w.shape == Written::Binary)
                w.enclose();
            w.text.insert(0, "\u2212");
            w.units += 1;
            w.shape = Written::Unary;
        } else if (isFunction(op)) {
            w = std::move(stack.back());
            stack.pop_back();
            w.enclose();
            const std::string_view name = nameOf(op);
            w.text.insert(0, name);
            w.units += name.size();
            w.shape = Written::Leaf;
        } else {
            Written right = std::move(stack.back());
            stack.pop_back();
            w = std::move(stack.back());
            stack.pop_back();
            // Every operation that is an operand of a binary one is in
            // parentheses, a negation too: (−2) · x, 2^(−1).
            if (w.shape != Written::Leaf)
                w.enclose();
            if (right.shape != Written::Leaf)
                right.enclose();
            const std::string_view sign = op == Op::Add        ? " + "
                                          : op == Op::Subtract ? " \u2212 "
                                          : op == Op::Multiply ? " \u00B7 "
                                          : op == Op::Divide   ? " / "
                                                               : "^";
            w.text += sign;
            w.text += right.text;
            w.units += (op == Op::Power ? 1 : 3) + right.units;
            w.depth = std::max(w.depth, right.depth);
            w.shape = Written::Binary;
        }
        if (w.units > kMaxOwnEquationLength)
            return {{}, i, ReadProblem::TooLong};
        if (w.depth > kMaxParenthesisDepth)
            return {{}, i, ReadProblem::TooDeep};
        stack.push_back(std::move(w));
    }
    return {std::move(stack.back().text), program.size(), ReadProblem::Empty};
}

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
    // The written-out form can be longer and deeper than the typed text
    // (x+x+x… nests to the left); a text whose form could not be read back
    // is refused where that form passes the limit.
    const WrittenOut out = writeOut(reader.program);
    if (out.past < reader.program.size()) {
        const Token& at = reader.sources[out.past];
        return ReadError{out.problem, at.position, at.length};
    }
    return OwnEquation(std::move(reader.program));
}

std::string OwnEquation::readAs() const { return writeOut(program_).text; }

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
