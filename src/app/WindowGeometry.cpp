#include "app/WindowGeometry.h"

#include "app/WindowOptionFile.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace WindowGeometry {

bool save(const QWidget &window, const QString &path, const QList<int> &extra)
{
    return WindowOptionFile::write(
        path, QList<int>{window.y(), window.x(), window.width(), window.height()} + extra);
}

std::optional<QList<int>> restore(QWidget &window, const QString &path, int extraCount)
{
    const std::optional<QList<int>> values = WindowOptionFile::read(path, 4 + extraCount);
    if (!values)
        return std::nullopt;
    window.move(values->at(1), values->at(0));
    window.resize(values->at(2), values->at(3));
    return values->mid(4);
}

void place(QWidget &window, const QPoint &topLeft, const QSize &size)
{
    window.move(topLeft);
    window.resize(size);
}

void centreOnScreen(QWidget &window)
{
    const QScreen *screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

} // namespace WindowGeometry
