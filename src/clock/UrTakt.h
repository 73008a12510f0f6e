#pragma once

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>

class LocalTime;
class QWidget;

// The tick of a clock control: one single-shot timer to the moment the
// display next changes. While the control cannot be seen (hidden, in the
// tray, its window minimised) the timer is off, and the first showing ticks
// at once, so the clock is right the moment it is seen again.
class UrTakt : public QObject
{
    Q_OBJECT

public:
    enum class Skridt
    {
        Sekund,        // on the wall clock's seconds
        Minut,         // on the wall clock's minutes
        SekundFraStart // every second counted from start()
    };

    UrTakt(const LocalTime &localTime, QWidget &kontrol, std::function<void()> tik);

    void SetSkridt(Skridt skridt);
    // A countdown must reach its end unseen: it ticks while hidden too.
    void SetTikSkjult(bool tikSkjult);

    void start();
    void stop();
    // Started and not stopped, awake or asleep.
    bool isActive() const { return m_aktiv; }
    // The timer runs: started, and seen or ticking unseen.
    bool isAwake() const { return m_timer.isActive(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool synlig() const;
    void vaagn();
    void planlaeg();
    void lytTilVindue();

    const LocalTime &m_localTime;
    QWidget &m_kontrol;
    QPointer<QWidget> m_vindue;
    std::function<void()> m_tik;
    QTimer m_timer;
    QDateTime m_start;
    Skridt m_skridt = Skridt::Sekund;
    bool m_tikSkjult = false;
    bool m_aktiv = false;
    bool m_sovet = false;
};
