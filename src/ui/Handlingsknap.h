#pragma once

class QAbstractButton;
class QAction;

// Binds a button or check box to an action: it shows the action's caption,
// hint, enabled state and check mark as they change, and triggers it.
void bindHandling(QAbstractButton *knap, QAction *handling);
