#include "platform/Papirkurv.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// The freedesktop trash done by hand: Qt 6.4's QFile::moveToTrash tries new
// .trashinfo names without end when the info folder refuses them, and moves the
// file into "./files" when the trash folders are missing. Every step here is
// bounded and every refusal ends the attempt with the file left in place.
namespace Papirkurv {

namespace {

// Enough for many files of the same name; a trash that has them all is not usable.
constexpr int kForsoeg = 1000;

bool skrivAlt(int fd, const QByteArray &data)
{
    qsizetype skrevet = 0;
    while (skrevet < data.size()) {
        const ssize_t n = ::write(fd, data.constData() + skrevet, size_t(data.size() - skrevet));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        skrevet += n;
    }
    return true;
}

bool findes(const QByteArray &sti)
{
    struct stat st;
    return ::lstat(sti.constData(), &st) == 0 || errno != ENOENT;
}

QString kandidat(const QString &navn, int i)
{
    if (i == 0)
        return navn;
    const qsizetype punkt = navn.lastIndexOf(u'.');
    if (punkt <= 0)
        return navn + QStringLiteral(".%1").arg(i);
    return navn.left(punkt) + QStringLiteral(".%1").arg(i) + navn.mid(punkt);
}

} // namespace

bool flyt(const QString &path)
{
    const QFileInfo fil(path);
    if (!fil.exists() && !fil.isSymLink())
        return false;
    const QString kurv = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                         QStringLiteral("/Trash");
    const QString filer = kurv + QStringLiteral("/files/");
    const QString info = kurv + QStringLiteral("/info/");
    if (!QDir().mkpath(filer) || !QDir().mkpath(info))
        return false;

    const QByteArray kilde = QFile::encodeName(fil.absoluteFilePath());
    const QByteArray indhold =
        "[Trash Info]\nPath=" + QUrl::toPercentEncoding(fil.absoluteFilePath(), "/") +
        "\nDeletionDate=" +
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")).toLatin1() +
        "\n";

    for (int i = 0; i < kForsoeg; ++i) {
        const QString navn = kandidat(fil.fileName(), i);
        const QByteArray infoSti = QFile::encodeName(info + navn + QStringLiteral(".trashinfo"));
        // The info file, made exclusively, reserves the name in files/.
        const int fd = ::open(infoSti.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            return false;
        }
        const bool skrevet = skrivAlt(fd, indhold);
        const bool lukket = ::close(fd) == 0;
        if (!skrevet || !lukket) {
            ::unlink(infoSti.constData());
            return false;
        }
        const QByteArray maal = QFile::encodeName(filer + navn);
        if (findes(maal)) {
            // A file without its info file holds this name: leave both alone.
            ::unlink(infoSti.constData());
            continue;
        }
        if (::rename(kilde.constData(), maal.constData()) != 0) {
            ::unlink(infoSti.constData());
            return false;
        }
        return true;
    }
    return false;
}

} // namespace Papirkurv
