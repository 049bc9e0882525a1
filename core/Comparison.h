#pragma once
// Each method at a ladder of steps h, all from x1 to the same x2, measured
// against the true y(x2): how the error falls as h is halved shows a
// method's order, and where it stops falling shows the limits of the
// computer's arithmetic and of the method's stability.

#include "core/Catalogue.h"
#include "core/Methods.h"
#include "core/ReferenceSolution.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace rk {

struct ComparisonProblem {
    Equation equation;
    double x1 = 0, y1 = 1, x2 = 1;
    std::shared_ptr<const OwnMethod> ownMethod = nullptr; // compared after the built-in methods, if any
};

// Each half the one before, so that neighbouring rows show what halving h does.
inline constexpr std::array<double, 7> kComparisonSteps{0.4, 0.2, 0.1, 0.05, 0.025, 0.0125, 0.00625};

// The default ladder with `larger` doublings above its top and `smaller`
// halvings below its bottom, largest h first.
std::vector<double> comparisonSteps(int larger = 0, int smaller = 0);

// Why a row's error tells nothing about the method's order.
enum class RowMark {
    None,
    Rounding,        // the error is down at the arithmetic's (or a computed truth's) limit and stopped falling
    BeyondStability, // the numbers grow where the solution does not, or leave the finite range
    NoValue,         // a typed equation's slope has no value on the way (sqrt(-1), log(0))
    NoTrueValue,     // the solution itself has no finite value at x2, as past a pole
    TooManySteps,    // more than kMaxPasses steps: not run
};

struct ComparisonRow {
    Method method = Method::RungeKutta;
    double h = 0;
    std::int64_t steps = 0;
    bool lastStepShortened = false; // x2 - x1 is no whole number of steps h
    std::optional<double> y;        // at x2
    std::optional<double> error;    // y - y(x2)
    std::optional<double> ratio;    // |error at 2h| / |error at h|
    std::optional<double> order;    // log2(ratio)
    RowMark mark = RowMark::None;
    double markedAt = 0; // NoValue, and BeyondStability by leaving the range: the x of that step
};

struct MethodSummary {
    Method method = Method::RungeKutta;
    std::optional<double> order;            // the median of the rows' orders where nothing interferes
    std::optional<double> unstableFrom;     // the smallest h beyond the stability limit
    std::optional<double> roundingFrom;     // the largest h at which rounding has taken over
    bool exactUpToRounding = false;         // every error at the rounding level
};

struct Comparison {
    std::optional<double> truth; // y(x2)
    double truthAccuracy = 0;    // relative, as ReferenceRun gives it
    ReferenceStop truthStop = ReferenceStop::None;
    std::vector<ComparisonRow> rows; // method by method as the summaries list them, largest h first
    std::vector<MethodSummary> summaries; // one per method compared, in the rows' order
    std::shared_ptr<const OwnMethod> ownMethod; // the problem's, named by rows of Method::Own
    bool cancelled = false;
    const MethodInfo& methodInfo(Method method) const { return rk::methodInfo(method, ownMethod.get()); }
    bool everyMethodExact() const
    {
        if (rows.empty())
            return false;
        for (const MethodSummary& summary : summaries)
            if (!summary.exactUpToRounding)
                return false;
        return true;
    }
};

// x2 > x1 and finite, y1 finite; otherwise no rows. `control` hears how
// many of the rows are done and is polled every few thousand steps.
Comparison compare(const ComparisonProblem& problem, const std::vector<double>& steps,
                   const WorkControl& control = {});

// The level below which an error of a run of `steps` steps on numbers of
// size `scale` is rounding rather than the method's.
double roundingLevel(std::int64_t steps, double scale);

} // namespace rk
