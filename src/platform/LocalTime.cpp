#include "platform/LocalTime.h"

#include "platform/TimeZoneWatch.h"

#ifdef Q_OS_LINUX
#include <QSocketNotifier>
#include <cstdint>
#include <limits>
#include <sys/timerfd.h>
#include <unistd.h>
#endif

SystemLocalTime::SystemLocalTime()
{
    connect(new TimeZoneWatch(this), &TimeZoneWatch::changed, this, &LocalTime::zoneChanged);
#ifdef Q_OS_LINUX
    // A timer on the wall clock that never expires but is cancelled whenever
    // the clock is set: the one way the kernel tells of a jump.
    m_fd = timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
    if (m_fd < 0)
        return;
    watch();
    auto *notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        std::uint64_t expirations = 0;
        // The read fails with ECANCELED after a jump; the timer is set again.
        if (::read(m_fd, &expirations, sizeof expirations) < 0) {
            watch();
            Q_EMIT wallClockSet();
        }
    });
#endif
}

SystemLocalTime::~SystemLocalTime()
{
#ifdef Q_OS_LINUX
    if (m_fd >= 0)
        ::close(m_fd);
#endif
}

void SystemLocalTime::watch()
{
#ifdef Q_OS_LINUX
    itimerspec far{};
    far.it_value.tv_sec = std::numeric_limits<time_t>::max() / 2;
    timerfd_settime(m_fd, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &far, nullptr);
#endif
}

QDateTime SystemLocalTime::now() const
{
    return QDateTime::currentDateTime();
}
