#pragma once

#include "base/RundAf.h"

#include <QtGlobal>

// A point on a circle: centre, radius and an angle counted in units of
// CirkelGrader per turn. Unit 0 points right and angles grow counter-clockwise
// on a screen whose y axis points down.
class TCirkelVinkel
{
public:
    int Vinkel() const { return m_Vinkel; }
    int CirkelGrader() const { return m_CirkelGrader; }
    int Radius() const { return m_Radius; }
    int CentrumX() const { return m_CentrumX; }
    int CentrumY() const { return m_CentrumY; }

    void SetVinkel(int value) { m_Vinkel = value; }
    // 0 leaves the angle undefined; the clock only sets 60 and 120.
    void SetCirkelGrader(int value) { m_CirkelGrader = value; }
    void SetRadius(int value) { m_Radius = value; }
    void SetCentrumX(int value) { m_CentrumX = value; }
    void SetCentrumY(int value) { m_CentrumY = value; }

    int GetCirkelX() const;
    int GetCirkelY() const;

private:
    double radianer() const;

    int m_Vinkel = 100;
    int m_CirkelGrader = 400;
    int m_Radius = 100;
    int m_CentrumX = 100;
    int m_CentrumY = 100;
};

// Hand angles on the 120-unit circle (30 is twelve o'clock, a clockwise hand
// has a falling angle). 8-bit arithmetic that wraps below zero, as the
// stored clock data always had.
namespace UrVinkler {
quint8 SekVinkel(quint8 Sek);
quint8 MinVinkel(quint8 Min, quint8 Sek);
quint8 TimeVinkel(quint8 Time, quint8 Min);

struct ViserLaengder
{
    int ViserS = 0;
    int ViserM = 0;
    int ViserT = 0;
};
// The hand lengths for the inner end of the longest tick marks; the hour
// hand is taken from the already rounded minute hand.
ViserLaengder BeregnViserLaengder(int UrRadius2);
} // namespace UrVinkler
