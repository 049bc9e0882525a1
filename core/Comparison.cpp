#include "core/Comparison.h"

#include "core/CleanVectorState.h"
#include "core/Solve.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace rk {
namespace {

constexpr std::int64_t kPollSteps = 4096;

struct Integration {
    std::optional<double> y;
    RowMark mark = RowMark::None;
    double markedAt = 0;
    bool cancelled = false;
};

// Steps x_i = x1 + i·h, the last one ending on x2 itself whatever its
// length, so that every h is measured at the same x.
template <typename RightHandSide, typename Step>
Integration integrate(const RightHandSide& f, const Step& step, const Tableau& method, const TypedEquation* own,
                      const ComparisonProblem& problem, double h, std::int64_t steps,
                      const WorkControl& control)
{
    Integration result;
    double y = problem.y1;
    for (std::int64_t i = 0; i < steps; ++i) {
        if (i % kPollSteps == kPollSteps - 1 && control.cancelled()) {
            result.cancelled = true;
            return result;
        }
        const double x = abscissa(problem.x1, i, h);
        const double length = i + 1 == steps ? problem.x2 - x : h;
        const Stages s = step(f, x, y, length);
        if (own)
            if (const auto problemHere = slopeProblem(own, method, x, y, length, s)) {
                result.mark = problemHere->why == Stop::NoSlope ? RowMark::NoValue : RowMark::BeyondStability;
                result.markedAt = x;
                return result;
            }
        if (!std::isfinite(s.next)) {
            result.mark = RowMark::BeyondStability;
            result.markedAt = x;
            return result;
        }
        y = s.next;
    }
    result.y = y;
    return result;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    if (values.size() % 2 == 1)
        return values[middle];
    const double sum = values[middle - 1] + values[middle];
    return sum / 2;
}

// The rows of one method, largest h first, once each has its y.
void judge(std::vector<ComparisonRow>::iterator first, std::vector<ComparisonRow>::iterator last,
           const ComparisonProblem& problem, double truth, double truthAccuracy, MethodSummary& summary)
{
    const int order = methodInfo(summary.method, problem.ownMethod.get()).order;
    const double size = std::max(std::fabs(problem.y1), std::fabs(truth));
    bool everyAtRounding = true;
    std::vector<double> orders;
    for (auto row = first; row != last; ++row) {
        if (!row->y) {
            everyAtRounding = false;
            continue;
        }
        row->error = *row->y - truth;
        const double magnitude = std::fabs(*row->error);
        if (row != first) {
            const auto previous = row - 1;
            if (previous->error && previous->h == 2 * row->h && *previous->error != 0 && magnitude != 0) {
                row->ratio = std::fabs(*previous->error) / magnitude;
                row->order = std::log2(*row->ratio);
            }
        }
        // The arithmetic rounds each of a step's few operations to about
        // eps relative to the numbers' size; over N steps that adds up to
        // at most a few N·eps, and 10·N·eps leaves room for the closed
        // form's own rounding and the stages' larger intermediate values.
        // A computed truth is itself only so close, and below that no error
        // can be told apart either. Tried on the six equations from (0, 1)
        // to 1 and to 20: every Runge-Kutta error at x = 1 from h = 0.00625
        // up stays well above it, and the errors below h = 0.001 wander
        // within it.
        const double scale = std::max(size, std::fabs(*row->y));
        const double level = std::max(roundingLevel(row->steps, scale), truthAccuracy * scale);
        const bool atRounding = magnitude <= level;
        everyAtRounding = everyAtRounding && atRounding;
        // Twice the size of both the start and the truth, or no longer
        // finite: the numbers grow by themselves, which only a step beyond
        // the stability limit makes them do when the solution does not.
        // Where start and truth are both 0 any error would look like growth,
        // so growth must also dwarf the error at half the step by far more
        // than the order allows (16 times what halving should give).
        if (std::fabs(*row->y) > 2 * size) {
            const auto next = row + 1;
            const bool alone = next == last || !next->y || next->h * 2 != row->h;
            const bool outgrows = alone || magnitude > 16 * std::ldexp(std::fabs(*next->y - truth), order);
            if (outgrows)
                row->mark = RowMark::BeyondStability;
        }
        // At the rounding level, and halving h no longer gains what the
        // order promises (more than one order short), or nothing to measure.
        if (row->mark == RowMark::None && atRounding && (!row->order || *row->order < order - 1))
            row->mark = RowMark::Rounding;
    }
    for (auto row = first; row != last; ++row) {
        if (row->mark == RowMark::BeyondStability && (!summary.unstableFrom || row->h < *summary.unstableFrom))
            summary.unstableFrom = row->h;
        if (row->mark == RowMark::Rounding && (!summary.roundingFrom || row->h > *summary.roundingFrom))
            summary.roundingFrom = row->h;
        // An order counts only between two rows that nothing interferes with.
        if (row != first && row->order && row->mark == RowMark::None && (row - 1)->mark == RowMark::None)
            orders.push_back(*row->order);
    }
    if (!orders.empty())
        summary.order = median(std::move(orders));
    summary.exactUpToRounding = everyAtRounding && first != last;
}

} // namespace

std::vector<double> comparisonSteps(int larger, int smaller)
{
    std::vector<double> steps;
    for (int i = std::max(larger, 0); i > 0; --i)
        steps.push_back(std::ldexp(kComparisonSteps.front(), i));
    steps.insert(steps.end(), kComparisonSteps.begin(), kComparisonSteps.end());
    for (int i = 1; i <= std::max(smaller, 0); ++i)
        steps.push_back(std::ldexp(kComparisonSteps.back(), -i));
    return steps;
}

double roundingLevel(std::int64_t steps, double scale)
{
    const double n = static_cast<double>(std::max<std::int64_t>(steps, 1));
    const double units = 10 * n;
    const double relative = units * DBL_EPSILON;
    return relative * scale;
}

Comparison compare(const ComparisonProblem& problem, const std::vector<double>& steps,
                   const WorkControl& control)
{
    Comparison comparison;
    comparison.ownMethod = problem.ownMethod;
    for (const MethodInfo& info : kMethods)
        comparison.summaries.emplace_back().method = info.method;
    if (problem.ownMethod)
        comparison.summaries.emplace_back().method = Method::Own;
    const double x1 = problem.x1, x2 = problem.x2, y1 = problem.y1;
    if (!(x2 > x1) || !std::isfinite(x1) || !std::isfinite(x2) || !std::isfinite(y1))
        return comparison;
    cleanVectorState();

    const ReferenceRun reference = referenceSolution(problem.equation, x1, y1, x2 - x1, 2, {control.cancel, {}});
    if (reference.stop == ReferenceStop::Cancelled) {
        comparison.cancelled = true;
        return comparison;
    }
    if (reference.values.size() == 2) {
        comparison.truth = reference.values[1];
        comparison.truthAccuracy = reference.accuracy;
    }
    else
        comparison.truthStop = reference.stop;

    const std::size_t total = comparison.summaries.size() * steps.size();
    const TypedEquation* own = problem.equation.number == kOwnEquation ? problem.equation.own.get() : nullptr;
    for (std::size_t m = 0; m < comparison.summaries.size(); ++m) {
        const Method method = comparison.summaries[m].method;
        const Tableau& tableau = comparison.methodInfo(method).tableau;
        const std::size_t first = comparison.rows.size();
        for (const double h : steps) {
            ComparisonRow row;
            row.method = method;
            row.h = h;
            const double n = (x2 - x1) / h;
            // A whole number of steps within rounding ends its last step on
            // x2 at nearly h; otherwise one more, shorter step reaches x2.
            const bool whole = countsAsWhole(n);
            if (!(n <= static_cast<double>(kMaxPasses) + 1)) {
                row.mark = RowMark::TooManySteps;
            } else {
                row.steps = whole ? std::max<std::int64_t>(std::llround(n), 1)
                                  : static_cast<std::int64_t>(std::floor(n)) + 1;
                row.lastStepShortened = !whole;
                if (row.steps > kMaxPasses)
                    row.mark = RowMark::TooManySteps;
            }
            if (row.mark == RowMark::None) {
                const Integration run = withRightHandSide(problem.equation.number, own, [&](const auto& f) {
                    return withMethod(method, problem.ownMethod.get(), [&](const auto& step) {
                        return integrate(f, step, tableau, own, problem, h, row.steps, control);
                    });
                });
                if (run.cancelled) {
                    comparison.cancelled = true;
                    return comparison;
                }
                row.y = run.y;
                row.mark = run.mark;
                row.markedAt = run.markedAt;
            }
            if (!comparison.truth && row.mark == RowMark::None)
                row.mark = RowMark::NoTrueValue;
            comparison.rows.push_back(row);
            control.report(static_cast<std::int64_t>(comparison.rows.size()), static_cast<std::int64_t>(total));
            if (control.cancelled()) {
                comparison.cancelled = true;
                return comparison;
            }
        }
        if (comparison.truth)
            judge(comparison.rows.begin() + static_cast<std::ptrdiff_t>(first), comparison.rows.end(), problem,
                  *comparison.truth, comparison.truthAccuracy, comparison.summaries[m]);
    }
    return comparison;
}

} // namespace rk
