#include "OddFiles.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#ifndef Q_OS_WIN
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace OddFiles {

QStringList kinds()
{
#ifdef Q_OS_WIN
    // Windows has no FIFO in the file system nor a device a file can link to.
    return {QStringLiteral("folder"), QStringLiteral("huge")};
#else
    return {QStringLiteral("fifo"), QStringLiteral("folder"), QStringLiteral("device"),
            QStringLiteral("huge")};
#endif
}

bool make(const QString &kind, const QString &path)
{
#ifndef Q_OS_WIN
    if (kind == u"fifo")
        return mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
#endif
    if (kind == u"folder")
        return QDir().mkdir(path);
    if (kind == u"device")
        return QFile::link(QStringLiteral("/dev/zero"), path);
    if (kind == u"huge") {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write("RIFF") == 4 &&
               file.resize(17 * 1024 * 1024);
    }
    return false;
}

bool finishesUnaided(const QString &path, const std::function<void()> &work, int timeoutMs)
{
#ifdef Q_OS_WIN
    // Nothing made here can block a reader.
    Q_UNUSED(path)
    Q_UNUSED(timeoutMs)
    work();
    return true;
#else
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
    std::atomic<bool> released = false;
    const QByteArray name = QFile::encodeName(path);

    std::thread watchdog([&] {
        std::unique_lock lock(mutex);
        if (finished.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] { return done; }))
            return;
        // Non-blocking, retried: the reader may finish at any moment, and a blocking
        // open without a reader would hang the watchdog instead.
        while (!done) {
            lock.unlock();
            const int fd = ::open(name.constData(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) {
                released = true;
                ::close(fd);
            }
            lock.lock();
            finished.wait_for(lock, std::chrono::milliseconds(20), [&] { return done; });
        }
    });
    work();
    {
        const std::lock_guard lock(mutex);
        done = true;
    }
    finished.notify_all();
    watchdog.join();
    return !released;
#endif
}

} // namespace OddFiles
