#pragma once
// Every colour the program shows, in one place and one form.

#include <QRgb>

#include <array>

namespace rk {

// The classic 16-colour palette that the design's colour numbers index;
// indices wrap modulo 16.
constexpr QRgb paletteColor(int index)
{
    constexpr std::array<QRgb, 16> kPalette{
        qRgb(0, 0, 0),       qRgb(0, 0, 128),   qRgb(0, 128, 0),   qRgb(0, 128, 128),
        qRgb(128, 0, 0),     qRgb(128, 0, 128), qRgb(128, 128, 0), qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(0, 0, 255),   qRgb(0, 255, 0),   qRgb(0, 255, 255),
        qRgb(255, 0, 0),     qRgb(255, 0, 255), qRgb(255, 255, 0), qRgb(255, 255, 255),
    };
    return kPalette[static_cast<unsigned>(index) % kPalette.size()];
}

// A run's points; the legend above the plot shows the same two.
inline constexpr QRgb kSolutionColour = paletteColor(12); // light red
inline constexpr QRgb kSlopeColour = paletteColor(9);     // light blue
// The start-up frame's x axis.
inline constexpr QRgb kStartUpAxisColour = paletteColor(5); // magenta

// The slope field: a light grey that the pale cyan background, the red and
// blue points and the dark grey frame all stay distinct from.
inline constexpr QRgb kSlopeFieldColour = paletteColor(7);

// The exact or reference solution's curve: a dark green, apart from the
// red and blue points, the grey field and frame and the pale cyan background.
inline constexpr QRgb kExactCurveColour = qRgb(0, 110, 40);

// The window's own colours.
inline constexpr QRgb kPaleGreen = qRgb(192, 255, 192);
inline constexpr QRgb kLightGreen = qRgb(128, 255, 128);
inline constexpr QRgb kLightCyan = qRgb(128, 255, 255);
inline constexpr QRgb kDarkGrey = qRgb(64, 64, 64);

// A picture box before its design colours it: the toolkit's plain paper and ink.
inline constexpr QRgb kPaperWhite = qRgb(255, 255, 255);
inline constexpr QRgb kInkBlack = qRgb(0, 0, 0);

// A comparison row whose error tells nothing of the method's order: a pale
// amber that reads as "take care", under black text whatever the theme.
inline constexpr QRgb kMarkedRowColour = qRgb(255, 236, 190);
inline constexpr QRgb kMarkedRowTextColour = kInkBlack;

// The comparison chart's guides of slope 1, 2 and 4: grey, beneath the methods' colours.
inline constexpr QRgb kGuideColour = qRgb(160, 160, 164);

// Where a typed equation goes wrong: a pale red behind the place, a red wave beneath it.
inline constexpr QRgb kWrongPlaceColour = qRgb(255, 200, 200);
inline constexpr QRgb kWrongPlaceLineColour = qRgb(255, 0, 0);

} // namespace rk
