#pragma once

#include <QColor>
#include <cstdint>

class QPalette;

// A colour as the program stores it: 0x00BBGGRR for a plain colour,
// 0xFF0000nn for a system colour, clNone for "no complete colour".
using TColor = std::uint32_t;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clBtnFace = 0xFF00000F;
inline constexpr TColor clBtnShadow = 0xFF000010;
inline constexpr TColor clBtnHighlight = 0xFF000014;
inline constexpr TColor clWindow = 0xFF000005;

// The colour to paint with. System colours resolve through the palette
// (clBtnFace is the palette's button colour). clNone, which no valid
// setting holds, paints as the button colour, so a clock with a broken
// colour shows the window background instead of a stray colour.
QColor toQColor(TColor colour, const QPalette &palette);
