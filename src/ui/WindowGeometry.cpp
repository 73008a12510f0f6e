#include "ui/WindowGeometry.h"

#include "base/WindowOptionFile.h"
#include "platform/Desktop.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace {

// A rectangle in 64 bits: stored values near the limits of int must not
// overflow while they are compared with the screens.
struct Box
{
    qint64 x, y, w, h;
};

qint64 overlap(const Box &box, const QRect &screen)
{
    const qint64 left = std::max(box.x, qint64(screen.x()));
    const qint64 top = std::max(box.y, qint64(screen.y()));
    const qint64 right = std::min(box.x + box.w, qint64(screen.x()) + screen.width());
    const qint64 bottom = std::min(box.y + box.h, qint64(screen.y()) + screen.height());
    return right > left && bottom > top ? (right - left) * (bottom - top) : 0;
}

// The screen the box lies most on; nothing when it lies on none.
std::optional<QRect> mostOn(const Box &box, const QList<QRect> &screens)
{
    std::optional<QRect> best;
    qint64 bestArea = 0;
    for (const QRect &screen : screens) {
        const qint64 area = overlap(box, screen);
        if (area > bestArea) {
            bestArea = area;
            best = screen;
        }
    }
    return best;
}

void cutTo(Box &box, const QRect &screen)
{
    box.w = std::min(box.w, qint64(screen.width()));
    box.h = std::min(box.h, qint64(screen.height()));
}

} // namespace

namespace WindowGeometry {

bool save(const QWidget &window, const QString &path, const QList<int> &extra)
{
    std::optional<QPoint> before;
    if (!Desktop::knowsWindowPositions()) {
        if (const std::optional<QList<int>> stored = WindowOptionFile::read(path, 2))
            before = QPoint(stored->at(1), stored->at(0));
    }
    const QPoint topLeft = topLeftToStore(window, before);
    return WindowOptionFile::write(
        path, QList<int>{topLeft.y(), topLeft.x(), window.width(), window.height()} + extra);
}

QPoint topLeftToStore(bool positionKnown, const QPoint &own, const std::optional<QPoint> &before,
                      const QPoint &centred)
{
    if (positionKnown)
        return own;
    return before.value_or(centred);
}

QPoint topLeftToStore(const QWidget &window, const std::optional<QPoint> &before)
{
    const bool known = Desktop::knowsWindowPositions();
    QPoint centred;
    if (!known) {
        if (const QScreen *primary = QGuiApplication::primaryScreen()) {
            QRect frame(QPoint(0, 0), window.frameGeometry().size());
            frame.moveCenter(primary->availableGeometry().center());
            centred = frame.topLeft();
        }
    }
    return topLeftToStore(known, window.pos(), before, centred);
}

std::optional<QList<int>> restore(QWidget &window, const QString &path, int extraCount)
{
    const std::optional<QList<int>> values = WindowOptionFile::read(path, 4 + extraCount);
    if (!values)
        return std::nullopt;
    place(window, QPoint(values->at(1), values->at(0)), QSize(values->at(2), values->at(3)));
    return values->mid(4);
}

QRect fitOnScreens(const QPoint &topLeft, const QSize &size, const QSize &ownSize,
                   const QList<QRect> &availableScreens, const QRect &primaryAvailable)
{
    QList<QRect> screens;
    for (const QRect &screen : availableScreens) {
        if (!screen.isEmpty())
            screens.append(screen);
    }
    const QRect primary = !primaryAvailable.isEmpty() ? primaryAvailable
                          : screens.isEmpty()         ? QRect()
                                                      : screens.first();
    // Without any screen there is nothing to measure a stored size against.
    if (primary.isEmpty())
        return QRect(QPoint(0, 0), ownSize);
    if (!screens.contains(primary))
        screens.append(primary);

    Box box{topLeft.x(), topLeft.y(), size.width() > 0 ? size.width() : ownSize.width(),
            size.height() > 0 ? size.height() : ownSize.height()};
    cutTo(box, mostOn(box, screens).value_or(primary));
    if (!mostOn(box, screens)) {
        cutTo(box, primary);
        box.x = std::clamp(box.x, qint64(primary.x()), primary.x() + primary.width() - box.w);
        box.y = std::clamp(box.y, qint64(primary.y()), primary.y() + primary.height() - box.h);
    }
    return QRect(int(box.x), int(box.y), int(box.w), int(box.h));
}

namespace {

QRect fitOnRealScreens(const QWidget &window, const QPoint &topLeft, const QSize &size)
{
    QList<QRect> screens;
    for (const QScreen *screen : QGuiApplication::screens())
        screens.append(screen->availableGeometry());
    const QScreen *primary = QGuiApplication::primaryScreen();
    return fitOnScreens(topLeft, size, window.size(), screens,
                        primary ? primary->availableGeometry() : QRect());
}

} // namespace

void place(QWidget &window, const QPoint &topLeft, const QSize &size)
{
    const QRect fitted = fitOnRealScreens(window, topLeft, size);
    if (Desktop::knowsWindowPositions())
        window.move(fitted.topLeft());
    window.resize(fitted.size());
}

void resizeOnScreen(QWidget &window, const QSize &size)
{
    window.resize(fitOnRealScreens(window, window.pos(), size).size());
}

void centreOnScreen(QWidget &window)
{
    if (!Desktop::knowsWindowPositions())
        return;
    const QScreen *screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

} // namespace WindowGeometry
