#include "platform/Papirkurv.h"

#include <QFile>
#include <QFileInfo>

namespace Papirkurv {

bool flyt(const QString &path)
{
    QString iKurven;
    if (!QFile::moveToTrash(path, &iKurven))
        return false;
    return !QFileInfo::exists(path) && QFileInfo(iKurven).isAbsolute() &&
           QFileInfo::exists(iKurven);
}

} // namespace Papirkurv
