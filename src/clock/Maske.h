#pragma once

#include <QImage>
#include <QRegion>

// The part of a picture that shows through a window mask of the key colour,
// in logical pixels: a window on a scaled screen paints more device pixels
// than it has logical ones, and a window mask counts logical ones. A logical
// pixel shows when the device pixel at its centre holds another colour than
// the key. The picture's device pixel ratio tells the scale.
QRegion SynligDel(const QImage &billede, QRgb noegle);
