#pragma once
// The true solution, or one computed far more finely than a run's, at each
// row of a run: what shows how far the run's y is from the truth. Made only
// when asked for; a run never waits for it.

#include "core/Catalogue.h"
#include "core/WorkControl.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace rk {

enum class ReferenceKind {
    Exact,    // the closed form, in doubles
    Computed, // an adaptive eighth-order integration
};

// Why the reference ends before the run's last row.
enum class ReferenceStop {
    None,
    NotFinite,    // the solution leaves the doubles' range, as past a pole (a row on the
                  // pole itself gets the largest value the steps could reach before it)
    NoValue,      // the slope has no value there (sqrt(-1), log(0), 0/0)
    TooManySteps, // the integration could not get on within its bound of work
    Cancelled,
};

// How close the values are to the true solution, relative to its size, or
// near a zero of y to how much y changes over a row: rounding in the closed
// forms, the integration's error out to x = 10 in the computed one
// (measured against the closed forms and 30-digit values of equation 6).
inline constexpr double kExactAccuracy = 1e-14;
inline constexpr double kComputedAccuracy = 1e-12;

// A reference's WorkControl hears of the rows done every kProgressRows
// rows and once at the end, out of the rows asked for.
inline constexpr std::int64_t kProgressRows = 4096;

struct ReferenceRun {
    ReferenceKind kind = ReferenceKind::Exact;
    double accuracy = kExactAccuracy;
    std::vector<double> values;        // y at row i's x, i = 0 .. values.size() - 1: each finite
    ReferenceStop stop = ReferenceStop::None;
    double stoppedAt = 0;              // with a stop: the x of the first row without a value
};

// The reference at the rows abscissa(x1, i, h), i = 0 .. rows - 1, of a run of
// `equation` from (x1, y1): the closed form where there is one, computed
// otherwise. h > 0.
ReferenceRun referenceSolution(const Equation& equation, double x1, double y1, double h, std::int64_t rows,
                               const WorkControl& control = {});

// The computed one, whether or not there is a closed form: the closed forms
// are how it is checked.
ReferenceRun computedReference(const Equation& equation, double x1, double y1, double h, std::int64_t rows,
                               const WorkControl& control = {});

// y - y(x) over |y(x)|: none where the reference is 0.
std::optional<double> relativeError(double y, double reference);

} // namespace rk
