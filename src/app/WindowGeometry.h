#pragma once

#include <QList>
#include <optional>

class QPoint;
class QSize;
class QString;
class QWidget;

// The place and size of a window in its window option file: top, left,
// width and height, followed by any values of the window's own.
namespace WindowGeometry {

bool save(const QWidget &window, const QString &path, const QList<int> &extra = {});

// Applies the stored place and size and returns the window's own values;
// nothing (and no change) when the file is missing or does not hold them all.
std::optional<QList<int>> restore(QWidget &window, const QString &path, int extraCount = 0);

// Moves and sizes the window as stored.
void place(QWidget &window, const QPoint &topLeft, const QSize &size);

void centreOnScreen(QWidget &window);

} // namespace WindowGeometry
