#include "clock/Takt.h"

namespace {

int tilGraense(qint64 forbiMs, int periodeMs)
{
    const qint64 rest = ((forbiMs % periodeMs) + periodeMs) % periodeMs;
    // Within the margin after a boundary, that boundary's step is still due.
    const qint64 vent = periodeMs - rest + Takt::kMargenMs;
    return int(vent > periodeMs ? vent - periodeMs : vent);
}

} // namespace

int Takt::msTilNaeste(const QDateTime &anker, const QDateTime &nu, int periodeMs)
{
    return tilGraense(anker.msecsTo(nu), periodeMs);
}

int Takt::msTilNaesteSekund(const QDateTime &nu)
{
    return tilGraense(nu.time().msecsSinceStartOfDay(), 1000);
}

int Takt::msTilNaesteMinut(const QDateTime &nu)
{
    return tilGraense(nu.time().msecsSinceStartOfDay(), 60000);
}
