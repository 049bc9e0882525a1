#pragma once
// What a solution run draws on. The run says what each point is; the
// picture box gives it its colour, and tests record it.

namespace rk {

enum class PointKind {
    Solution, // (x, y)
    Slope,    // (x, f(x, y))
};

class PointSink {
public:
    virtual ~PointSink() = default;
    virtual void PSet(float x, float y, PointKind kind) = 0;
};

} // namespace rk
