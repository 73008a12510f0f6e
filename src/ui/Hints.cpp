#include "ui/Hints.h"

#include <QCoreApplication>
#include <QStatusTipEvent>
#include <QWidget>

Hints::Hints(QObject *parent) : QObject(parent)
{
    QCoreApplication::instance()->installEventFilter(this);
}

Hints::~Hints()
{
    QCoreApplication::instance()->removeEventFilter(this);
}

bool Hints::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::StatusTip)
        Q_EMIT hint(static_cast<QStatusTipEvent *>(event)->tip());
    return QObject::eventFilter(watched, event);
}

void setHint(QWidget *control, const QString &hint)
{
    control->setToolTip(hint);
    control->setStatusTip(hint);
}
