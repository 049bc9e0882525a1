#pragma once
// The slope field of y' = f(x, y) over the plot's frame: at every whole
// point of the frame a short stroke, centred on the point and tilted by the
// slope there. The frame's x and y scales are equal, so the stroke's angle
// on the screen is atan(slope).

#include "core/FrameWindow.h"
#include "core/Segment.h"

#include <functional>
#include <vector>

namespace rk {

// How long a stroke is on the screen.
inline constexpr double kSlopeStrokePixels = 12;

// The strokes, whole even at the window's edges, where the picture cuts
// them; `unitsPerPixel` sets their length.
// Where the slope is not finite, or has no value, there is no stroke.
std::vector<Segment> slopeField(const std::function<double(double x, double y)>& slope, double unitsPerPixel);

} // namespace rk
