#pragma once
// What a results row's step was made of: its equation, the four slopes and
// the next ordinate, computed again from the row's exact numbers so that
// they are the very values the run used. Nothing of it is kept per row.

#include "core/ResultsTable.h"

#include <QString>

#include <cstddef>

namespace rk {

// The step from row `index` of `table`, one fact a line, in the user's
// language: the equation as the equation list shows it, x and y as the row
// lists them, then k1 to k4 and y(x + h) with five decimals.
QString explainStep(const ResultsTable& table, std::size_t index);

} // namespace rk
