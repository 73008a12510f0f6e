#pragma once

#include "base/TColor.h"

#include <QColor>
#include <QList>
#include <QPoint>

class QPainter;
class QPalette;

// How a clock control meets what lies behind it. Skarp draws without
// antialiasing, for a window cut out by a mask of the key colour: a blend
// of an edge with the key colour would show as a fringe on the desktop.
// Glat draws antialiased. GlatGennemsigtig draws antialiased and paints the
// key colour (clBtnFace) fully transparent, for a window the desktop
// composites with what lies beneath it.
enum class Tegnemaade
{
    Skarp,
    Glat,
    GlatGennemsigtig
};

// Sets the painter up for the way: antialiasing, and in GlatGennemsigtig a
// transparent colour replaces what lies beneath instead of leaving it.
void IndstilMaade(QPainter &Can, Tegnemaade maade);

// What `colour` paints as: in GlatGennemsigtig every colour that resolves to
// the key colour, the palette's button colour, paints transparent, just as
// the mask would let the desktop through there.
QColor MaadeFarve(TColor colour, const QPalette &palette, Tegnemaade maade);

// A rectangle as the drawing code counts it: four sides, with right and
// bottom exclusive for fills and ellipses. QRect's inclusive right/bottom
// would make every formula off by one.
struct TRekt
{
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    friend bool operator==(const TRekt &, const TRekt &) = default;
};

// The pixels of a one-pixel line from `fra` towards `til`: the start pixel
// is covered, the end pixel is not. Qt's own cosmetic lines either cover
// both ends or drop whichever end its rasteriser reaches last, so the
// pixels are stepped here.
QList<QPoint> LinjePunkter(QPoint fra, QPoint til);

// A line in the clock's pen rule. Widths of 1 or less follow LinjePunkter
// exactly; wider pens have round ends, as a wide pen on the classic canvas
// has, and there "one pixel short" has no meaning. On an antialiasing
// painter the line runs smoothly between the same pixel centres.
void Linje(QPainter &Can, QPoint fra, QPoint til, const QColor &farve, int bredde);

// An ellipse inside (Left, Top, Right, Bottom), right and bottom exclusive:
// outlined with a one-pixel pen in `kant` when given, filled with `fyld`.
// An empty or inverted rectangle draws nothing. On an antialiasing painter
// the edges are smooth and the outline runs on the same pixels.
void Ellipse(QPainter &Can, const TRekt &r, const QColor *kant, const QColor &fyld);

// Fills left..Right-1, Top..Bottom-1; an empty rectangle fills nothing.
void FyldRekt(QPainter &Can, const TRekt &r, const QColor &farve);

// Outlines the border pixels of the same area FyldRekt would fill.
void OmridsRekt(QPainter &Can, const TRekt &r, const QColor &farve);
