#pragma once
// One step of the classical fourth-order Runge-Kutta method, in plain
// doubles. The run and the explanation of a table row both use it, so what
// a learner is shown is what the table was computed with.

#include <array>
#include <cstdint>

namespace rk {

// The step of every run unless the learner chooses another.
inline constexpr double kStep = 0.05;

// The most stages a method may have: enough for every classical explicit
// method a course meets, up to the fifth-order ones.
inline constexpr int kMaxStages = 6;

// The abscissa of pass i: computed afresh from the start, never by adding
// the step to the previous abscissa, so no rounding error accumulates.
inline double abscissa(double x1, std::int64_t i, double h = kStep)
{
    return x1 + (static_cast<double>(i) * h);
}

struct Stages {
    std::array<double, kMaxStages> k; // k[0] is k1; only a method's own stages are set
    double next;                      // y at x + h
};

// The four slopes at (x, y) and the ordinate one step h further on.
template <typename RightHandSide>
Stages rungeKuttaStep(const RightHandSide& f, double x, double y, double h)
{
    const double hh = h / 2;
    Stages s{};
    s.k[0] = f(x, y);
    s.k[1] = f(x + hh, y + (s.k[0] * hh));
    s.k[2] = f(x + hh, y + (s.k[1] * hh));
    s.k[3] = f(x + h, y + (s.k[2] * h));
    // y + (h * ((k1 + k4) + 2 * (k2 + k3))) / 6, one operation at a time:
    // regrouping the sums, or taking h / 6 first, changes last digits.
    const double sum14 = s.k[0] + s.k[3];
    const double sum23 = s.k[1] + s.k[2];
    const double doubled = 2 * sum23;
    const double weighted = sum14 + doubled;
    const double scaled = h * weighted;
    const double increment = scaled / 6;
    s.next = y + increment;
    return s;
}

} // namespace rk
