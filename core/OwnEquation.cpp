#include "core/OwnEquation.h"

#include "core/TextFold.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <optional>
#include <system_error>
#include <utility>

namespace rk {

using Operation = OwnEquation::Operation;
using Instruction = OwnEquation::Instruction;

struct OwnEquation::Operation {
    // What it takes from the stack: a number or a value nothing, a function
    // or a sign its argument, an infix its two operands.
    enum class Form : std::uint8_t { Number, Value, Function, Sign, Infix };
    std::string_view text;    // as typed
    std::string_view written; // as readAs() writes it
    Form form;
    int rank = 0; // of a sign or an infix: the higher binds tighter
    bool groupsRight = false;
    // A value's from (x, y), a function's or a sign's from (a, 0), an
    // infix's from (a, b); none for a number or a sign that changes nothing.
    double (*apply)(double, double) = nullptr;
};

namespace {

using Form = Operation::Form;

// A unary sign binds tighter than a product and looser than a power:
// -2x is (-2) · x, -x^2 is -(x^2), 2^-1 is 2^(-1). A name reads as the entry
// of the name it is written as.
constexpr Operation kOperations[] = {
    {"", "", Form::Number}, // its value is the instruction's own; readAs() writes the shortest digits
    {"+", " + ", Form::Infix, 1, false, [](double a, double b) { return a + b; }},
    {"-", " \u2212 ", Form::Infix, 1, false, [](double a, double b) { return a - b; }},
    {"*", " \u00B7 ", Form::Infix, 2, false, [](double a, double b) { return a * b; }},
    {"/", " / ", Form::Infix, 2, false, [](double a, double b) { return a / b; }},
    {"+", "", Form::Sign, 3},
    {"-", "\u2212", Form::Sign, 3, false, [](double a, double) { return -a; }},
    {"^", "^", Form::Infix, 4, true, [](double a, double b) { return std::pow(a, b); }},
    {"x", "x", Form::Value, 0, false, [](double x, double) { return x; }},
    {"y", "y", Form::Value, 0, false, [](double, double y) { return y; }},
    {"pi", "pi", Form::Value, 0, false, [](double, double) { return std::numbers::pi; }},
    {"e", "e", Form::Value, 0, false, [](double, double) { return std::numbers::e; }},
    {"sin", "sin", Form::Function, 0, false, [](double a, double) { return std::sin(a); }},
    {"cos", "cos", Form::Function, 0, false, [](double a, double) { return std::cos(a); }},
    {"tan", "tan", Form::Function, 0, false, [](double a, double) { return std::tan(a); }},
    {"asin", "asin", Form::Function, 0, false, [](double a, double) { return std::asin(a); }},
    {"acos", "acos", Form::Function, 0, false, [](double a, double) { return std::acos(a); }},
    {"atan", "atan", Form::Function, 0, false, [](double a, double) { return std::atan(a); }},
    {"sinh", "sinh", Form::Function, 0, false, [](double a, double) { return std::sinh(a); }},
    {"cosh", "cosh", Form::Function, 0, false, [](double a, double) { return std::cosh(a); }},
    {"tanh", "tanh", Form::Function, 0, false, [](double a, double) { return std::tanh(a); }},
    {"exp", "exp", Form::Function, 0, false, [](double a, double) { return std::exp(a); }},
    {"ln", "ln", Form::Function, 0, false, [](double a, double) { return std::log(a); }},
    {"log", "ln", Form::Function}, // written out, log could be taken for the base-10 logarithm
    {"sqrt", "sqrt", Form::Function, 0, false, [](double a, double) { return std::sqrt(a); }},
    {"abs", "abs", Form::Function, 0, false, [](double a, double) { return std::fabs(a); }},
};
constexpr const Operation& kNumber = kOperations[0];

// Every value on the evaluator's stack stems from its own number or name in
// a typed text, so no typed text needs more; the reader refuses a written
// one that would.
constexpr std::size_t kStackSize = kMaxOwnEquationLength;
// Each pair of parentheses that readAs() writes encloses an operation of its
// own whose operands are further characters of the typed text.
constexpr int kMaxWrittenDepth = static_cast<int>(kMaxOwnEquationLength);

const Operation* find(std::string_view text, Form form)
{
    const auto* found = std::find_if(std::begin(kOperations), std::end(kOperations),
                                     [&](const Operation& o) { return o.form == form && o.text == text; });
    return found == std::end(kOperations) ? nullptr : found;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// The longest known name that `letters` starts with.
const Operation* longestName(std::string_view letters)
{
    const Operation* longest = nullptr;
    for (const Operation& o : kOperations)
        if ((o.form == Form::Value || o.form == Form::Function) && letters.starts_with(o.text) &&
            (!longest || o.text.size() > longest->text.size()))
            longest = &o;
    return longest;
}

// Whether `letters` read as known names from the left, as the reader splits them.
bool splitsIntoNames(std::string_view letters)
{
    while (!letters.empty()) {
        const Operation* name = longestName(letters);
        if (!name)
            return false;
        letters.remove_prefix(name->text.size());
    }
    return true;
}

// A symbol is a sign or an infix; '(' and ')' only group.
enum class Kind { Symbol, Open, Close, Number, Name, End };

struct Token {
    Kind kind;
    std::size_t position;
    std::size_t length;
    double number = 0;                    // of a Number
    const Operation* operation = nullptr; // what a Number or a Name reads as, a Symbol as an infix
    const Operation* sign = nullptr;      // what a Symbol reads as before an operand
};

[[noreturn]] void fail(ReadProblem problem, std::size_t position, std::size_t length)
{
    throw ReadError{problem, position, length};
}
[[noreturn]] void fail(ReadProblem problem, const Token& at) { fail(problem, at.position, at.length); }

// One operand or result while a program is written out as readAs() shows it.
// The form of its outermost operation decides whether it needs parentheses
// as an operand.
struct Written {
    std::string text; // UTF-8
    Form form = Form::Value;
};

std::string shortestDigits(double number) // that read back to the same double
{
    std::array<char, 32> digits;
    return {digits.data(), std::to_chars(digits.data(), digits.data() + digits.size(), number).ptr};
}

// Writes one instruction, its operands taken from the stack. A function's
// argument is in parentheses, and so is every operation that is an operand
// of an infix, a negation too: (−2) · x, 2^(−1).
void write(std::vector<Written>& stack, const Instruction& in)
{
    const Operation& op = *in.operation;
    if (op.form == Form::Number || op.form == Form::Value) {
        const std::string text = op.form == Form::Number ? shortestDigits(in.number) : std::string(op.written);
        stack.push_back({text, op.form});
        return;
    }
    const auto operand = [&] {
        Written w = std::move(stack.back());
        stack.pop_back();
        if (op.form == Form::Function || w.form == Form::Infix || (op.form == Form::Infix && w.form == Form::Sign))
            w = {"(" + w.text + ")", w.form};
        return w;
    };
    const Written right = operand();
    Written left = op.form == Form::Infix ? operand() : Written{}; // a sign or a function has none
    left.text.append(op.written).append(right.text);
    left.form = op.form;
    stack.push_back(std::move(left));
}

// Operator precedence over kOperations, one token ahead; errors are thrown
// and caught in read(). Only parentheses recurse, and their depth is checked
// before they do; within them the operations wait on a stack of their own.
class Reader {
public:
    // Reads from `from` on; parentheses may nest `maxDepth` deep.
    Reader(std::u16string_view text, std::size_t from, int maxDepth) : text_(text), pos_(from), maxDepth_(maxDepth) {}

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
    char at(std::size_t i) const { return i < text_.size() ? foldToAscii(text_[i]) : '\0'; }

    void emit(const Operation& op, const Token& from, double number = 0)
    {
        program.push_back({&op, number});
        if (op.form == Form::Number || op.form == Form::Value)
            ++values_;
        else if (op.form == Form::Infix)
            --values_;
        if (values_ > kStackSize)
            fail(ReadProblem::TooLong, from);
    }

    void advance()
    {
        if (pending_) {
            token_ = *pending_;
            pending_.reset();
            return;
        }
        while (at(pos_) == ' ')
            ++pos_;
        const std::size_t start = pos_;
        const char c = at(start);
        if (start == text_.size()) {
            token_ = {Kind::End, start, 0};
        } else if (text_[start] == u'\u00B2' || text_[start] == u'\u00B3') {
            // x² is x^2: the power and its exponent both stand at the ², so
            // that the exponent binds as a typed one would.
            token_ = {Kind::Symbol, start, 1, 0, find("^", Form::Infix)};
            pending_ = Token{Kind::Number, start, 1, text_[start] == u'\u00B2' ? 2.0 : 3.0, &kNumber};
            ++pos_;
        } else if (text_[start] == u'\u221A') { // √, which takes its argument in parentheses as sqrt does
            token_ = {Kind::Name, start, 1, 0, find("sqrt", Form::Function)};
            ++pos_;
        } else if (isDigit(c) || c == '.') {
            token_ = number();
        } else if (isLetter(c)) {
            token_ = name();
        } else if (c == '(' || c == ')') {
            token_ = {c == '(' ? Kind::Open : Kind::Close, start, 1};
            ++pos_;
        } else if (c == '*' && at(start + 1) == '*') {
            fail(ReadProblem::PowerWithStars, start, 2);
        } else if (const Operation *infix = find({&c, 1}, Form::Infix), *sign = find({&c, 1}, Form::Sign); infix || sign) {
            token_ = {Kind::Symbol, start, 1, 0, infix, sign};
            ++pos_;
        } else if (c == ',' && start > 0 && isDigit(at(start - 1)) && isDigit(at(start + 1))) {
            fail(ReadProblem::DecimalComma, start, 1);
        } else { // a character outside the Basic Multilingual Plane is marked whole
            const bool pair = start + 1 < text_.size() && (text_[start] & 0xFC00) == 0xD800 &&
                              (text_[start + 1] & 0xFC00) == 0xDC00;
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
        return {Kind::Number, start, pos_ - start, value, &kNumber};
    }

    // The longest known name at the start of the run of letters here. A run
    // that reads further in lower case was meant in lower case; one that
    // reads only once its first letter is taken away has that letter for a
    // variable, unless a '(' makes it a function's name.
    Token name()
    {
        std::string letters, lower;
        for (std::size_t i = pos_; isLetter(at(i)); ++i) {
            letters += at(i);
            lower += static_cast<char>(at(i) | 0x20);
        }
        const Operation* longest = longestName(letters);
        if (const Operation* lowered = longestName(lower);
            lowered && (!longest || lowered->text.size() > longest->text.size()))
            fail(ReadProblem::UpperCaseName, pos_, lowered->text.size());
        if (!longest) {
            std::size_t after = pos_ + letters.size();
            while (at(after) == ' ')
                ++after;
            if (at(after) != '(' && splitsIntoNames(std::string_view(lower).substr(1)))
                fail(ReadProblem::UnknownVariable, pos_, 1);
            fail(ReadProblem::UnknownName, pos_, letters.size());
        }
        pos_ += longest->text.size();
        return {Kind::Name, pos_ - longest->text.size(), longest->text.size(), 0, find(longest->written, longest->form)};
    }

    // The infix that follows an operand: a product without '*' before a name
    // or '('; none at a ')' or the end.
    const Operation* infix() const
    {
        if (token_.kind == Kind::Close || token_.kind == Kind::End)
            return nullptr;
        return token_.kind == Kind::Symbol ? token_.operation : find("*", Form::Infix);
    }

    struct Waiting {
        const Operation* operation;
        Token token;
    };

    // Up to the ')' that closes it or the end. An operation waits for its
    // right operand until one that binds less tightly follows.
    void expression()
    {
        std::vector<Waiting> waiting;
        for (;;) {
            for (; token_.sign; advance())
                if (token_.sign->apply)
                    waiting.push_back({token_.sign, token_});
            operand();
            const Operation* next = infix();
            for (; !waiting.empty() && bindsFirst(*waiting.back().operation, next); waiting.pop_back())
                emit(*waiting.back().operation, waiting.back().token);
            if (!next)
                return;
            if (token_.kind == Kind::Number) // as in x2: a product without '*' needs a name or '(' on its right
                fail(ReadProblem::UnexpectedNumber, token_);
            waiting.push_back({next, token_});
            if (token_.kind == Kind::Symbol)
                advance();
        }
    }

    // Whether a waiting operation takes the operand before `next` (all do at the end).
    static bool bindsFirst(const Operation& waiting, const Operation* next)
    {
        return !next || waiting.rank > next->rank || (waiting.rank == next->rank && !next->groupsRight);
    }

    void operand()
    {
        const Token t = token_;
        if (t.kind == Kind::Number || (t.kind == Kind::Name && t.operation->form == Form::Value)) {
            emit(*t.operation, t, t.number);
            advance();
        } else if (t.kind == Kind::Name) {
            // As in log10(x) or cosec(x): a name with more before its '(' is
            // not one of the functions here.
            std::size_t end = t.position + t.length;
            while (isLetter(at(t.position)) && (isLetter(at(end)) || isDigit(at(end))))
                ++end;
            std::size_t open = end;
            while (at(open) == ' ')
                ++open;
            if (end > t.position + t.length && at(open) == '(')
                fail(ReadProblem::UnknownName, t.position, end - t.position);
            advance();
            if (token_.kind == Kind::Symbol && token_.operation == find("^", Form::Infix)) // cos^2(x), cos²(x)
                fail(ReadProblem::PowerOfFunction, t.position, token_.position + token_.length - t.position);
            if (token_.kind != Kind::Open)
                fail(ReadProblem::FunctionNeedsParenthesis, token_);
            parenthesised();
            emit(*t.operation, t);
        } else if (t.kind == Kind::Open) {
            parenthesised();
        } else if (t.kind == Kind::Close && depth_ == 0) {
            fail(ReadProblem::UnexpectedClosingParenthesis, t);
        } else { // an infix, a ')' or the end of the text
            fail(ReadProblem::MissingOperand, t);
        }
    }

    void parenthesised()
    {
        if (depth_ == maxDepth_)
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
    std::size_t pos_;
    int maxDepth_;
    Token token_{Kind::End, 0, 0};
    std::optional<Token> pending_; // the second token of one character
    int depth_ = 0;
    std::size_t values_ = 0; // on the evaluator's stack after the program so far
};

bool readsAs(char16_t typed, char ascii)
{
    return foldToAscii(typed) == ascii || (ascii == '\'' && (typed == u'\u2019' || typed == u'\u2032'));
}

// The evaluator's stack: the last value is kept apart, where the compiler
// can hold it in a register, so that each operation's result reaches the
// next without a trip through memory; the values below it are in memory.
struct Stack {
    double* below; // where the value under the last one goes
    double last;
};

// One instruction of entry I, its lambda inlined.
template <std::size_t I>
[[gnu::always_inline]] inline Stack evaluate(Stack s, double number, double x, double y)
{
    constexpr Operation op = kOperations[I];
    if constexpr (op.form == Form::Number) {
        *s.below++ = s.last;
        s.last = number;
    } else if constexpr (op.form == Form::Value) {
        *s.below++ = s.last;
        s.last = op.apply(x, y);
    } else if constexpr (op.form == Form::Infix) {
        s.last = op.apply(*--s.below, s.last);
    } else if constexpr (op.apply != nullptr) {
        s.last = op.apply(s.last, 0);
    }
    return s;
}

// A chain of comparisons with the entries' indices, which the compiler
// turns into one jump, as a switch over them would be. Inlined by force:
// the whole-program optimiser of a Release build would make it a call for
// every instruction, with x, y and the last value saved around each.
template <std::size_t... I>
[[gnu::always_inline]] inline Stack evaluate(std::size_t index, Stack s, double number, double x, double y,
                                             std::index_sequence<I...>)
{
    static_cast<void>(((index == I && (s = evaluate<I>(s, number, x, y), true)) || ...));
    return s;
}

} // namespace

std::u16string_view rightHandSide(std::u16string_view typed)
{
    const auto blank = [&](std::size_t i) { return foldToAscii(typed[i]) == ' '; };
    std::size_t start = 0, end = typed.size();
    while (start < end && blank(start))
        ++start;
    while (end > start && blank(end - 1))
        --end;
    for (const std::string_view prefix : {"y'=", "dy/dx="}) {
        std::size_t i = start, matched = 0;
        for (; i < end && matched < prefix.size(); ++i) {
            if (blank(i))
                continue;
            if (!readsAs(typed[i], prefix[matched]))
                break;
            ++matched;
        }
        if (matched == prefix.size()) {
            while (i < end && blank(i))
                ++i;
            start = i;
            break;
        }
    }
    return typed.substr(start, end - start);
}

std::variant<OwnEquation, ReadError> OwnEquation::read(std::u16string_view text)
{
    const std::u16string_view rhs = rightHandSide(text);
    const auto from = static_cast<std::size_t>(rhs.data() - text.data());
    if (rhs.size() > kMaxOwnEquationLength) {
        // A character outside the Basic Multilingual Plane that straddles the
        // limit is marked whole: no cursor stands between its two halves.
        std::size_t cut = kMaxOwnEquationLength;
        if (const char16_t c = rhs[cut]; c >= 0xDC00 && c <= 0xDFFF && rhs[cut - 1] >= 0xD800 && rhs[cut - 1] <= 0xDBFF)
            --cut;
        return ReadError{ReadProblem::TooLong, from + cut, rhs.size() - cut};
    }
    return read(text, from, kMaxParenthesisDepth);
}

std::variant<OwnEquation, ReadError> OwnEquation::readWritten(std::u16string_view text)
{
    return read(text, 0, kMaxWrittenDepth);
}

std::variant<OwnEquation, ReadError> OwnEquation::read(std::u16string_view text, std::size_t from, int maxDepth)
{
    Reader reader(text, from, maxDepth);
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
    // The first value puts the empty last value into the first place, where
    // nothing reads it: a program's values still fit.
    std::array<double, kStackSize> memory;
    Stack stack{memory.data(), 0};
    for (const Instruction& in : program_)
        stack = evaluate(static_cast<std::size_t>(in.operation - kOperations), stack, in.number, x, y,
                         std::make_index_sequence<std::size(kOperations)>());
    return stack.last;
}

bool OwnEquation::overflowsAt(double x, double y) const noexcept
{
    std::array<double, kStackSize> memory;
    Stack stack{memory.data(), 0};
    for (const Instruction& in : program_) {
        stack = evaluate(static_cast<std::size_t>(in.operation - kOperations), stack, in.number, x, y,
                         std::make_index_sequence<std::size(kOperations)>());
        if (std::isinf(stack.last))
            return true;
    }
    return false;
}

KnownNames knownNames()
{
    KnownNames known;
    for (const Operation& o : kOperations)
        if (o.form == Form::Value || o.form == Form::Function)
            (o.form == Form::Value ? known.values : known.functions).push_back(o.text);
    return known;
}

} // namespace rk
