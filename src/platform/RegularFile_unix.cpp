#include "platform/RegularFile.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::optional<QByteArray> fail(QString *error, const QString &reason)
{
    if (error)
        *error = reason;
    return std::nullopt;
}

QString notRegular()
{
    return QStringLiteral("not a regular file");
}

QString tooLarge()
{
    return QStringLiteral("the file is too large");
}

class Descriptor
{
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

} // namespace

namespace RegularFile {

std::optional<QByteArray> read(const QString &path, qint64 limit, QString *error)
{
    const QByteArray name = QFile::encodeName(path);
    // Looked at before opening: opening some devices has effects of its own.
    struct stat info
    {};
    if (::stat(name.constData(), &info) != 0)
        return fail(error, qt_error_string(errno));
    if (!S_ISREG(info.st_mode))
        return fail(error, notRegular());
    if (info.st_size > limit)
        return fail(error, tooLarge());

    // Non-blocking, so that a FIFO put in the file's place after the look returns at once.
    const Descriptor fd(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0)
        return fail(error, qt_error_string(errno));
    if (::fstat(fd.get(), &info) != 0)
        return fail(error, qt_error_string(errno));
    if (!S_ISREG(info.st_mode))
        return fail(error, notRegular());

    // The size is read as far as the bytes go, not trusted: a file may grow while it
    // is read, and some report no size at all.
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(info.st_size));
    char chunk[65536];
    for (;;) {
        const ssize_t got = ::read(fd.get(), chunk, sizeof chunk);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return fail(error, qt_error_string(errno));
        }
        if (got == 0)
            return bytes;
        if (bytes.size() + got > limit)
            return fail(error, tooLarge());
        bytes.append(chunk, static_cast<qsizetype>(got));
    }
}

bool syncToDisk(int handle)
{
    return ::fsync(handle) == 0;
}

} // namespace RegularFile
