#pragma once

#include <array>
#include <cstdint>

namespace rk {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(Rgb, Rgb) = default;
};

// The 16-colour palette; indices wrap modulo 16.
constexpr Rgb paletteColor(int index)
{
    constexpr std::array<Rgb, 16> kPalette{{
        {0, 0, 0},       {0, 0, 128},   {0, 128, 0},   {0, 128, 128},
        {128, 0, 0},     {128, 0, 128}, {128, 128, 0}, {192, 192, 192},
        {128, 128, 128}, {0, 0, 255},   {0, 255, 0},   {0, 255, 255},
        {255, 0, 0},     {255, 0, 255}, {255, 255, 0}, {255, 255, 255},
    }};
    return kPalette[static_cast<unsigned>(index) % kPalette.size()];
}

} // namespace rk
