#pragma once
// An explicit Runge-Kutta method as numerical analysis writes it, its
// Butcher tableau: stage i takes its slope k_i at x + c_i·h and
// y + h·Σ_j a_ij·k_j, and the step ends at y + h·Σ_i b_i·k_i. A is strictly
// lower triangular, so each stage needs only the slopes before it. Where a
// method's stages lie, its order and its stability all follow from these
// numbers and from nothing else.

#include "core/RungeKuttaStep.h"

#include <array>
#include <complex>
#include <string>

namespace rk {

struct Tableau {
    int stages = 1;
    std::array<double, kMaxStages> c{};
    std::array<std::array<double, kMaxStages>, kMaxStages> a{}; // a[i][j], zero for j >= i
    std::array<double, kMaxStages> b{};
};

// Where a stage's slope is taken.
struct StagePoint {
    double x, y;
};

// Stage i (0 for k1) of a step from (x, y), from the slopes before it:
// x + c_i·h and y + Σ_j (a_ij·h)·k_j. Taking a_ij·h first makes a row with
// one entry, as every built-in row has, the very product the hand-written
// steps take (h/2 is 0.5·h exactly), so their points agree bit for bit.
// Zeros are multiplied in, not skipped: with finite slopes they add an exact
// zero, and a run stops at the first slope that is not finite.
inline StagePoint stagePoint(const Tableau& t, int i, double x, double y, double h, const Stages& s)
{
    double sum = -0.0; // -0 + v is v, and y + -0 is y, in every case
    for (int j = 0; j < i; ++j) {
        const double weight = t.a[i][j] * h;
        const double term = weight * s.k[j];
        sum = sum + term;
    }
    const double shift = t.c[i] * h;
    return {x + shift, y + sum};
}

// y + h·(Σ_i b_i·k_i), the weighted sum from the left. Euler's, Heun's and
// the midpoint's weights (1; 1/2, 1/2; 0, 1) make it their hand-written
// arithmetic bit for bit; the classical method's 1/6 and 1/3 are not exact
// in binary, so there it may differ from its own step in the last bit.
inline double nextOrdinate(const Tableau& t, int stages, double y, double h, const Stages& s)
{
    double sum = -0.0;
    for (int i = 0; i < stages; ++i) {
        const double term = t.b[i] * s.k[i];
        sum = sum + term;
    }
    const double increment = h * sum;
    return y + increment;
}

// A step of any tableau of `Stages` stages, known when compiled so that
// the loops unroll.
template <int StageCount, typename RightHandSide>
Stages tableauStep(const Tableau& t, const RightHandSide& f, double x, double y, double h)
{
    Stages s{};
    for (int i = 0; i < StageCount; ++i) {
        const StagePoint at = stagePoint(t, i, x, y, h, s);
        s.k[static_cast<std::size_t>(i)] = f(at.x, at.y);
    }
    s.next = nextOrdinate(t, StageCount, y, h, s);
    return s;
}

// Calls `use` with a callable (f, x, y, h) -> Stages taking steps of `t`,
// compiled once per number of stages.
template <typename Use>
decltype(auto) withTableauStep(const Tableau& t, Use&& use)
{
    const auto stepOf = [&t]<int StageCount>() {
        return [t](const auto& f, double x, double y, double h) { return tableauStep<StageCount>(t, f, x, y, h); };
    };
    switch (t.stages) {
    case 1: return use(stepOf.template operator()<1>());
    case 2: return use(stepOf.template operator()<2>());
    case 3: return use(stepOf.template operator()<3>());
    case 4: return use(stepOf.template operator()<4>());
    case 5: return use(stepOf.template operator()<5>());
    default: return use(stepOf.template operator()<kMaxStages>());
    }
}

// R(z) = 1 + z·bᵀ(I − zA)⁻¹·1, what one step does to y' = λy with z = λh.
// For an explicit tableau (I − zA)⁻¹ = Σ_k z^k·A^k, so R is the polynomial
// 1 + Σ_k (bᵀA^k·1)·z^(k+1) of degree at most the number of stages.
struct StabilityFunction {
    std::array<double, kMaxStages + 1> coefficients{}; // of z^0 .. z^degree
    int degree = 0;
    // |R(z)|: a step shrinks the error where it is below 1.
    double magnitudeAt(std::complex<double> z) const;
};
StabilityFunction stabilityFunction(const Tableau& t);

// The conditions a tableau's numbers must meet for each order, one per
// rooted tree: 1 for order 1, 1 more for 2, 2 more for 3, 4 for 4, 9 for 5.
inline constexpr int kMaxCheckedOrder = 5;
inline constexpr std::array<int, kMaxCheckedOrder + 1> kOrderConditions{0, 1, 1, 2, 4, 9};

struct OrderCheck {
    std::array<int, kMaxCheckedOrder + 1> failing{}; // per order, of kOrderConditions
    // The highest order whose conditions, and all below, hold: 0 when the
    // weights do not even sum to 1.
    int order = 0;
    double weightSum = 0;
    // The first stage (0 for k1) whose row of A does not sum to its c, or -1.
    // The conditions above are written with c; they tell a method's order
    // only where every row sums to its c_i.
    int rowSumMismatch = -1;
    double rowSum = 0; // of that row
    // What the method can be relied on for: its order, or no more than 1
    // where a row's sum is not its c (a stage's y then belongs to another x).
    int promisedOrder() const { return rowSumMismatch < 0 || order == 0 ? order : 1; }
};
OrderCheck checkOrder(const Tableau& t);

// The formulas a learner reads, e.g. "f(x + h/2, y + k1·h/2)" for stage 1
// (k2) and "y + h·((k1 + k4) + 2·(k2 + k3))/6" for the step, in UTF-8.
// Coefficients are written as the fractions they are (up to a denominator
// of 1000); slopes of equal weight are grouped, as the classical method's
// step groups them.
std::string stageFormula(const Tableau& t, int i);
std::string nextFormula(const Tableau& t);
// One coefficient in the same way, as the tableau's text writes it: "1/3",
// "-1/3", "0.5" only where no fraction gives it.
std::string coefficientText(double value);

} // namespace rk
