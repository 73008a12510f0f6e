#include "clock/StopUrTid.h"

QString STid(quint16 value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

TidDele DelSekunder(qint64 sekunder)
{
    if (sekunder <= 0)
        return {};
    return {quint16(sekunder / 3600), quint16(sekunder % 3600 / 60), quint16(sekunder % 60)};
}

QString KlokkenEr(quint16 Timer, quint16 Minutter)
{
    return QStringLiteral("Klokken er ") + STid(Timer) + QLatin1Char(':') + STid(Minutter);
}
