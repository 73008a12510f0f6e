#pragma once

#include <QDateTime>
#include <QObject>

// The local date and time. Every part of the program asks this, never the
// system clock directly, so that tests can set "now".
class LocalTime : public QObject
{
    Q_OBJECT

public:
    virtual QDateTime now() const = 0;

Q_SIGNALS:
    // The wall clock was set: it jumped forwards or back (by hand, by a time
    // server, after the machine slept). Timers that wait for a time of day must
    // be armed again.
    void wallClockSet();
    // The system's time zone changed, and local time with it: a jump of the
    // wall clock that the system tells of in no other way.
    void zoneChanged();
};

class SystemLocalTime final : public LocalTime
{
    Q_OBJECT

public:
    // Watches the system clock for being set where the system tells of it
    // (Linux), and the system's time zone.
    SystemLocalTime();
    ~SystemLocalTime() override;
    QDateTime now() const override;

private:
    void watch();

    int m_fd = -1;
};
