#pragma once

class QWidget;

// Escape closes the window as its close button does. The shortcut belongs to
// the window, so an open pop-up list or menu still takes its own Escape first.
void lukMedEscape(QWidget *vindue);
