#pragma once
// What a results row's step was made of: its equation, its slopes and
// the next ordinate, computed again from the row's exact numbers so that
// they are the very values the run used. Nothing of it is kept per row.

#include "core/ReferenceSolution.h"
#include "core/ResultsTable.h"

#include <QString>

#include <cstddef>
#include <optional>
#include <string>

namespace rk {

// How far a row is from the truth: its run's exact solution or reference
// at the row's x, or why there is none.
struct RowTruth {
    ReferenceKind kind = ReferenceKind::Exact;
    double accuracy = kExactAccuracy;
    std::string formula;         // with an exact one: the closed form's text
    std::optional<double> value; // none where the reference stopped before the row
    ReferenceStop stop = ReferenceStop::None;
    double stoppedAt = 0;
};

// The step from row `index` of `table`, one fact a line, in the user's
// language: the equation as the equation list shows it, x and y as the row
// lists them, then the method's slopes k1, k2, … and y(x + h) with five
// decimals, each with its formula from the method's tableau.
// With a truth: then the exact or reference y there, the error and the
// relative error, and where the values come from.
QString explainStep(const ResultsTable& table, std::size_t index, const std::optional<RowTruth>& truth = std::nullopt);

} // namespace rk
