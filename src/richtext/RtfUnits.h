#pragma once

#include <QFont>

// Twips are 1/20 point. The document keeps margins in pixels of a 96 dpi
// screen, as the rich-edit control does, so one pixel is 15 twips.
inline constexpr double kTwipsPerPixel = 15.0;
inline constexpr double kPixelsPerPoint = 96.0 / 72.0;

// A font's size in points, also for a font set in pixels (13 px is 9.75
// points); 0 when it has neither.
inline double pointsOf(const QFont &font)
{
    if (font.pointSizeF() > 0)
        return font.pointSizeF();
    return font.pixelSize() > 0 ? font.pixelSize() / kPixelsPerPoint : 0;
}
