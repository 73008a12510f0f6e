#include "platform/Papirkurv.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace Papirkurv {

bool flyt(const QString &path)
{
    // Without the trash folders Qt reports success and moves the file into a
    // folder "files" of the current folder: make them first, or give up.
    const QString trash = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                          QStringLiteral("/Trash");
    if (!QDir().mkpath(trash + QStringLiteral("/files")) ||
        !QDir().mkpath(trash + QStringLiteral("/info")))
        return false;
    QString iKurven;
    if (!QFile::moveToTrash(path, &iKurven))
        return false;
    return !QFileInfo::exists(path) && QFileInfo(iKurven).isAbsolute() &&
           QFileInfo::exists(iKurven);
}

} // namespace Papirkurv
