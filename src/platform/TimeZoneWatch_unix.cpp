#include "platform/TimeZoneWatch.h"

#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QTimer>
#include <ctime>

namespace {

// A zone file is a few kilobytes; anything beyond this is not read to compare.
constexpr qint64 kMaksStoerrelse = 1 << 20;
// Replacing a zone file takes a few steps (a new link, a rename, a second file).
constexpr int kRoMs = 200;

} // namespace

TimeZoneWatch::TimeZoneWatch(QObject *parent, QStringList zoneFiles)
    : QObject(parent), m_zoneFiles(std::move(zoneFiles)), m_settle(new QTimer(this))
{
    if (m_zoneFiles.isEmpty())
        m_zoneFiles = {QStringLiteral("/etc/localtime"), QStringLiteral("/etc/timezone")};
    m_settle->setSingleShot(true);
    m_settle->setInterval(kRoMs);
    connect(m_settle, &QTimer::timeout, this, &TimeZoneWatch::check);
    // The files are usually replaced, not written: their folder is watched
    // for the new entry, and the file itself for a change in place.
    auto *watcher = new QFileSystemWatcher(this);
    m_source = watcher;
    for (const QString &fil : std::as_const(m_zoneFiles)) {
        watcher->addPath(QFileInfo(fil).absolutePath());
        if (QFileInfo::exists(fil))
            watcher->addPath(fil);
    }
    const auto roligt = [this] {
        m_settle->start();
    };
    connect(watcher, &QFileSystemWatcher::fileChanged, this, roligt);
    connect(watcher, &QFileSystemWatcher::directoryChanged, this, roligt);
    m_fingerprint = fingerprint();
}

TimeZoneWatch::~TimeZoneWatch() = default;

QByteArray TimeZoneWatch::fingerprint() const
{
    QByteArray aftryk;
    for (const QString &sti : m_zoneFiles) {
        aftryk += QFileInfo(sti).symLinkTarget().toUtf8() + '\0';
        QFile fil(sti);
        if (fil.open(QIODevice::ReadOnly) && fil.size() <= kMaksStoerrelse)
            aftryk += fil.readAll();
        aftryk += '\0';
    }
    return aftryk;
}

void TimeZoneWatch::watchAgain()
{
    // A replaced file drops out of the watch: it is watched again as it is now.
    auto *watcher = static_cast<QFileSystemWatcher *>(m_source);
    for (const QString &fil : std::as_const(m_zoneFiles))
        if (!watcher->files().contains(fil) && QFileInfo::exists(fil))
            watcher->addPath(fil);
}

void TimeZoneWatch::follow()
{
    // The C library reads the zone again only when TZ has changed since it
    // last read it: TZ is changed for a moment and put back as it was.
    const bool havdeTz = qEnvironmentVariableIsSet("TZ");
    const QByteArray tz = qgetenv("TZ");
    qputenv("TZ", "UTC0");
    tzset();
    if (havdeTz)
        qputenv("TZ", tz);
    else
        qunsetenv("TZ");
    tzset();
}
