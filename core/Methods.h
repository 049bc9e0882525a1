#pragma once
// The one-step methods a run may use: one table, a row per method with its
// name, its tableau, its order and its step. Everything else about a method
// (where its stages lie, the formulas a learner reads, its stability, which
// order conditions it meets) follows from its tableau (core/Tableau.h).
//
// The built-in steps are written out one operation at a time in plain
// doubles, so that a row's explanation recomputes exactly what the run
// computed, and in the grouping the classical method has always used. A
// method the learner types is a row of the same kind, stepped through its
// tableau.

#include "core/RungeKuttaStep.h"
#include "core/Tableau.h"

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>

namespace rk {

// The built-in rows in the order the menus and the comparison list them,
// then the learner's own method.
enum class Method { Euler, Heun, Midpoint, RungeKutta, Own };

struct MethodInfo {
    Method method;
    std::string_view name; // untranslated, for files and tests; an own method's as typed
    Tableau tableau;
    int order; // halving h divides the error by 2^order
    int stages() const { return tableau.stages; }
};

// Euler: one slope, y + h·k1.
struct EulerMethod {
    static constexpr MethodInfo info{Method::Euler, "Euler", {1, {0}, {}, {1}}, 1};
    template <typename RightHandSide>
    static Stages step(const RightHandSide& f, double x, double y, double h)
    {
        Stages s{};
        s.k[0] = f(x, y);
        const double increment = h * s.k[0];
        s.next = y + increment;
        return s;
    }
};

// Heun (improved Euler): the slopes at both ends of the Euler step, averaged.
struct HeunMethod {
    static constexpr MethodInfo info{Method::Heun, "Heun", {2, {0, 1}, {{{}, {1}}}, {0.5, 0.5}}, 2};
    template <typename RightHandSide>
    static Stages step(const RightHandSide& f, double x, double y, double h)
    {
        Stages s{};
        s.k[0] = f(x, y);
        s.k[1] = f(x + h, y + (s.k[0] * h));
        const double sum = s.k[0] + s.k[1];
        const double scaled = h * sum;
        const double increment = scaled / 2;
        s.next = y + increment;
        return s;
    }
};

// The midpoint method: the slope halfway along the Euler step.
struct MidpointMethod {
    static constexpr MethodInfo info{Method::Midpoint, "Midpoint", {2, {0, 0.5}, {{{}, {0.5}}}, {0, 1}}, 2};
    template <typename RightHandSide>
    static Stages step(const RightHandSide& f, double x, double y, double h)
    {
        const double hh = h / 2;
        Stages s{};
        s.k[0] = f(x, y);
        s.k[1] = f(x + hh, y + (s.k[0] * hh));
        const double increment = h * s.k[1];
        s.next = y + increment;
        return s;
    }
};

// The classical fourth-order method, the design's. Its step sums the
// weighted slopes as ((k1 + k4) + 2·(k2 + k3))·h / 6 rather than with the
// tableau's 1/6 and 1/3, which are not exact in binary: the table's digits
// are those of that grouping, and the tableau's own evaluation may differ
// from them in the last bit of a step.
struct RungeKuttaMethod {
    static constexpr MethodInfo info{Method::RungeKutta,
                                     "Runge-Kutta",
                                     {4, {0, 0.5, 0.5, 1}, {{{}, {0.5}, {0, 0.5}, {0, 0, 1}}},
                                      {1.0 / 6, 1.0 / 3, 1.0 / 3, 1.0 / 6}},
                                     4};
    template <typename RightHandSide>
    static Stages step(const RightHandSide& f, double x, double y, double h)
    {
        return rungeKuttaStep(f, x, y, h);
    }
};

// The table: a fifth built-in method is a row above and its place here.
using BuiltInMethods = std::tuple<EulerMethod, HeunMethod, MidpointMethod, RungeKuttaMethod>;

template <typename Rows>
struct InfosOf;
template <typename... Rows>
struct InfosOf<std::tuple<Rows...>> {
    static constexpr std::array<MethodInfo, sizeof...(Rows)> infos{Rows::info...};
};
inline constexpr const auto& kMethods = InfosOf<BuiltInMethods>::infos;

// A method the learner typed: a row like the built-in ones, named as typed
// and stepped through its tableau. Held by shared pointer, so that every
// run made with it keeps it, whatever is typed later.
struct OwnMethod {
    OwnMethod(std::string name, std::string text, const Tableau& tableau, int order)
        : name(std::move(name)), text(std::move(text)), info{Method::Own, this->name, tableau, order}
    {
    }
    OwnMethod(const OwnMethod&) = delete;
    OwnMethod& operator=(const OwnMethod&) = delete;

    const std::string name;
    const std::string text; // the tableau as typed, to edit again
    const MethodInfo info;  // its order: what its conditions promise
};

// The row of `method`: the learner's own with Method::Own (the classical
// one when there is none).
inline const MethodInfo& methodInfo(Method method, const OwnMethod* own = nullptr)
{
    if (method == Method::Own)
        return own ? own->info : RungeKuttaMethod::info;
    return kMethods[static_cast<std::size_t>(method)];
}

template <std::size_t Row = 0, typename Use>
decltype(auto) withBuiltInMethod([[maybe_unused]] Method method, Use&& use)
{
    using Info = std::tuple_element_t<Row, BuiltInMethods>;
    static_assert(Info::info.method == static_cast<Method>(Row), "the rows are in the order of Method");
    if constexpr (Row + 1 < std::tuple_size_v<BuiltInMethods>)
        if (method != Info::info.method)
            return withBuiltInMethod<Row + 1>(method, use);
    return use([](const auto& f, double x, double y, double h) { return Info::step(f, x, y, h); });
}

// Calls `use` with a callable (f, x, y, h) -> Stages for `method`, so that
// a run's loop is compiled once per method with its step inlined and no
// choice is made per pass.
template <typename Use>
decltype(auto) withMethod(Method method, const OwnMethod* own, Use&& use)
{
    if (method == Method::Own && own)
        return withTableauStep(own->info.tableau, use);
    return withBuiltInMethod(method, use);
}

template <typename RightHandSide>
Stages methodStep(Method method, const OwnMethod* own, const RightHandSide& f, double x, double y, double h)
{
    return withMethod(method, own, [&](const auto& step) { return step(f, x, y, h); });
}

} // namespace rk
