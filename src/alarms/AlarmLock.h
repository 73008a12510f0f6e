#pragma once

#include <QLockFile>
#include <QString>

// The right to run the alarm timer. Every running copy of the program for one
// user may show the clock, but only the one that holds this lock fires alarms,
// so no alarm fires twice and no copy looks for the files of an alarm that
// another copy has just fired and deleted. The lock is a file in the user's
// folder; a copy that ends (the object is destroyed) or crashes gives it up,
// and another copy takes it at its next tryTake.
class AlarmLock
{
public:
    explicit AlarmLock(const QString &lockFilePath);

    AlarmLock(const AlarmLock &) = delete;
    AlarmLock &operator=(const AlarmLock &) = delete;

    // Never blocks. True when this copy may run the alarm timer now: it holds
    // the lock (taken now or before), or the lock file cannot be made at all
    // (a folder without write access, a file in the way), where firing in every
    // copy is better than firing in none. False only while another running
    // copy holds the lock. A lock left by a copy that no longer runs, or a
    // lock file that names no holder, is taken.
    bool tryTake();

    // What the last tryTake said; false before the first.
    bool held() const { return m_held; }

private:
    bool takeNamelessLock();

    QLockFile m_lock;
    bool m_held = false;
};
