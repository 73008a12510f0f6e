#include "clock/UrTakt.h"

#include "clock/Takt.h"
#include "platform/LocalTime.h"

#include <QEvent>
#include <QWidget>

UrTakt::UrTakt(const LocalTime &localTime, QWidget &kontrol, std::function<void()> tik)
    : m_localTime(localTime), m_kontrol(kontrol), m_tik(std::move(tik))
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        m_tik();
        planlaeg();
    });
    m_kontrol.installEventFilter(this);
    lytTilVindue();
}

void UrTakt::SetSkridt(Skridt skridt)
{
    m_skridt = skridt;
    planlaeg();
}

void UrTakt::SetTikSkjult(bool tikSkjult)
{
    m_tikSkjult = tikSkjult;
    planlaeg();
}

void UrTakt::start()
{
    m_aktiv = true;
    m_start = m_localTime.now();
    planlaeg();
}

void UrTakt::stop()
{
    m_aktiv = false;
    m_sovet = false;
    m_timer.stop();
}

bool UrTakt::synlig() const
{
    return m_kontrol.isVisible() && !m_kontrol.window()->isMinimized();
}

void UrTakt::planlaeg()
{
    if (!m_aktiv)
        return;
    if (!m_tikSkjult && !synlig()) {
        m_sovet = true;
        m_timer.stop();
        return;
    }
    const QDateTime nu = m_localTime.now();
    switch (m_skridt) {
    case Skridt::Sekund:
        m_timer.start(Takt::msTilNaesteSekund(nu));
        break;
    case Skridt::Minut:
        m_timer.start(Takt::msTilNaesteMinut(nu));
        break;
    case Skridt::SekundFraStart:
        m_timer.start(Takt::msTilNaeste(m_start, nu, 1000));
        break;
    }
}

void UrTakt::vaagn()
{
    const bool varSovet = m_sovet;
    m_sovet = false;
    planlaeg();
    // Ticks missed while asleep are made up by one, now.
    if (varSovet && m_timer.isActive())
        m_tik();
}

void UrTakt::lytTilVindue()
{
    QWidget *vindue = m_kontrol.window();
    if (vindue == m_vindue)
        return;
    if (m_vindue && m_vindue != &m_kontrol)
        m_vindue->removeEventFilter(this);
    m_vindue = vindue;
    if (vindue != &m_kontrol)
        vindue->installEventFilter(this);
}

bool UrTakt::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::ParentChange:
        if (watched == &m_kontrol)
            lytTilVindue();
        vaagn();
        break;
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::WindowStateChange:
        vaagn();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
