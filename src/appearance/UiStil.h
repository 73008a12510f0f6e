#pragma once

#include <QPalette>
#include <QStringList>

// The program's UI styles: the platform's own look ("Windows") and eight
// styles of our own, each Qt's Fusion style with a palette and a small style
// sheet. Switching restyles and repaints every window of the application.
namespace UiStil {

inline const QString kStartStil = QStringLiteral("Iceberg Classico");

// The offered names in their order, "Windows" first.
QStringList navne();

// The offered name equal to `navn` without regard to letter case; empty when none is.
QString fundet(const QString &navn);

// Switches the application to the named style, letter case ignored. A name
// not offered leaves the style in force and gives false.
bool anvend(const QString &navn);

// The name of the style in force; empty before any was applied.
QString aktiv();

// The palette of one of our own styles; the platform's palette for "Windows".
QPalette palet(const QString &navn);

} // namespace UiStil
