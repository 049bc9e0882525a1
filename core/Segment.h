#pragma once
// A straight line from (x1, y1) to (x2, y2).

namespace rk {

struct Segment {
    double x1, y1, x2, y2;
};

} // namespace rk
