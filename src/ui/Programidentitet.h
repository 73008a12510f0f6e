#pragma once

#include <QString>

class QCoreApplication;

namespace Programidentitet {

// The desktop entry's id. The desktop matches windows to the entry by it:
// the Wayland app id is this id, and on X11 the window class "Klokkeven"
// is the entry's StartupWMClass, so a dock, Alt+Tab and the task list show
// the program's name and icon.
QString desktopId();

// Names the program for the desktop. Called before the first window is made.
void saet();

// Loads Qt's own Danish texts (the context menu of text fields, the buttons
// of standard dialogs) into the application, which owns them from then on.
// False where Qt's translations are not installed: Qt's English texts stay.
bool indlaesQtsDanskeTekster(QCoreApplication &application);

} // namespace Programidentitet
