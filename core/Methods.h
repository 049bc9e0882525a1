#pragma once
// The four one-step methods a run may use, each in plain doubles, one
// operation at a time, so that a row's explanation recomputes exactly what
// the run computed. The classical Runge-Kutta method is the design's; the
// others are there to be compared with it.

#include "core/RungeKuttaStep.h"

#include <array>
#include <cmath>
#include <string_view>

namespace rk {

enum class Method { Euler, Heun, Midpoint, RungeKutta };

struct MethodInfo {
    Method method;
    std::string_view name; // untranslated, for files and tests
    int stages;            // how many of k1..k4 a step takes
    int order;             // halving h divides the error by 2^order
};

// In the order the menus and the comparison list them.
inline constexpr std::array<MethodInfo, 4> kMethods{{
    {Method::Euler, "Euler", 1, 1},
    {Method::Heun, "Heun", 2, 2},
    {Method::Midpoint, "Midpoint", 2, 2},
    {Method::RungeKutta, "Runge-Kutta", 4, 4},
}};

inline constexpr const MethodInfo& methodInfo(Method method)
{
    return kMethods[static_cast<std::size_t>(method)];
}

// Where each stage's slope is taken: x + a·h and y + k·b·h, as the steps
// below take it. Stage 0 is always (x, y).
struct StagePoint {
    double x, y;
};

// Euler: one slope, y + h·k1.
template <typename RightHandSide>
Stages eulerStep(const RightHandSide& f, double x, double y, double h)
{
    Stages s{};
    s.k1 = f(x, y);
    const double increment = h * s.k1;
    s.next = y + increment;
    return s;
}

// Heun (improved Euler): the slopes at both ends of the Euler step, averaged.
template <typename RightHandSide>
Stages heunStep(const RightHandSide& f, double x, double y, double h)
{
    Stages s{};
    s.k1 = f(x, y);
    s.k2 = f(x + h, y + (s.k1 * h));
    const double sum = s.k1 + s.k2;
    const double scaled = h * sum;
    const double increment = scaled / 2;
    s.next = y + increment;
    return s;
}

// The midpoint method: the slope halfway along the Euler step.
template <typename RightHandSide>
Stages midpointStep(const RightHandSide& f, double x, double y, double h)
{
    const double hh = h / 2;
    Stages s{};
    s.k1 = f(x, y);
    s.k2 = f(x + hh, y + (s.k1 * hh));
    const double increment = h * s.k2;
    s.next = y + increment;
    return s;
}

// Calls `use` with a callable (f, x, y, h) -> Stages for `method`, so that
// a run's loop is compiled once per method with its step inlined.
template <typename Use>
decltype(auto) withMethod(Method method, Use&& use)
{
    switch (method) {
    case Method::Euler: return use([](const auto& f, double x, double y, double h) { return eulerStep(f, x, y, h); });
    case Method::Heun: return use([](const auto& f, double x, double y, double h) { return heunStep(f, x, y, h); });
    case Method::Midpoint:
        return use([](const auto& f, double x, double y, double h) { return midpointStep(f, x, y, h); });
    case Method::RungeKutta: break;
    }
    return use([](const auto& f, double x, double y, double h) { return rungeKuttaStep(f, x, y, h); });
}

template <typename RightHandSide>
Stages methodStep(Method method, const RightHandSide& f, double x, double y, double h)
{
    return withMethod(method, [&](const auto& step) { return step(f, x, y, h); });
}

// The points at which a step of `method` took its slopes, from the slopes
// it found: what tells why a slope has no value.
inline std::array<StagePoint, 4> stagePoints(Method method, double x, double y, double h, const Stages& s)
{
    const double hh = h / 2;
    switch (method) {
    case Method::Euler: return {{{x, y}}};
    case Method::Heun: return {{{x, y}, {x + h, y + (s.k1 * h)}}};
    case Method::Midpoint: return {{{x, y}, {x + hh, y + (s.k1 * hh)}}};
    case Method::RungeKutta: break;
    }
    return {{{x, y}, {x + hh, y + (s.k1 * hh)}, {x + hh, y + (s.k2 * hh)}, {x + h, y + (s.k3 * h)}}};
}

} // namespace rk
