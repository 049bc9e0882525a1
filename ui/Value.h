#pragma once
// The dynamically typed cell that holds every quantity of the program.
//
// A Value is Empty (never assigned), a 16-bit Integer, a Double or a String.
// Integer arithmetic that would leave the 16-bit range widens to a 32-bit
// Long, and a Long that would overflow widens to a Double, so a counter can
// count on instead of failing.

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace rk {

// The operations below run several times per integration pass; forcing them
// inline lets the compiler see through the kind checks.
#define RK_HOT [[gnu::always_inline]] inline

class Value {
public:
    enum class Kind : std::uint8_t { Empty, Integer, Long, Double, String };

    Value() = default;
    explicit Value(double d) : kind_(Kind::Double), double_(d) {}
    explicit Value(std::string s) : kind_(Kind::String), string_(std::make_unique<std::string>(std::move(s))) {}

    Value(const Value& other)
        : kind_(other.kind_), bits_(other.bits_),
          string_(other.string_ ? std::make_unique<std::string>(*other.string_) : nullptr)
    {
    }
    Value(Value&&) noexcept = default;
    Value& operator=(const Value& other)
    {
        if (this != &other)
            *this = Value(other);
        return *this;
    }
    Value& operator=(Value&&) noexcept = default;
    ~Value() = default;

    static Value integer(std::int16_t i)
    {
        Value v;
        v.kind_ = Kind::Integer;
        v.integer_ = i;
        return v;
    }
    static Value longInteger(std::int32_t i)
    {
        Value v;
        v.kind_ = Kind::Long;
        v.long_ = i;
        return v;
    }

    Kind kind() const { return kind_; }
    bool isEmpty() const { return kind_ == Kind::Empty; }
    bool isDouble() const { return kind_ == Kind::Double; }
    bool isWhole() const { return kind_ == Kind::Integer || kind_ == Kind::Long; }

    // Exact accessors: only meaningful for the matching kind.
    std::int16_t integerValue() const { return integer_; }
    std::int32_t longValue() const { return long_; }
    double doubleValue() const { return double_; }
    const std::string& stringValue() const { return *string_; }

    // The whole number held by an Empty, Integer or Long Value.
    [[gnu::always_inline]] std::int64_t wholeValue() const
    {
        switch (kind_) {
        case Kind::Integer: return integer_;
        case Kind::Long: return long_;
        default: return 0;
        }
    }

    // Numeric conversion: Empty is 0, a String is read like typed text.
    [[gnu::always_inline]] double toDouble() const
    {
        switch (kind_) {
        case Kind::Empty: return 0.0;
        case Kind::Integer: return integer_;
        case Kind::Long: return long_;
        case Kind::Double: return double_;
        case Kind::String: return stringToDouble();
        }
        return 0.0;
    }

    friend bool operator==(const Value& a, const Value& b)
    {
        if (a.kind_ != b.kind_)
            return false;
        switch (a.kind_) {
        case Kind::Empty: return true;
        case Kind::Integer: return a.integer_ == b.integer_;
        case Kind::Long: return a.long_ == b.long_;
        case Kind::Double: return a.double_ == b.double_;
        case Kind::String: return *a.string_ == *b.string_;
        }
        return false;
    }

private:
    double stringToDouble() const;

    Kind kind_ = Kind::Empty;
    union {
        std::int16_t integer_;
        std::int32_t long_;
        double double_;
        std::uint64_t bits_ = 0;
    };
    // Only a String owns text; numbers never touch the heap.
    std::unique_ptr<std::string> string_;
};

namespace detail {

// Keeps a whole-number result as narrow as its operands allow.
RK_HOT Value wholeResult(std::int64_t r, bool anyLong)
{
    if (!anyLong && r >= INT16_MIN && r <= INT16_MAX)
        return Value::integer(static_cast<std::int16_t>(r));
    if (r >= INT32_MIN && r <= INT32_MAX)
        return Value::longInteger(static_cast<std::int32_t>(r));
    return Value(static_cast<double>(r));
}

RK_HOT bool bothWhole(const Value& a, const Value& b)
{
    return (a.isEmpty() || a.isWhole()) && (b.isEmpty() || b.isWhole());
}

RK_HOT bool anyLong(const Value& a, const Value& b)
{
    return a.kind() == Value::Kind::Long || b.kind() == Value::Kind::Long;
}

} // namespace detail

RK_HOT Value operator+(const Value& a, const Value& b)
{
    if (a.isDouble() && b.isDouble())
        return Value(a.doubleValue() + b.doubleValue());
    if (detail::bothWhole(a, b))
        return detail::wholeResult(a.wholeValue() + b.wholeValue(), detail::anyLong(a, b));
    return Value(a.toDouble() + b.toDouble());
}

RK_HOT Value operator-(const Value& a, const Value& b)
{
    if (a.isDouble() && b.isDouble())
        return Value(a.doubleValue() - b.doubleValue());
    if (detail::bothWhole(a, b))
        return detail::wholeResult(a.wholeValue() - b.wholeValue(), detail::anyLong(a, b));
    return Value(a.toDouble() - b.toDouble());
}

RK_HOT Value operator*(const Value& a, const Value& b)
{
    if (a.isDouble() && b.isDouble())
        return Value(a.doubleValue() * b.doubleValue());
    if (detail::bothWhole(a, b))
        return detail::wholeResult(a.wholeValue() * b.wholeValue(), detail::anyLong(a, b));
    return Value(a.toDouble() * b.toDouble());
}

// Division always gives a Double, also of two Integers.
RK_HOT Value operator/(const Value& a, const Value& b)
{
    return Value(a.toDouble() / b.toDouble());
}

RK_HOT Value operator-(const Value& a)
{
    if (a.isDouble())
        return Value(-a.doubleValue());
    if (a.isEmpty() || a.isWhole())
        return detail::wholeResult(-a.wholeValue(), a.kind() == Value::Kind::Long);
    return Value(-a.toDouble());
}

// Equality with an Integer constant is numeric; Empty equals only 0.
RK_HOT bool equalsInteger(const Value& a, std::int16_t constant)
{
    if (a.isEmpty() || a.isWhole())
        return a.wholeValue() == constant;
    return a.toDouble() == constant;
}

// The test of a counted loop with a positive step: counter not past the end.
RK_HOT bool notPast(const Value& counter, const Value& end)
{
    if (detail::bothWhole(counter, end))
        return counter.wholeValue() <= end.wholeValue();
    return counter.toDouble() <= end.toDouble();
}

// Joining of texts; numbers join as their text.
Value join(const Value& a, const Value& b);

// The text of a Value: Empty is "", numbers in their shortest exact form.
std::string toText(const Value& v);

// Conversion to single precision for a drawing operation; empty when the
// number cannot be held in a single (beyond about 3.4e38, or not finite).
RK_HOT std::optional<float> toSingle(const Value& v)
{
    const double d = v.toDouble();
    // The comparison is false for NaN as well as for magnitudes past FLT_MAX.
    if (!(std::fabs(d) <= FLT_MAX))
        return std::nullopt;
    return static_cast<float>(d);
}

// A Value whose number is finite (Empty, whole numbers and texts always are).
RK_HOT bool isFiniteNumber(const Value& v)
{
    return !v.isDouble() || std::isfinite(v.doubleValue());
}

} // namespace rk

#undef RK_HOT
