#pragma once
// The six built-in equations y' = f(x, y), one row each: the text the list
// shows, the slope, whether the slope reads y, its derivative in y, and the
// solution through (x1, y1) where there is one in closed form.

#include "core/OwnEquation.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace rk {

// How the closed forms write their numbers: shortest round-trip digits,
// with the typographic minus a learner reads in the equation list.
namespace formula {

// -0 reads as 0: a sign on nothing only puzzles.
inline std::string written(double v)
{
    char digits[32];
    const auto end = std::to_chars(digits, digits + sizeof digits, std::fabs(v)).ptr;
    return (v < 0 ? "\u2212" : "") + std::string(digits, end);
}

// " + v" or, for a negative v, " − |v|": a term added to what came before;
// and the other way round for one taken away, where 0 stays "− 0", the way
// the formula reads.
inline std::string plus(double v) { return (v < 0 ? " \u2212 " : " + ") + written(std::fabs(v)); }
inline std::string minus(double v) { return (v < 0 ? " + " : " \u2212 ") + written(std::fabs(v)); }

// e^(-(x - x1)): every solution but that of y' = 2 or y' = sin(4x) decays so.
inline double decay(double x, double x1) { return std::exp(-(x - x1)); }
inline std::string decays(double x1) { return "·e^(\u2212(x" + minus(x1) + "))"; }

// The particular solution of y' = x cos(4x) - y: p' + p = x cos(4x), found by
// trying p = (ax + b) cos(4x) + (cx + d) sin(4x) and matching coefficients.
inline double particularFive(double x)
{
    const double p = 4 * x;
    return ((17 * x + 15) * std::cos(p) + (68 * x - 8) * std::sin(p)) / 289;
}

} // namespace formula

// The solution through (x1, y1). Its constant c = constant(x1, y1) depends
// on the start only and is worked out once, so a whole run's rows cost one
// evaluation each, y(x) = value(x, x1, c); text(x1, c) shows that same c,
// so what a learner reads is what the values were computed from.
struct ClosedFormRule {
    double (*constant)(double x1, double y1);
    double (*value)(double x, double x1, double c);
    std::string (*text)(double x1, double c); // UTF-8, e.g. "y = 1·e^(−(x − 0))"
};

struct EquationRow {
    std::string_view text;               // as the list shows it, "y' = " and all
    double (*slope)(double x, double y); // one double operation at a time, left operand first
    bool readsY;                         // whether the slope depends on y at all
    double (*dfdy)(double x, double y);  // ∂f/∂y, what a step's stability depends on
    std::optional<ClosedFormRule> closedForm;
};

// In list order: the row at list position k is equation k + 1. The 4 and
// the 2 in the slopes are whole numbers, exact as doubles.
inline constexpr std::array<EquationRow, 6> kEquations{{
    {"y' = - y",
     [](double, double y) { return -y; },
     true,
     [](double, double) { return -1.0; },
     ClosedFormRule{
         [](double, double y1) { return y1; },
         [](double x, double x1, double c) { return c * formula::decay(x, x1); },
         [](double x1, double c) { return "y = " + formula::written(c) + formula::decays(x1); },
     }},
    {"y' = x - y",
     [](double x, double y) { return x - y; },
     true,
     [](double, double) { return -1.0; },
     ClosedFormRule{
         [](double x1, double y1) { return (y1 - x1) + 1; },
         [](double x, double x1, double c) { return (x - 1) + c * formula::decay(x, x1); },
         [](double x1, double c) { return "y = x \u2212 1" + formula::plus(c) + formula::decays(x1); },
     }},
    {"y' = 2",
     [](double, double) { return 2.0; },
     false,
     [](double, double) { return 0.0; },
     ClosedFormRule{
         [](double, double y1) { return y1; },
         [](double x, double x1, double c) { return c + 2 * (x - x1); },
         [](double x1, double c) { return "y = " + formula::written(c) + " + 2·(x" + formula::minus(x1) + ")"; },
     }},
    {"y' = sin(4x)",
     [](double x, double) {
         const double p = 4 * x;
         return std::sin(p);
     },
     false,
     [](double, double) { return 0.0; },
     ClosedFormRule{
         [](double x1, double y1) { return y1 + std::cos(4 * x1) / 4; },
         [](double x, double, double c) { return c - std::cos(4 * x) / 4; },
         [](double, double c) { return "y = " + formula::written(c) + " \u2212 cos(4x)/4"; },
     }},
    {"y' = xcos(4x) -y",
     [](double x, double y) {
         const double p = 4 * x;
         const double c = std::cos(p);
         const double m = x * c;
         return m - y;
     },
     true,
     [](double, double) { return -1.0; },
     ClosedFormRule{
         [](double x1, double y1) { return y1 - formula::particularFive(x1); },
         [](double x, double x1, double c) { return formula::particularFive(x) + c * formula::decay(x, x1); },
         [](double x1, double c) {
             return "y = ((17x + 15)·cos(4x) + (68x \u2212 8)·sin(4x))/289" + formula::plus(c) + formula::decays(x1);
         },
     }},
    {"y' = x/2 -sin(x+y)",
     [](double x, double y) {
         const double a = x + y;
         const double s = std::sin(a);
         const double d = x / 2;
         return d - s;
     },
     true,
     [](double x, double y) {
         const double a = x + y;
         return -std::cos(a);
     },
     std::nullopt},
}};

// The list's texts, as the rows have them.
inline constexpr std::array<std::string_view, kEquations.size()> kEquationTexts = [] {
    std::array<std::string_view, kEquations.size()> texts{};
    for (std::size_t i = 0; i < kEquations.size(); ++i)
        texts[i] = kEquations[i].text;
    return texts;
}();

// The row of equation `number`, 1..6; none for any other number.
constexpr const EquationRow* equationRow(int number)
{
    return number >= 1 && number <= static_cast<int>(kEquations.size()) ? &kEquations[static_cast<std::size_t>(number - 1)]
                                                                       : nullptr;
}

// The number of an equation the user typed: the list's seventh row.
inline constexpr int kOwnEquation = 7;

// The equation of a run: its number and, for kOwnEquation, what was typed.
struct Equation {
    int number = 0;
    std::shared_ptr<const TypedEquation> own;
};

// Whether the slope can depend on y. A typed equation's written-out form
// names y exactly where its program reads it: no function or constant of
// the language has a y in its name.
inline bool slopeReadsY(const Equation& equation)
{
    if (equation.number == kOwnEquation)
        return equation.own && equation.own->program.readAs().find('y') != std::string::npos;
    const EquationRow* row = equationRow(equation.number);
    return row && row->readsY;
}

// A row's slope as a type of its own: a run compiled for it calls the
// slope directly, inlined, rather than through the table.
template <std::size_t Row>
struct RowSlope {
    double operator()(double x, double y) const { return kEquations[Row].slope(x, y); }
};
// With no equation the slope is 0.
struct NoSlope {
    double operator()(double, double) const { return 0.0; }
};

// Calls `use` with the right-hand side of equation `number`, a callable
// (double x, double y) -> double, so that a run can have it inlined.
template <typename Use, std::size_t Row = 0>
decltype(auto) withRightHandSide(int number, Use&& use)
{
    if constexpr (Row == kEquations.size()) {
        return use(NoSlope{});
    } else {
        if (number == static_cast<int>(Row) + 1)
            return use(RowSlope<Row>{});
        return withRightHandSide<Use, Row + 1>(number, std::forward<Use>(use));
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
