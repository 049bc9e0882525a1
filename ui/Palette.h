#pragma once

#include <cstdint>

namespace rk {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(Rgb, Rgb) = default;
};

// The 16-colour palette; indices wrap modulo 16.
Rgb paletteColor(int index);

} // namespace rk
