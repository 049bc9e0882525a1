#pragma once
// The dynamically typed cell that holds every quantity of the program.
//
// A Value is Empty (never assigned), a 16-bit Integer, a Double or a String.
// Integer arithmetic that would leave the 16-bit range widens to a 32-bit
// Long, and a Long that would overflow widens to a Double, so a counter can
// count on instead of failing.

#include <cstdint>
#include <optional>
#include <string>
#include <variant>

namespace rk {

struct Empty {
    friend bool operator==(Empty, Empty) = default;
};

class Value {
public:
    enum class Kind : std::uint8_t { Empty, Integer, Long, Double, String };

    Value() = default;
    explicit Value(double d) : data_(d) {}
    explicit Value(std::string s) : data_(std::move(s)) {}

    static Value integer(std::int16_t i) { return Value(Data(i)); }
    static Value longInteger(std::int32_t i) { return Value(Data(i)); }

    Kind kind() const { return static_cast<Kind>(data_.index()); }
    bool isEmpty() const { return kind() == Kind::Empty; }
    bool isDouble() const { return kind() == Kind::Double; }
    bool isWhole() const { return kind() == Kind::Integer || kind() == Kind::Long; }

    // Exact accessors: only valid for the matching kind.
    std::int16_t integerValue() const { return std::get<std::int16_t>(data_); }
    std::int32_t longValue() const { return std::get<std::int32_t>(data_); }
    double doubleValue() const { return std::get<double>(data_); }
    const std::string& stringValue() const { return std::get<std::string>(data_); }

    // The whole number held by an Empty, Integer or Long Value.
    std::int64_t wholeValue() const
    {
        switch (kind()) {
        case Kind::Integer: return integerValue();
        case Kind::Long: return longValue();
        default: return 0;
        }
    }

    // Numeric conversion: Empty is 0, a String is read like typed text.
    double toDouble() const
    {
        switch (kind()) {
        case Kind::Empty: return 0.0;
        case Kind::Integer: return integerValue();
        case Kind::Long: return longValue();
        case Kind::Double: return doubleValue();
        case Kind::String: return stringToDouble();
        }
        return 0.0;
    }

    friend bool operator==(const Value&, const Value&) = default;

private:
    using Data = std::variant<Empty, std::int16_t, std::int32_t, double, std::string>;
    explicit Value(Data d) : data_(std::move(d)) {}
    double stringToDouble() const;

    Data data_;
};

namespace detail {

// Keeps a whole-number result as narrow as its operands allow.
inline Value wholeResult(std::int64_t r, bool anyLong)
{
    if (!anyLong && r >= INT16_MIN && r <= INT16_MAX)
        return Value::integer(static_cast<std::int16_t>(r));
    if (r >= INT32_MIN && r <= INT32_MAX)
        return Value::longInteger(static_cast<std::int32_t>(r));
    return Value(static_cast<double>(r));
}

inline bool bothWhole(const Value& a, const Value& b)
{
    return (a.isEmpty() || a.isWhole()) && (b.isEmpty() || b.isWhole());
}

inline bool anyLong(const Value& a, const Value& b)
{
    return a.kind() == Value::Kind::Long || b.kind() == Value::Kind::Long;
}

} // namespace detail

inline Value operator+(const Value& a, const Value& b)
{
    if (a.isDouble() && b.isDouble())
        return Value(a.doubleValue() + b.doubleValue());
    if (detail::bothWhole(a, b))
        return detail::wholeResult(a.wholeValue() + b.wholeValue(), detail::anyLong(a, b));
    return Value(a.toDouble() + b.toDouble());
}

inline Value operator-(const Value& a, const Value& b)
{
    if (a.isDouble() && b.isDouble())
        return Value(a.doubleValue() - b.doubleValue());
    if (detail::bothWhole(a, b))
        return detail::wholeResult(a.wholeValue() - b.wholeValue(), detail::anyLong(a, b));
    return Value(a.toDouble() - b.toDouble());
}

inline Value operator*(const Value& a, const Value& b)
{
    if (a.isDouble() && b.isDouble())
        return Value(a.doubleValue() * b.doubleValue());
    if (detail::bothWhole(a, b))
        return detail::wholeResult(a.wholeValue() * b.wholeValue(), detail::anyLong(a, b));
    return Value(a.toDouble() * b.toDouble());
}

// Division always gives a Double, also of two Integers.
inline Value operator/(const Value& a, const Value& b)
{
    return Value(a.toDouble() / b.toDouble());
}

inline Value operator-(const Value& a)
{
    if (a.isDouble())
        return Value(-a.doubleValue());
    if (a.isEmpty() || a.isWhole())
        return detail::wholeResult(-a.wholeValue(), a.kind() == Value::Kind::Long);
    return Value(-a.toDouble());
}

// Equality with an Integer constant is numeric; Empty equals only 0.
inline bool equalsInteger(const Value& a, std::int16_t constant)
{
    if (a.isEmpty() || a.isWhole())
        return a.wholeValue() == constant;
    return a.toDouble() == constant;
}

// The test of a counted loop with a positive step: counter not past the end.
inline bool notPast(const Value& counter, const Value& end)
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
std::optional<float> toSingle(const Value& v);

// A Value whose number is finite (Empty, whole numbers and texts always are).
bool isFiniteNumber(const Value& v);

} // namespace rk
