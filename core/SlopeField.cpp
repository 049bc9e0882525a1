#include "core/SlopeField.h"

#include <cmath>

namespace rk {

std::vector<Segment> slopeField(const std::function<double(double x, double y)>& slope, double unitsPerPixel)
{
    const double half = kSlopeStrokePixels / 2 * unitsPerPixel;
    std::vector<Segment> strokes;
    strokes.reserve((kFrameRight - kFrameLeft + 1) * (kFrameTop - kFrameBottom + 1));
    for (int x = kFrameLeft; x <= kFrameRight; ++x) {
        for (int y = kFrameBottom; y <= kFrameTop; ++y) {
            const double m = slope(x, y);
            if (!std::isfinite(m))
                continue;
            const double angle = std::atan(m);
            const double dx = half * std::cos(angle), dy = half * std::sin(angle);
            strokes.push_back({x - dx, y - dy, x + dx, y + dy});
        }
    }
    return strokes;
}

} // namespace rk
