#include "platform/TimeZoneWatch.h"

void TimeZoneWatch::check()
{
    watchAgain();
    const QByteArray nu = fingerprint();
    if (nu == m_fingerprint)
        return;
    m_fingerprint = nu;
    follow();
    Q_EMIT changed();
}
