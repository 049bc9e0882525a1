#pragma once
// What a solution run draws and lists on. The picture box and the list box
// implement these; tests record into them.

#include "ui/Palette.h"

#include <string_view>

namespace rk {

class PointSink {
public:
    virtual ~PointSink() = default;
    virtual void PSet(float x, float y, Rgb colour) = 0;
};

class LineSink {
public:
    virtual ~LineSink() = default;
    virtual void AddItem(std::string_view text) = 0;
};

} // namespace rk
