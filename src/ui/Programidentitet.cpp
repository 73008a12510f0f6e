#include "ui/Programidentitet.h"

#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace Programidentitet {

QString desktopId()
{
    return QStringLiteral(KLOKKEVEN_APP_ID);
}

void saet()
{
    // The X11 window class is made from the application name.
    QCoreApplication::setApplicationName(QStringLiteral("Klokkeven"));
    QGuiApplication::setDesktopFileName(desktopId());
}

bool indlaesQtsDanskeTekster(QCoreApplication &application)
{
    // Danish whatever the system's language is: every text of the program is.
    auto *translator = new QTranslator(&application);
    if (!translator->load(QLocale(QLocale::Danish, QLocale::Denmark), QStringLiteral("qt"),
                          QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

} // namespace Programidentitet
