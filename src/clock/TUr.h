#pragma once

#include "base/UrDesign.h"
#include "clock/TUrSkive.h"
#include "clock/UrTakt.h"

#include <array>

class LocalTime;

// The analog clock: three hands on the dial and a one-second tick. Each
// tick repaints only the area of the hands at the time last drawn and at
// the new time; frame and dial come from the cached picture underneath.
class TUr : public TUrSkive
{
    Q_OBJECT

public:
    explicit TUr(const LocalTime &localTime, QWidget *parent = nullptr);

    TColor ColorViserT() const { return m_ColorViserT; }
    TColor ColorViserM() const { return m_ColorViserM; }
    TColor ColorViserS() const { return m_ColorViserS; }
    int ViserTime() const { return m_ViserTime; }
    int ViserMin() const { return m_ViserMin; }
    int ViserSek() const { return m_ViserSek; }

    void SetColorViserT(TColor value) { saet(m_ColorViserT, value); }
    void SetColorViserM(TColor value) { saet(m_ColorViserM, value); }
    void SetColorViserS(TColor value) { saet(m_ColorViserS, value); }
    void SetViserTime(int value) { saet(m_ViserTime, value); }
    void SetViserMin(int value) { saet(m_ViserMin, value); }
    void SetViserSek(int value) { saet(m_ViserSek, value); }

    // All eight colours or all seven dimensions at once, each setter in the
    // order of the clock's properties.
    UrFarver Farver() const;
    void SetFarver(const UrFarver &farver);
    UrDimensioner Dimensioner() const;
    void SetDimensioner(const UrDimensioner &dimensioner);

    // Ticking runs from creation until Stop, on the second's boundary and
    // only while the clock can be seen. Neither repaints: after a Start the
    // next tick moves the hands from the time last drawn.
    void Start();
    void Stop();
    bool isTicking() const { return m_TidInt.isActive(); }
    bool isAwake() const { return m_TidInt.isAwake(); }

    // The tick: reads the local time and repaints where the hands were and go.
    void Ur();

    // Hand lengths for the current size.
    int ViserT() const { return m_ViserT; }
    int ViserM() const { return m_ViserM; }
    int ViserS() const { return m_ViserS; }

    static quint8 SekVinkel(quint8 Sek);
    static quint8 MinVinkel(quint8 Min, quint8 Sek);
    static quint8 TimeVinkel(quint8 Time, quint8 Min);

protected:
    void Geometri() override;
    void TegnOven(QPainter &Can, bool helTegning) override;

private:
    struct Viser
    {
        QPoint spids;
        TColor farve;
        int bredde;
    };
    // Hour, minute and second hand for the time last read, in drawing order.
    std::array<Viser, 3> Visere() const;
    QRegion ViserRegion(const Viser &viser) const;
    void LaesTid();

    const LocalTime &m_localTime;
    UrTakt m_TidInt;
    TColor m_ColorViserT = clBlue;
    TColor m_ColorViserM = clBlue;
    TColor m_ColorViserS = clBlack;
    int m_ViserTime = 3;
    int m_ViserMin = 2;
    int m_ViserSek = 1;
    quint8 m_Timer = 0;
    quint8 m_Minutter = 0;
    quint8 m_Sekunder = 0;
    int m_ViserT = 0;
    int m_ViserM = 0;
    int m_ViserS = 0;
};
