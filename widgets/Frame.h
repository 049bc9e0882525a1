#pragma once
// The fixed coordinate frame of the plot: x from -2 to 18, y from 10 to -10,
// both axes through the origin and a tick at every whole unit.

#include "widgets/PictureBox.h"

#include <string_view>

namespace rk {

enum class FrameVariant {
    StartUp, // prints the title, sets the scale, draws a magenta x axis
    Redraw,  // after Cls: axes in the fore colour, ticks from -10
};

inline constexpr std::string_view kFrameTitle = " Integral by Simpson's Formula";

void DrawFrame(PictureBox& picture, FrameVariant variant);

} // namespace rk
