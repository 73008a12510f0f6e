#pragma once

#include <QByteArray>
#include <QObject>
#include <QStringList>

class QTimer;

// Tells when the system's time zone changes, and makes the program's local
// time follow it first: a running process does not see a new zone by itself
// (on Linux the C library reads the zone file once; the clock-set timer does
// not fire for a new zone).
class TimeZoneWatch : public QObject
{
    Q_OBJECT

public:
    // `zoneFiles`: on Linux the files that say the zone (by default
    // /etc/localtime and /etc/timezone); Windows asks the system instead.
    explicit TimeZoneWatch(QObject *parent = nullptr, QStringList zoneFiles = {});
    ~TimeZoneWatch() override;

    // What the zone is now, as the watch compares it.
    QByteArray fingerprint() const;

Q_SIGNALS:
    // The zone changed; local time already follows it.
    void changed();

private:
    // Something may have changed: looked at once things have settled.
    void check();
    // Platform parts: watch what a change may have dropped from the watch;
    // make local time follow the new zone.
    void watchAgain();
    void follow();

    QStringList m_zoneFiles;
    QByteArray m_fingerprint;
    QTimer *m_settle;
    QObject *m_source = nullptr;
};
