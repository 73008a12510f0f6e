#include "clock/UrTilgaengelighed.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace {

QAccessibleInterface *urSomTekst(const QString &klasse, QObject *objekt)
{
    if (!objekt || !objekt->isWidgetType())
        return nullptr;
    if (klasse != QLatin1String("TUr") && klasse != QLatin1String("TStopUr"))
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget *>(objekt), QAccessible::StaticText);
}

} // namespace

void TilmeldUrTilgaengelighed()
{
    static bool tilmeldt = false;
    if (tilmeldt)
        return;
    tilmeldt = true;
    QAccessible::installFactory(urSomTekst);
}
