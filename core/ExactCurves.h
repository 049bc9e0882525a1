#pragma once
// Each run's exact (or reference) solution as the plot draws it: straight
// segments from row to row of the run, beneath its points.

#include "core/FrameWindow.h"
#include "core/ResultsTable.h"
#include "core/Segment.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

namespace rk {

// The true y of table line `line`, nothing where it has none.
using TrueValueAt = std::function<std::optional<double>(std::size_t line)>;

// A segment joins two neighbouring rows of one run that both have a true
// value; runs are never joined to each other. A run ends at its first row
// right of `right`, so that a long run costs its first few hundred rows only.
std::vector<Segment> exactCurves(const ResultsTable& table, const TrueValueAt& truth, double right = kFrameRight);

} // namespace rk
