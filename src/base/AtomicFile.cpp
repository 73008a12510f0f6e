#include "base/AtomicFile.h"

#include "platform/RegularFile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <filesystem>
#include <system_error>

namespace {

const QString kSuffix = QStringLiteral(".klokkeven-tmp");

// A fresh temporary file beside path, created by this call alone: an existing
// file or link of the same name is never opened.
bool openTemporary(const QString &path, QFile &file)
{
    for (int attempt = 0; attempt < 16; ++attempt) {
        const QString random =
            QString::number(QRandomGenerator::global()->generate(), 16).rightJustified(8, u'0');
        file.setFileName(path + u'.' + random + kSuffix);
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
            return true;
        if (!file.exists() && !QFileInfo(file.fileName()).isSymLink())
            return false;
    }
    return false;
}

bool replace(const QString &from, const QString &to)
{
    // std::filesystem::rename replaces the target in one step on every platform,
    // which QFile::rename refuses to do.
    std::error_code error;
    std::filesystem::rename(std::filesystem::path(from.toStdU16String()),
                            std::filesystem::path(to.toStdU16String()), error);
    return !error;
}

} // namespace

bool writeAtomically(const QString &path, const QByteArray &bytes)
{
    QFile file;
    if (!openTemporary(path, file))
        return false;
    const QFileInfo old(path);
    // The new file keeps who may read the old one; where that fails, it keeps the
    // defaults, which is no reason to lose the write.
    if (old.exists() && !old.isSymLink() && !file.setPermissions(old.permissions()))
        file.unsetError();
    const bool written = AtomicFile::writeAll(file, bytes) &&
                         RegularFile::syncToDisk(file.handle()) && file.size() == bytes.size();
    file.close();
    if (!written || file.error() != QFileDevice::NoError || !replace(file.fileName(), path)) {
        file.remove();
        return false;
    }
    return true;
}

namespace AtomicFile {

bool writeAll(QFileDevice &file, const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const qint64 wrote = file.write(bytes.constData() + done, bytes.size() - done);
        if (wrote <= 0)
            return false;
        done += wrote;
    }
    // A buffered device reports its write error only here.
    return file.flush() && file.error() == QFileDevice::NoError;
}

bool isTemporaryName(const QString &fileName)
{
    return fileName.endsWith(kSuffix);
}

void removeLeftovers(const QString &folder)
{
    if (folder.isEmpty())
        return;
    QDirIterator it(folder, {u'*' + kSuffix}, QDir::Files | QDir::Hidden | QDir::System);
    while (it.hasNext()) {
        it.next();
        if (isTemporaryName(it.fileName()))
            QFile::remove(it.filePath());
    }
}

} // namespace AtomicFile
