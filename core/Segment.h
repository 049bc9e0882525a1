#pragma once
// A straight line from (x1, y1) to (x2, y2), and its clipping to a box.

namespace rk {

struct Segment {
    double x1, y1, x2, y2;
    friend bool operator==(const Segment&, const Segment&) = default;
};

// Cuts `s` to the part inside [left, right] x [bottom, top] (Liang-Barsky);
// false when nothing of it is inside. A cut end is put exactly on the edge
// it was cut at, so that rounding cannot move an axis-parallel line off its
// row or column.
inline bool clipSegment(Segment& s, double left, double right, double bottom, double top)
{
    const double dx = s.x2 - s.x1, dy = s.y2 - s.y1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {s.x1 - left, right - s.x1, s.y1 - bottom, top - s.y1};
    const double edge[4] = {left, right, bottom, top};
    double t0 = 0.0, t1 = 1.0;
    int enter = -1, leave = -1;
    for (int k = 0; k < 4; ++k) {
        if (p[k] == 0.0) {
            if (q[k] < 0.0)
                return false;
            continue;
        }
        const double t = q[k] / p[k];
        if (p[k] < 0.0 && t > t0) {
            t0 = t;
            enter = k;
        } else if (p[k] > 0.0 && t < t1) {
            t1 = t;
            leave = k;
        }
        if (t0 > t1)
            return false;
    }
    const double ox = s.x1, oy = s.y1;
    const auto place = [&](int side, double t, double& x, double& y) {
        if (side < 0)
            return;
        x = side < 2 ? edge[side] : ox + t * dx;
        y = side < 2 ? oy + t * dy : edge[side];
    };
    place(enter, t0, s.x1, s.y1);
    place(leave, t1, s.x2, s.y2);
    return true;
}

} // namespace rk
