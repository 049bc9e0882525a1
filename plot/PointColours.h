#pragma once
// The colours of a run's points, which the legend above the plot shows.

#include "ui/Palette.h"

namespace rk {

inline constexpr Rgb kSolutionColour = paletteColor(12); // light red
inline constexpr Rgb kSlopeColour = paletteColor(9);     // light blue

} // namespace rk
