#include "ui/Handlingsknap.h"

#include "ui/Hints.h"

#include <QAbstractButton>
#include <QAction>

void bindHandling(QAbstractButton *knap, QAction *handling)
{
    const auto vis = [knap, handling] {
        knap->setText(handling->text());
        setHint(knap, handling->statusTip());
        knap->setEnabled(handling->isEnabled());
        knap->setCheckable(handling->isCheckable());
        knap->setChecked(handling->isChecked());
    };
    vis();
    QObject::connect(handling, &QAction::changed, knap, vis);
    QObject::connect(handling, &QAction::toggled, knap, vis);
    // The click has already toggled a check box; the action sets its own mark.
    QObject::connect(knap, &QAbstractButton::clicked, handling, [handling, vis] {
        handling->trigger();
        vis();
    });
}
