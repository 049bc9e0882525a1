#include "core/Solve.h"

#include "core/Catalogue.h"
#include "core/CleanVectorState.h"

#include <cfloat>
#include <cmath>

namespace rk {
namespace {

// A point that single precision cannot hold (beyond about 3.4e38, or not
// finite) is left out; the run goes on.
void plot(PointSink& picture, double x, double y, PointKind kind)
{
    // The comparisons are false for NaN as well as for magnitudes past FLT_MAX.
    if (std::fabs(x) <= FLT_MAX && std::fabs(y) <= FLT_MAX)
        picture.PSet(static_cast<float>(x), static_cast<float>(y), kind);
}

RunReport refused(Refusal why)
{
    RunReport report;
    report.outcome = RunOutcome::Refused;
    report.refusal = why;
    return report;
}

RunReport stopped(Stop why, double x, std::int64_t linesListed)
{
    RunReport report;
    report.outcome = RunOutcome::Stopped;
    report.stop = why;
    report.stoppedAt = x;
    report.linesListed = linesListed;
    return report;
}


// The passes i = 0 .. last: plot, list, step. The right-hand side is a
// template argument so that it is inlined into the loop. A typed equation
// may have no value where the built-in ones always have one; its run stops
// at the row whose step has a slope that is not finite.
template <typename RightHandSide, typename Step>
RunReport run(const RightHandSide& f, const Step& methodStep, const FormValues& form, const TypedEquation* own,
              std::int64_t last, PointSink& picture, ResultsTable& table)
{
    const double x1 = form.x1, h = form.h;
    const Tableau& tableau = methodInfo(form.method, form.ownMethod.get()).tableau;
    std::int64_t listed = 0;
    double y = form.y1;
    for (std::int64_t i = 0; i <= last; ++i) {
        const double x = abscissa(x1, i, h);
        const Stages step = methodStep(f, x, y, h);
        plot(picture, x, y, PointKind::Solution);
        plot(picture, x, step.k[0], PointKind::Slope);
        if (!std::isfinite(x) || !std::isfinite(y))
            return stopped(Stop::BeyondRange, x, listed);
        table.append(y);
        ++listed;
        if (own)
            if (const auto problem = slopeProblem(own, tableau, x, y, h, step))
                return stopped(problem->why, x, listed);
        y = step.next;
    }
    RunReport report;
    report.linesListed = listed;
    return report;
}

} // namespace

bool isValidStep(double h) { return h >= kMinStep && h <= kMaxStep; }

std::optional<SlopeProblem> slopeProblem(const TypedEquation* own, const Tableau& method, double x, double y,
                                         double h, const Stages& step)
{
    for (int stage = 0; stage < method.stages; ++stage) {
        const double k = step.k[static_cast<std::size_t>(stage)];
        if (std::isfinite(k))
            continue;
        const StagePoint at = stagePoint(method, stage, x, y, h, step);
        const bool overflowed =
            !own || std::isinf(k) || !std::isfinite(at.y) || own->program.overflowsAt(at.x, at.y);
        return SlopeProblem{stage, overflowed ? Stop::BeyondRange : Stop::NoSlope};
    }
    return std::nullopt;
}

bool countsAsWhole(double n)
{
    const double whole = std::round(n);
    return std::fabs(n - whole) <= 1e-9 * std::fabs(whole);
}

std::int64_t lastPassOf(double n)
{
    if (!(n > -1)) // x2 left of x1, as far as it may be
        return -1;
    return static_cast<std::int64_t>(countsAsWhole(n) ? std::round(n) : std::floor(n));
}

RunReport Solve(const FormValues& form, PointSink& picture, ResultsTable& table)
{
    cleanVectorState();
    const int number = form.eqNo;
    const Equation equation{number, number == kOwnEquation ? form.own : nullptr};
    const double x1 = form.x1, y1 = form.y1, x2 = form.x2;

    if (!isValidStep(form.h))
        return refused(Refusal::StepNotValid);
    if (!std::isfinite(x1) || !std::isfinite(x2))
        return refused(Refusal::InputNotFinite);
    const double n = (x2 - x1) / form.h;
    // Finite ends far apart make n infinite: too many as well.
    if (!(n < static_cast<double>(kMaxPasses) + 1) || lastPassOf(n) >= kMaxPasses)
        return refused(Refusal::TooManyPasses);
    const std::int64_t last = lastPassOf(n);
    if (!std::isfinite(y1))
        return refused(Refusal::StartNotFinite);

    return withRightHandSide(number, equation.own.get(), [&](const auto& f) {
        plot(picture, x1, y1, PointKind::Solution);
        plot(picture, x1, f(x1, y1), PointKind::Slope);
        if (last < 0)
            return refused(Refusal::EndBeforeStart);
        table.beginRun(equation, x1, n, last, form.h, form.method, form.ownMethod, x2);
        return withMethod(form.method, form.ownMethod.get(), [&](const auto& step) {
            return run(f, step, form, equation.own.get(), last, picture, table);
        });
    });
}

} // namespace rk
