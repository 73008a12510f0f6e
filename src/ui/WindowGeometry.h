#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>

class QString;
class QWidget;

// The place and size of a window in its window option file: top, left,
// width and height, followed by any values of the window's own.
namespace WindowGeometry {

// Where the platform cannot report window positions (Wayland), the place
// stored in the file before is kept (see topLeftToStore).
bool save(const QWidget &window, const QString &path, const QList<int> &extra = {});

// The top-left corner to store for the window: its own where the platform
// knows it; otherwise the one stored before, or, with none, the corner that
// centres the window on the primary screen, where it would open by default.
QPoint topLeftToStore(const QWidget &window, const std::optional<QPoint> &before);
// The same rule, apart from the real screens.
QPoint topLeftToStore(bool positionKnown, const QPoint &own, const std::optional<QPoint> &before,
                      const QPoint &centred);

// Applies the stored place and size (brought onto the screens, see place) and
// returns the window's own values; nothing (and no change) when the file is
// missing or does not hold them all.
std::optional<QList<int>> restore(QWidget &window, const QString &path, int extraCount = 0);

// Where a window with a stored top-left corner and size goes, so that no file
// can lose a window or make it huge. A width or height of 0 or less is taken
// from ownSize; a size beyond the screen the window lies most on (the primary
// screen when it lies on none) is cut to that screen's available area; a window
// that then lies wholly off every screen is moved onto the primary one, as
// near its stored place as fits. Screens are the available areas.
QRect fitOnScreens(const QPoint &topLeft, const QSize &size, const QSize &ownSize,
                   const QList<QRect> &availableScreens, const QRect &primaryAvailable);

// Moves and resizes the window to the stored place and size as fitOnScreens
// brings them onto the real screens; the window's current size is its own
// size. Where the platform cannot set window positions only the size applies.
void place(QWidget &window, const QPoint &topLeft, const QSize &size);

// Gives the window a stored size as place does, leaving its place alone (a
// window that was never moved is still placed by the window system).
void resizeOnScreen(QWidget &window, const QSize &size);

// Does nothing where the platform places windows itself.
void centreOnScreen(QWidget &window);

} // namespace WindowGeometry
