#include "clock/TStopUr.h"

#include "clock/StopUrTid.h"
#include "clock/UrTilgaengelighed.h"
#include "platform/LocalTime.h"

#include <QPainter>
#include <cmath>

TStopUr::TStopUr(const LocalTime &localTime, QWidget *parent)
    : TPreTekstFelt(parent), m_localTime(localTime), m_Tim(localTime, *this, [this] { OnTim(); })
{
    TilmeldUrTilgaengelighed();
    setAccessibleDescription(QStringLiteral("Digitalur"));
    QPalette p = palette();
    p.setColor(QPalette::WindowText, Qt::white);
    setPalette(p);
    ByggTekst();
}

void TStopUr::SetUrType(TUrType Value)
{
    if (Value == m_UrType)
        return;
    m_UrType = Value;
    if (m_UrType == utNormal)
        Start();
    else
        Stop();
}

void TStopUr::SetFeltFarve(TColor value)
{
    if (m_FeltFarve == value)
        return;
    m_FeltFarve = value;
    update();
}

void TStopUr::SetMelTegn(TMellemrum value)
{
    if (m_MelTegn == value)
        return;
    m_MelTegn = value;
    update();
}

void TStopUr::Start()
{
    switch (m_UrType) {
    case utNormal:
        // A minute no clock shows, so the first tick draws at once.
        m_Minutter = 61;
        OnTim();
        break;
    case utStop:
        m_Timer = m_Minutter = m_Sekunder = 0;
        Display();
        break;
    case utAlarm:
        m_Tid = m_Timer * 3600.0 + m_Minutter * 60.0 + m_Sekunder + 1;
        break;
    }
    m_StartTid = m_localTime.now();
    // The time of day changes on the minute; stopwatch and countdown step
    // each second from their start, and only the countdown must reach its
    // end while nobody sees it.
    m_Tim.SetSkridt(m_UrType == utNormal ? UrTakt::Skridt::Minut : UrTakt::Skridt::SekundFraStart);
    m_Tim.SetTikSkjult(m_UrType == utAlarm);
    m_Tim.start();
}

void TStopUr::NulStil()
{
    m_Timer = m_Minutter = m_Sekunder = 0;
    // A running stopwatch counts on from zero.
    m_StartTid = m_localTime.now();
    Display();
}

double TStopUr::SekunderSidenStart() const
{
    return m_StartTid.msecsTo(m_localTime.now()) / 1000.0;
}

void TStopUr::OnTim()
{
    switch (m_UrType) {
    case utNormal: {
        const QTime nu = m_localTime.now().time();
        if (nu.minute() == m_Minutter)
            return;
        m_Timer = quint16(nu.hour());
        m_Minutter = quint16(nu.minute());
        break;
    }
    case utStop: {
        const TidDele t = DelSekunder(qint64(SekunderSidenStart()));
        m_Timer = t.Timer;
        m_Minutter = t.Minutter;
        m_Sekunder = t.Sekunder;
        break;
    }
    case utAlarm: {
        // Whole days count, and a remainder at or below zero is the end:
        // a late tick must not step over the alarm.
        m_Nutid = m_Tid - SekunderSidenStart();
        const TidDele t = DelSekunder(qint64(std::trunc(m_Nutid)));
        m_Timer = t.Timer;
        m_Minutter = t.Minutter;
        m_Sekunder = t.Sekunder;
        break;
    }
    }
    Display();
}

void TStopUr::ByggTekst()
{
    m_TidS = STid(m_Timer) + QLatin1Char(':') + STid(m_Minutter);
    if (m_UrType != utNormal)
        m_TidS += QLatin1Char(':') + STid(m_Sekunder);
    const QString navn = m_UrType == utNormal ? KlokkenEr(m_Timer, m_Minutter)
                         : m_UrType == utStop ? QStringLiteral("Stopuret viser ") + m_TidS
                                              : QStringLiteral("Nedtællingen viser ") + m_TidS;
    if (navn != accessibleName())
        setAccessibleName(navn);
}

void TStopUr::RejsHaendelser()
{
    if (m_UrType == utStop) {
        Q_EMIT OnTid(m_Timer, m_Minutter, m_Sekunder);
    } else if (m_UrType == utAlarm && m_Timer == 0 && m_Minutter == 0 && m_Sekunder == 0) {
        Stop();
        Q_EMIT OnAlarm();
    }
}

void TStopUr::Display()
{
    ByggTekst();
    // A hidden field gets no paint for this, and its next paint is a repaint.
    m_tekstVenter = isVisible();
    const TRekt c = CompoRekt();
    update(QRect(c.Left, c.Top, c.Right - c.Left + 1, c.Bottom - c.Top + 1));
    RejsHaendelser();
}

void TStopUr::PaintBg(QPainter &Can)
{
    FyldRekt(Can, CompoRekt(), farve(m_FeltFarve));
}

void TStopUr::Paint(QPainter &Can)
{
    TPreTekstFelt::Paint(Can);
    // A repaint is a Display of its own, unless Display asked for it.
    ByggTekst();
    const bool egen = m_tekstVenter;
    m_tekstVenter = false;
    PaintBg(Can);
    const TRekt c = CompoRekt();
    // The letters' smoothed edges blend with the field beneath them.
    Can.setCompositionMode(QPainter::CompositionMode_SourceOver);
    Can.setFont(font());
    Can.setPen(palette().color(QPalette::WindowText));
    Can.setBackgroundMode(Qt::OpaqueMode);
    Can.setBackground(farve(m_FeltFarve));
    const QRect tekst =
        Can.boundingRect(QRect(c.Left + 12, c.Top, 0, 0), Qt::AlignLeft | Qt::AlignTop, m_TidS);
    Can.drawText(tekst, Qt::AlignLeft | Qt::AlignTop, m_TidS);
    // Raised after the paint, so a handler that opens a window does not
    // paint inside this paint; the values are those just shown.
    if (!egen) {
        QMetaObject::invokeMethod(
            this,
            [this, type = m_UrType, T = m_Timer, M = m_Minutter, S = m_Sekunder] {
                if (type != m_UrType || T != m_Timer || M != m_Minutter || S != m_Sekunder)
                    return;
                RejsHaendelser();
            },
            Qt::QueuedConnection);
    }
}
