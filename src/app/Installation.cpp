#include "app/Installation.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

namespace {

// Whether anything at all stands at path: a file, a folder, or a link, also a
// link that points nowhere.
bool occupied(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

// A link to a folder is never followed: it could lead out of the installation,
// or back into it without end. A link to a file is copied as the file it names.
bool isCopiedFolder(const QFileInfo &entry)
{
    return entry.isDir() && !entry.isSymLink();
}

bool isCopiedFile(const QFileInfo &entry)
{
    return entry.isFile();
}

// Copies the contents of the folder from into the new, empty folder to.
bool copyContents(const QString &from, const QString &to)
{
    QDirIterator it(from, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    while (it.hasNext()) {
        const QFileInfo entry(it.next());
        const QString target = to + QLatin1Char('/') + entry.fileName();
        bool ok = true;
        if (isCopiedFolder(entry))
            ok = QDir().mkdir(target) && copyContents(entry.filePath(), target);
        else if (isCopiedFile(entry))
            ok = QFile::copy(entry.filePath(), target);
        if (!ok)
            return false;
    }
    return true;
}

// A name beside target that nothing stands at, for this run's own copy. A
// "<name>.installing" that is there already (a user's folder, a link) is left
// alone, so the copy never writes into or deletes what it did not make itself.
QString freshPartialName(const QString &target)
{
    QString partial = target + QStringLiteral(".installing");
    while (occupied(partial)) {
        partial = target + QStringLiteral(".installing-") +
                  QString::number(QRandomGenerator::global()->generate(), 16);
    }
    return partial;
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
        source.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System, QDir::Name);
    for (const QFileInfo &item : items) {
        if (!isCopiedFolder(item) && !isCopiedFile(item))
            continue;
        const QString target = programDir + QLatin1Char('/') + item.fileName();
        if (occupied(target))
            continue;
        // Copy under a temporary name and rename at the end, so that an
        // interrupted copy never passes for a complete item at the next start.
        // Only what this run created is ever deleted.
        const QString partial = freshPartialName(target);
        if (isCopiedFolder(item)) {
            // mkdir fails where anything stands, so the folder is this run's own.
            if (!QDir().mkdir(partial))
                continue;
            if (!copyContents(item.filePath(), partial) || !QDir().rename(partial, target)) {
                QDir(partial).removeRecursively();
                continue;
            }
        } else {
            // copy never replaces what stands at partial; once it succeeded, the file is ours.
            if (!QFile::copy(item.filePath(), partial))
                continue;
            if (!QFile::rename(partial, target)) {
                QFile::remove(partial);
                continue;
            }
        }
        copied.append(item.fileName());
    }
    return copied;
}

} // namespace Installation
