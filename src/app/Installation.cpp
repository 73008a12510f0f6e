#include "app/Installation.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

namespace {

bool copyTree(const QString &from, const QString &to)
{
    if (!QDir().mkpath(to))
        return false;
    QDirIterator it(from, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    while (it.hasNext()) {
        const QFileInfo entry(it.next());
        const QString target = to + QLatin1Char('/') + entry.fileName();
        const bool ok = entry.isDir() ? copyTree(entry.filePath(), target)
                                      : QFile::copy(entry.filePath(), target);
        if (!ok)
            return false;
    }
    return true;
}

} // namespace

namespace Installation {

QStringList completeInstallation(const QString &installedDir, const QString &programDir)
{
    QStringList copied;
    // An empty path would name the current folder.
    const QDir source(installedDir);
    if (installedDir.isEmpty() || !source.exists() || !QDir().mkpath(programDir))
        return copied;

    const QFileInfoList items =
        source.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo &item : items) {
        const QString target = programDir + QLatin1Char('/') + item.fileName();
        if (QFileInfo::exists(target))
            continue;
        // Copy under a temporary name and rename at the end, so that an
        // interrupted copy never passes for a complete item at the next start.
        const QString partial = target + QStringLiteral(".installing");
        if (item.isDir()) {
            QDir(partial).removeRecursively();
            if (!copyTree(item.filePath(), partial) || !QDir().rename(partial, target)) {
                QDir(partial).removeRecursively();
                continue;
            }
        } else {
            QFile::remove(partial);
            if (!QFile::copy(item.filePath(), partial) || !QFile::rename(partial, target)) {
                QFile::remove(partial);
                continue;
            }
        }
        copied.append(item.fileName());
    }
    return copied;
}

} // namespace Installation
