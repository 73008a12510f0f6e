#pragma once

#include <QList>

class QAction;
class QEvent;

// The clock's shortcuts work in every window of the program. Where a window
// has a command of its own on the same key, Qt would find both and run
// neither; a window hands its key events here so that its own command wins.
namespace EgneGenveje {

// For a shortcut-override or key-press event whose key is the shortcut of one
// of `handlinger`: the key press triggers that action (nothing when it is
// disabled), and the event is taken, so that the program-wide shortcut never
// runs instead. True when the event was taken.
bool tag(QEvent *event, const QList<QAction *> &handlinger);

} // namespace EgneGenveje
