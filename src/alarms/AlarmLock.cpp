#include "alarms/AlarmLock.h"

AlarmLock::AlarmLock(const QString &lockFilePath) : m_lock(lockFilePath)
{
    // A running holder keeps its lock however old the file is; only a holder
    // that no longer runs (its process is gone) loses it.
    m_lock.setStaleLockTime(0);
}

bool AlarmLock::takeNamelessLock()
{
    // A copy that died between making the file and writing its name into it
    // leaves a file that names no process, which would bar every copy for
    // good. Removing it is safe: a holder keeps the file locked while it
    // runs, so a live holder's file is not removed.
    qint64 pid = 0;
    QString hostname;
    QString appname;
    if (m_lock.error() != QLockFile::LockFailedError ||
        m_lock.getLockInfo(&pid, &hostname, &appname))
        return false;
    return m_lock.removeStaleLockFile();
}

bool AlarmLock::tryTake()
{
    if (m_lock.isLocked() || m_lock.tryLock(0) || (takeNamelessLock() && m_lock.tryLock(0))) {
        m_held = true;
        return true;
    }
    // Any failure other than "someone else holds it" means no lock can be had
    // here, so nobody is guarding the alarms: this copy runs them.
    m_held = m_lock.error() != QLockFile::LockFailedError;
    return m_held;
}
