#pragma once
// What a solution run draws on. The picture box implements it; tests
// record into it.

#include "ui/Palette.h"

namespace rk {

class PointSink {
public:
    virtual ~PointSink() = default;
    virtual void PSet(float x, float y, Rgb colour) = 0;
};

} // namespace rk
