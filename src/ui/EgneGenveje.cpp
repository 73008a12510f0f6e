#include "ui/EgneGenveje.h"

#include <QAction>
#include <QKeyEvent>

namespace EgneGenveje {

bool tag(QEvent *event, const QList<QAction *> &handlinger)
{
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return false;
    const QKeySequence tast(static_cast<QKeyEvent *>(event)->keyCombination());
    for (QAction *handling : handlinger) {
        if (!handling->shortcuts().contains(tast))
            continue;
        if (event->type() == QEvent::KeyPress)
            handling->trigger();
        event->accept();
        return true;
    }
    return false;
}

} // namespace EgneGenveje
