#pragma once

#include <QString>
#include <optional>

// The countdown alarm of the page "Nedtællingsalarm" without the page: the span,
// counting down or up to it, the one firing and the view to return to. The digital
// field raises its events again at every repaint, so a firing is let through once.
class NedtaellingsAlarm
{
public:
    enum class Tilstand
    {
        Hvile,       // nothing runs
        NedTaelling, // counting the span down to 0:00:00
        OpTaelling,  // counting up to the span
        Stopur,      // the plain stopwatch, without alarm
        Udloest,     // fired: its window shows and its sound plays
    };

    inline static constexpr int kTimerMaks = 100;

    // "Start alarm" with the texts of the fields Timer, Minutter and Sekunder (an empty
    // field counts as 0). Nothing starts when a field is out of its range or all three
    // are 0; the message tells why. A start while an alarm runs or sounds starts over,
    // and keeps the view to return to from the first start.
    struct Start
    {
        bool startet = false;
        QString besked;
    };
    Start start(const QString &timer, const QString &minutter, const QString &sekunder, bool taelOp,
                bool urSynligt);

    // "Stopur start": counting up without end. A countdown that ran is dropped.
    void stopurStart();

    // The digital field shows T:M:S while counting up: true when the span is reached,
    // also by a late tick that passes it. Only the first time.
    bool StopUrTid(int T, int M, int S);
    // The digital field's countdown reached 0:00:00: true the first time.
    bool StopUrAlarm();

    // The firing ended (the sound's last repetition, or "Luk"): whether the analog clock
    // showed at the start, to show it again. Nothing when no firing was under way.
    std::optional<bool> slut();

    Tilstand tilstand() const { return m_tilstand; }
    int timer() const { return m_timer; }
    int minutter() const { return m_minutter; }
    int sekunder() const { return m_sekunder; }
    // The count-up target; -1 in all three for the plain stopwatch.
    int suTimer() const { return m_suTimer; }
    int suMinutter() const { return m_suMinutter; }
    int suSekunder() const { return m_suSekunder; }

private:
    Tilstand m_tilstand = Tilstand::Hvile;
    int m_timer = 0, m_minutter = 0, m_sekunder = 0;
    int m_suTimer = -1, m_suMinutter = -1, m_suSekunder = -1;
    bool m_urSynligt = true;
};
