#include "core/ExactSolution.h"

#include <charconv>
#include <cmath>

namespace rk {
namespace {

// The particular solution of y' = x cos(4x) - y: p' + p = x cos(4x), found by
// trying p = (ax + b) cos(4x) + (cx + d) sin(4x) and matching coefficients.
double particularFive(double x)
{
    const double p = 4 * x;
    return ((17 * x + 15) * std::cos(p) + (68 * x - 8) * std::sin(p)) / 289;
}

// e^(-(x - x1)): every solution but that of y' = 2 or y' = sin(4x) decays so.
double decay(double x, double x1) { return std::exp(-(x - x1)); }

// Shortest round-trip digits, with the typographic minus a learner reads in
// the equation list. -0 reads as 0: a sign on nothing only puzzles.
std::string written(double v)
{
    char digits[32];
    const auto end = std::to_chars(digits, digits + sizeof digits, std::fabs(v)).ptr;
    return (v < 0 ? "\u2212" : "") + std::string(digits, end);
}

// " + v" or, for a negative v, " − |v|": a term added to what came before;
// and the other way round for one taken away, where 0 stays "− 0", the way
// the formula reads.
std::string plus(double v) { return (v < 0 ? " \u2212 " : " + ") + written(std::fabs(v)); }
std::string minus(double v) { return (v < 0 ? " + " : " \u2212 ") + written(std::fabs(v)); }

} // namespace

std::optional<ClosedForm> ClosedForm::of(int equation, double x1, double y1)
{
    switch (equation) {
    case 1:
    case 3: return ClosedForm(equation, x1, y1);
    case 2: return ClosedForm(equation, x1, (y1 - x1) + 1);
    case 4: return ClosedForm(equation, x1, y1 + std::cos(4 * x1) / 4);
    case 5: return ClosedForm(equation, x1, y1 - particularFive(x1));
    default: return std::nullopt;
    }
}

double ClosedForm::operator()(double x) const
{
    switch (equation_) {
    case 1: return c_ * decay(x, x1_);
    case 2: return (x - 1) + c_ * decay(x, x1_);
    case 3: return c_ + 2 * (x - x1_);
    case 4: return c_ - std::cos(4 * x) / 4;
    default: return particularFive(x) + c_ * decay(x, x1_);
    }
}

std::string ClosedForm::text() const
{
    const std::string decays = "·e^(\u2212(x" + minus(x1_) + "))";
    switch (equation_) {
    case 1: return "y = " + written(c_) + decays;
    case 2: return "y = x \u2212 1" + plus(c_) + decays;
    case 3: return "y = " + written(c_) + " + 2·(x" + minus(x1_) + ")";
    case 4: return "y = " + written(c_) + " \u2212 cos(4x)/4";
    default: return "y = ((17x + 15)·cos(4x) + (68x \u2212 8)·sin(4x))/289" + plus(c_) + decays;
    }
}

std::optional<double> exactSolution(int equation, double x1, double y1, double x)
{
    if (const auto form = ClosedForm::of(equation, x1, y1))
        return (*form)(x);
    return std::nullopt;
}

std::optional<std::string> exactSolutionText(int equation, double x1, double y1)
{
    if (const auto form = ClosedForm::of(equation, x1, y1))
        return form->text();
    return std::nullopt;
}

} // namespace rk
