#include "ui/Palette.h"

#include <array>

namespace rk {

Rgb paletteColor(int index)
{
    static constexpr std::array<Rgb, 16> kPalette{{
        {0, 0, 0},       {0, 0, 128},   {0, 128, 0},   {0, 128, 128},
        {128, 0, 0},     {128, 0, 128}, {128, 128, 0}, {192, 192, 192},
        {128, 128, 128}, {0, 0, 255},   {0, 255, 0},   {0, 255, 255},
        {255, 0, 0},     {255, 0, 255}, {255, 255, 0}, {255, 255, 255},
    }};
    return kPalette[static_cast<unsigned>(index) % kPalette.size()];
}

} // namespace rk
