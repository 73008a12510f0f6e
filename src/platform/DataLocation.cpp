#include "platform/DataLocation.h"

#include <QCoreApplication>
#include <QDir>

namespace DataLocation {

QString defaultProgramDir()
{
#ifdef Q_OS_WIN
    return QStringLiteral("C:\\Urmappe");
#else
    return QDir::homePath() + QStringLiteral("/Urmappe");
#endif
}

QString separator()
{
#ifdef Q_OS_WIN
    return QStringLiteral("\\");
#else
    return QStringLiteral("/");
#endif
}

QString installedDataDir()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() +
                           QStringLiteral("/../share/klokkeven"));
}

} // namespace DataLocation
