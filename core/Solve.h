#pragma once
// A run of y' = f(x, y): the classical fourth-order Runge-Kutta method at
// the step 0.05 unless the learner chose another method or step.

#include "core/Methods.h"
#include "core/ResultsTable.h"
#include "core/PointSink.h"

#include <cstdint>
#include <memory>
#include <optional>

namespace rk {

// The values the window takes over from its list and input boxes.
// A number not yet confirmed is 0, as is the equation before any is chosen.
struct FormValues {
    int eqNo = 0;    // selected equation, 1..6, or kOwnEquation; 0 for none
    double x1 = 0;   // start abscissa
    double y1 = 0;   // initial ordinate y(x1)
    double x2 = 0;   // final abscissa
    std::shared_ptr<const TypedEquation> own = nullptr; // the equation the user typed, if any
    double h = kStep;                                   // the step
    Method method = Method::RungeKutta;
    std::shared_ptr<const OwnMethod> ownMethod = nullptr; // the method the user typed, if any
};

// The steps a learner may choose. Below the least, x1 + h would round back
// to x1 for many an x1 a learner types; past the greatest a run is one row.
inline constexpr double kMinStep = 1e-9;
inline constexpr double kMaxStep = 1e9;
// Whether h can be a run's step: from kMinStep to kMaxStep.
bool isValidStep(double h);

// A run of more passes than this is refused before it starts.
inline constexpr std::int64_t kMaxPasses = 1'000'000;

// The last pass of a run with (x2 - x1) / h = n: the passes are i = 0 ..
// lastPassOf(n), and none when it is negative. In doubles n often comes out
// a hair below the whole number a learner means (0.3 / 0.05 is
// 5.999999999999999), which would lose x2's row; within a relative 1e-9 of
// a whole number n counts as that number, and elsewhere the run stops at
// the last step that does not pass x2.
std::int64_t lastPassOf(double n);
// True when n is within that relative 1e-9 of a whole number, or is one.
bool countsAsWhole(double n);

enum class RunOutcome {
    Completed, // every pass drawn and listed
    Stopped,   // see Stop; what came before stays
    Refused,   // nothing listed, and nothing drawn but for EndBeforeStart
};

enum class Stop {
    None,
    BeyondRange, // the numbers left the finite range: the solution may blow up there
    NoSlope,     // an own equation's slope has no value (sqrt(-1), log(0), 0/0)
};

enum class Refusal {
    None,
    InputNotFinite, // x1 or x2 is infinite
    StartNotFinite, // y1 is infinite
    TooManyPasses,  // more than kMaxPasses passes, however many more
    EndBeforeStart, // x2 lies left of x1: only the start points are drawn
    StepNotValid,   // h lies outside kMinStep .. kMaxStep
};

// What happened, for the window to put into words in the user's language.
struct RunReport {
    RunOutcome outcome = RunOutcome::Completed;
    std::int64_t linesListed = 0;
    Stop stop = Stop::None;          // Stopped: why
    double stoppedAt = 0;            // Stopped: the x of the pass that left the finite range, or of the
                                     // row whose slope has no value
    Refusal refusal = Refusal::None; // Refused: why
};

// The first of a step's slopes that is not finite, 0 for k1,
// and why: beyond the range when it, the point it was taken at or a value on
// the way to it is infinite; no value when a typed equation has none there.
// The built-in equations have a value wherever their numbers are finite.
struct SlopeProblem {
    int stage;
    Stop why;
};
std::optional<SlopeProblem> slopeProblem(const TypedEquation* own, const Tableau& method, double x, double y,
                                         double h, const Stages& step);

// Integrates y' = f(x, y), y(x1) = y1 from x1 towards x2 with the form's
// method and step. Per pass it plots
// the solution point in light red and the slope point in light blue, then
// lists x and y. Never clears what earlier runs drew or listed.
RunReport Solve(const FormValues& form, PointSink& picture, ResultsTable& table);

} // namespace rk
