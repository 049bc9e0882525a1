#pragma once
// The six built-in right-hand sides y' = f(x, y) and their display texts.

#include "core/OwnEquation.h"

#include <array>
#include <cmath>
#include <memory>
#include <string_view>

namespace rk {

// In list order: the text at list position k is equation k + 1.
inline constexpr std::array<std::string_view, 6> kEquationTexts{
    "y' = - y",
    "y' = x - y",
    "y' = 2",
    "y' = sin(4x)",
    "y' = xcos(4x) -y",
    "y' = x/2 -sin(x+y)",
};

// The number of an equation the user typed: the list's seventh row.
inline constexpr int kOwnEquation = 7;

// The equation of a run: its number and, for kOwnEquation, what was typed.
struct Equation {
    int number = 0;
    std::shared_ptr<const TypedEquation> own;
};

// Calls `use` with the right-hand side of equation `number`, a callable
// (double x, double y) -> double, so that a run can have it inlined. Each
// is one double operation at a time, left operand first; the 4 and the 2
// are whole numbers, exact as doubles. With no equation the slope is 0.
template <typename Use>
decltype(auto) withRightHandSide(int number, Use&& use)
{
    switch (number) {
    case 1: return use([](double, double y) { return -y; });
    case 2: return use([](double x, double y) { return x - y; });
    case 3: return use([](double, double) { return 2.0; });
    case 4: return use([](double x, double) {
        const double p = 4 * x;
        return std::sin(p);
    });
    case 5: return use([](double x, double y) {
        const double p = 4 * x;
        const double c = std::cos(p);
        const double m = x * c;
        return m - y;
    });
    case 6: return use([](double x, double y) {
        const double a = x + y;
        const double s = std::sin(a);
        const double d = x / 2;
        return d - s;
    });
    default: return use([](double, double) { return 0.0; });
    }
}

// The same where the number may be kOwnEquation: `own` runs its program.
template <typename Use>
decltype(auto) withRightHandSide(int number, const TypedEquation* own, Use&& use)
{
    if (number == kOwnEquation && own) {
        const OwnEquation& program = own->program;
        return use([&program](double x, double y) { return program(x, y); });
    }
    return withRightHandSide(number, use);
}

// The right-hand side of equation `number` at (x, y).
inline double f(int number, double x, double y)
{
    return withRightHandSide(number, [&](auto rhs) { return rhs(x, y); });
}

} // namespace rk
