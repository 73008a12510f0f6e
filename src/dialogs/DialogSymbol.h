#pragma once

#include <QPixmap>

// The pictures of the dialogs: a blue disc with a white sign, drawn here
// rather than shipped as bitmaps.
namespace DialogSymbol {

// A question mark on a blue disc, 46 x 52 with the disc at the top.
QPixmap question();
// A 16 x 16 blue disc with a white letter i.
QPixmap information();

} // namespace DialogSymbol
