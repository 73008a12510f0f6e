#include "clock/TCirkelVinkel.h"

#include <cmath>

double TCirkelVinkel::radianer() const
{
    // The doubled angle is a 32-bit product that wraps; only then does it become a float.
    const auto dobbelt = static_cast<qint32>(static_cast<quint32>(m_Vinkel) * 2u);
    return static_cast<double>(dobbelt) * 3.141592653589793 / static_cast<double>(m_CirkelGrader);
}

int TCirkelVinkel::GetCirkelX() const
{
    return m_CentrumX + RundAf(std::cos(radianer()) * m_Radius);
}

int TCirkelVinkel::GetCirkelY() const
{
    return m_CentrumY - RundAf(std::sin(radianer()) * m_Radius);
}

namespace UrVinkler {

namespace {
quint8 tolvTil(quint8 vaerdi, quint8 kvart, quint8 enhed)
{
    // Values up to the quarter count down from twelve o'clock (30); the rest wrap via 150.
    if (vaerdi <= kvart)
        return quint8(30 - enhed * vaerdi);
    return quint8(150 - enhed * vaerdi);
}
} // namespace

quint8 SekVinkel(quint8 Sek)
{
    return Sek <= 59 ? tolvTil(Sek, 15, 2) : 0;
}

quint8 MinVinkel(quint8 Min, quint8 Sek)
{
    const quint8 MV = Min <= 59 ? tolvTil(Min, 15, 2) : 0;
    const quint8 SV = Sek / 30;
    // A quarter past would give 0 - SV and wrap; just below 120 is the same direction.
    if (Min == 15)
        return quint8(120 - SV);
    return quint8(MV - SV);
}

quint8 TimeVinkel(quint8 Time, quint8 Min)
{
    if (Time > 11)
        Time = quint8(Time - 12);
    const quint8 TV = Time <= 11 ? tolvTil(Time, 3, 10) : 0;
    const quint8 MV = Min / 6;
    if (Time == 3 || Time == 15)
        return quint8(120 - MV);
    return quint8(TV - MV);
}

ViserLaengder BeregnViserLaengder(int UrRadius2)
{
    ViserLaengder l;
    l.ViserS = RundAf(UrRadius2 / 12.0 * 11);
    l.ViserM = RundAf(UrRadius2 / 8.0 * 7);
    l.ViserT = RundAf(l.ViserM / 4.0 * 3);
    return l;
}

} // namespace UrVinkler
