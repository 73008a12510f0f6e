#pragma once

// Twips are 1/20 point. The document keeps margins in pixels of a 96 dpi
// screen, as the rich-edit control does, so one pixel is 15 twips.
inline constexpr double kTwipsPerPixel = 15.0;
inline constexpr double kPixelsPerPoint = 96.0 / 72.0;
