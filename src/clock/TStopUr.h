#pragma once

#include "base/TUrType.h"
#include "clock/TRammeFelt.h"
#include "clock/UrTakt.h"

#include <QDateTime>

class LocalTime;

enum TMellemrum
{
    mrSemikolon,
    mrAfstand,
    mrStreg,
    mrDiv
};

// The digital field: the time of day, a stopwatch or a countdown that ends
// in OnAlarm. Stopwatch and countdown follow the clock from their Start, so
// late or lost ticks neither slow them down nor skip the alarm.
class TStopUr : public TPreTekstFelt
{
    Q_OBJECT

public:
    explicit TStopUr(const LocalTime &localTime, QWidget *parent = nullptr);

    TUrType UrType() const { return m_UrType; }
    void SetUrType(TUrType Value);

    // Stored only; the field shows them at the next Display.
    quint16 Timer() const { return m_Timer; }
    quint16 Minutter() const { return m_Minutter; }
    quint16 Sekunder() const { return m_Sekunder; }
    void SetTimer(quint16 value) { m_Timer = value; }
    void SetMinutter(quint16 value) { m_Minutter = value; }
    void SetSekunder(quint16 value) { m_Sekunder = value; }

    TColor FeltFarve() const { return m_FeltFarve; }
    void SetFeltFarve(TColor value);
    // Kept for the designs that store it; the text always separates with ":".
    TMellemrum MelTegn() const { return m_MelTegn; }
    void SetMelTegn(TMellemrum value);

    // The text last built.
    QString TidS() const { return m_TidS; }

    void Start();
    void Stop() { m_Tim.stop(); }
    void NulStil();
    // Builds the text, has it drawn and raises the mode's events.
    void Display();
    bool isTicking() const { return m_Tim.isActive(); }
    bool isAwake() const { return m_Tim.isAwake(); }

    // The tick.
    void OnTim();

Q_SIGNALS:
    void OnTid(quint16 T, quint16 M, quint16 S);
    void OnAlarm();

protected:
    void Paint(QPainter &Can) override;

private:
    void ByggTekst();
    void RejsHaendelser();
    void PaintBg(QPainter &Can);
    double SekunderSidenStart() const;

    const LocalTime &m_localTime;
    UrTakt m_Tim;
    TUrType m_UrType = utNormal;
    quint16 m_Timer = 0;
    quint16 m_Minutter = 0;
    quint16 m_Sekunder = 0;
    TColor m_FeltFarve = clBlack;
    TMellemrum m_MelTegn = mrSemikolon;
    QString m_TidS;
    QDateTime m_StartTid;
    double m_Tid = 0;
    double m_Nutid = 0;
    // Display asked for the repaint under way: its events are already raised.
    bool m_tekstVenter = false;
};
