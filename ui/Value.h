#pragma once
// The cell in which the window keeps each number it takes over from its
// controls: the selected equation and the three typed numbers.
//
// A cell is Empty until it is first set, then a 16-bit Integer (the equation
// number) or a Double (a typed number). A run reads each cell once, as a
// double, with Empty read as 0; it computes in plain doubles from there.

#include <cstdint>
#include <variant>

namespace rk {

class Value {
public:
    enum class Kind : std::uint8_t { Empty, Integer, Double };

    Value() = default;
    explicit Value(double d) : cell_(d) {}

    static Value integer(std::int16_t i)
    {
        Value v;
        v.cell_ = i;
        return v;
    }

    Kind kind() const { return static_cast<Kind>(cell_.index()); }
    bool isEmpty() const { return kind() == Kind::Empty; }

    // Exact accessors: only meaningful for the matching kind.
    std::int16_t integerValue() const { return std::get<std::int16_t>(cell_); }
    double doubleValue() const { return std::get<double>(cell_); }

    // Empty is 0.
    double toDouble() const
    {
        if (const auto* d = std::get_if<double>(&cell_))
            return *d;
        if (const auto* i = std::get_if<std::int16_t>(&cell_))
            return *i;
        return 0.0;
    }

    friend bool operator==(const Value&, const Value&) = default;

private:
    // The alternatives stand in the order of Kind.
    std::variant<std::monostate, std::int16_t, double> cell_;
};

} // namespace rk
