#include "calendar/TAlmenX.h"

#include <limits>

int TAlmenX::EditInteger(const QString &s) const
{
    if (s.isEmpty())
        return 0;
    const bool minus = s.front() == QLatin1Char('-');
    qint64 tal = 0;
    bool cifre = false;
    for (const QChar c : s) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            continue;
        cifre = true;
        // Many digits stay at the largest number rather than wrapping round.
        tal = qMin<qint64>(tal * 10 + (c.unicode() - '0'), std::numeric_limits<int>::max());
    }
    if (!cifre)
        return 0;
    return int(minus ? -tal : tal);
}
