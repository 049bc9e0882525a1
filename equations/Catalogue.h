#pragma once
// The six built-in right-hand sides y' = f(x, y) and their display texts.

#include "ui/Value.h"

#include <array>
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

// The right-hand side of equation eqNo at (x, y), one Value operation at a
// time; Empty when eqNo names no equation.
Value f(const Value& eqNo, const Value& x, const Value& y);

} // namespace rk
