#pragma once

#include <QIcon>

// Pictures for the main window's actions, drawn at run time in two sizes, 16 x 16 and
// 32 x 32, so that menus and the taskbar get a sharp picture without bitmap files.
namespace ActionIcons {

// A red disc with a white cross.
QIcon luk();
// A window with its title bar.
QIcon form();
// A digital display.
QIcon ur();
// A cogwheel.
QIcon egenskaber();
// An analog clock face.
QIcon rundtUr();
// Three colour dots: red, green and blue.
QIcon standardFarver();
// A play triangle.
QIcon afspil();
// A blue disc with a white "i".
QIcon information();
// A circular arrow.
QIcon opdaterAlarmer();
// An arrow down onto a bar.
QIcon minimer();

} // namespace ActionIcons
