#pragma once

#include "alarms/AlarmLock.h"
#include "alarms/AlarmTilstand.h"
#include "alarms/DagensAlarmer.h"
#include "alarms/MistedeAlarmer.h"

#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QStringList>
#include <functional>

class DataFolders;
class LocalTime;
class LydListe;
class Messages;
class QTimer;
class SoundPlayer;

// An alarm as the windows show it when it fires.
struct AlarmVisning
{
    int id = 0; // what "Udsæt" names it by
    QString overskrift;
    QString tekstfil;
    QDateTime tid;            // when it fires
    QDateTime skulleHaveLydt; // valid when it fires late
};

// The alarm clockwork: the right to fire (one running copy does), the take-over
// from a copy that ended, today's alarms and their check, the firing of an alarm,
// the rule that no sound cuts another off, the alarms missed while nobody checked
// and the alarms put off. It has no windows: it says what they show through its
// signals and the showing call it is given.
class Alarmvaerk : public QObject
{
    Q_OBJECT

public:
    Alarmvaerk(const DataFolders &folders, const LocalTime &localTime, SoundPlayer &soundPlayer,
               const LydListe &lydListe, Messages &messages, QObject *parent = nullptr);
    // Remembers when it last checked.
    ~Alarmvaerk() override;

    // Shows a firing alarm; false when its text could not be shown, and then it
    // plays no sound. Without it an alarm still sounds.
    using Visning = std::function<bool(const AlarmVisning &alarm)>;
    void setVisning(Visning visning) { m_visning = std::move(visning); }

    // Rebuilds today's alarms from the alarm folder and arms the alarm timer. The
    // first time, the alarms that fell due since the last run are dealt with.
    void hentAlarmer();
    // The alarm check: when the timer wakes, and on demand.
    void alarmTimerTimer();
    // Fires one alarm: its window, its sound, and a dated alarm's files go.
    void playAlarm(const TAlarmRecord &E);

    const DagensAlarmer &dagensAlarmer() const { return m_dagensAlarmer; }
    QTimer *alarmTimer() const { return m_alarmTimer; }
    // The caption of the menu item of active alarms: today's and the ones put off.
    QString caption() const;

    // Another sound of the program (the countdown alarm), which must neither cut
    // off an alarm's sound nor be cut off by one. `start` runs now when no alarm
    // sounds, or else when that sound ends; a later request replaces a waiting
    // one. `slut` runs when a sound ends that was not an alarm's.
    void naarLydenErFri(std::function<void()> start, std::function<void()> slut);
    // A waiting request is dropped.
    void glemVentende() { m_ventende = nullptr; }

    // "Udsæt": the alarm shown as `id` fires again `minutter` from now, which are
    // remembered as the next choice. False when the alarm is not known (any more).
    bool udsaet(int id, int minutter);
    const QList<Udsat> &udsatte() const { return m_tilstand.udsatte; }
    // Cancels the alarm put off at that place of udsatte().
    void annullerUdsat(qsizetype index);
    int udsaetMinutter() const { return m_tilstand.udsaetMinutter; }
    // How many minutes late a missed alarm may still fire; 0: never.
    int forsinkelse() const { return m_tilstand.forsinkelse; }
    void setForsinkelse(int minutter);

    // The missed alarms were seen in their list: the dated ones go, as fired
    // ones do. Until then they stay in the state file and are listed again at
    // the next start.
    void mistedeSet(const QList<ForfaldenAlarm> &alarmer);
    // The computer is about to sleep: the time of the last check is stored.
    void gemTilstand();
    // The computer woke: the alarms of the time it slept are looked for at once.
    void vaagnet();

    // When the check must next look, from `nu`: at the next whole second while an
    // alarm is due or due within a minute, or the list is of another day; at the
    // next alarm's minute (`tider`: the moments today's alarms and the ones put
    // off fall due); else at midnight, when the next day's alarms load.
    static QDateTime naesteTjek(const QDateTime &nu, const QDate &indlaest,
                                const QList<QDateTime> &tider);
    // The same for a copy that does not fire alarms: at the start of the next
    // minute, so that it takes over within a minute of the holder's end.
    static QDateTime naesteForsoeg(const QDateTime &nu);

Q_SIGNALS:
    // The caption of the menu item of active alarms changed.
    void captionAendret(const QString &caption);
    // Today's alarms changed: lists of them must be refreshed.
    void dagensAlarmerAendret();
    // An alarm fired (after its window was asked to show it).
    void affyret(const AlarmVisning &alarm);
    // Alarms fell due while nobody checked and too long ago to fire: newest first.
    void mistede(const QList<ForfaldenAlarm> &alarmer);
    // The alarms put off changed.
    void udsatteAendret();

private:
    struct Vist
    {
        TAlarmRecord alarm;
        QByteArray tekst;
    };
    struct IKoe
    {
        TAlarmRecord alarm;
        QDateTime skulleHaveLydt;
        QString udsatFil;
    };

    // The wall clock or the time zone changed: the timer is armed anew, and
    // with `gab` the alarms since the last check are looked for.
    void uret(bool gab);
    void armAlarmTimer();
    void reportSkipped(const QStringList &skipped);
    void lydSlut();
    void affyr(const TAlarmRecord &E, const QDateTime &skulleHaveLydt, const QString &udsatFil);
    // The alarms of the gap since the last check: the ones late by no more
    // than the limit are queued to fire; the older ones, newest first, are
    // returned and remembered as not yet seen.
    QList<ForfaldenAlarm> haandterGab(const QDateTime &nu);
    bool ikkeSet(const ForfaldenAlarm &alarm) const;
    void meldMistede(QList<ForfaldenAlarm> alarmer);
    void flytForfaldneUdsatte(const QDateTime &nu);
    void afgjort(const QDateTime &nu);
    void meldAendret();
    void stopLydAfAendretAlarm();
    TAlarmRecord somAlarm(const Udsat &udsat) const;

    const DataFolders &m_folders;
    const LocalTime &m_localTime;
    SoundPlayer &m_soundPlayer;
    const LydListe &m_lydListe;
    Messages &m_messages;
    DagensAlarmer m_dagensAlarmer;
    AlarmLock m_alarmLock;
    AlarmTilstand m_tilstand;
    Visning m_visning;
    bool m_overtager = false; // taken over the alarms; the list is read next minute
    bool m_startet = false;   // the alarms of the time before this run were dealt with
    bool m_gab = false;       // the wall clock jumped forwards: look for missed alarms
    QDateTime m_planlagt;     // when the timer was to wake
    QDateTime m_afgjortTil;   // the latest moment checked
    QStringList m_uviste;     // unreadable files still to be told
    bool m_beskedPlanlagt = false;
    QList<IKoe> m_koe;       // late and put-off alarms to fire, in turn
    QHash<int, Vist> m_vist; // the alarms shown lately, by id
    int m_naesteId = 0;
    int m_lydId = 0; // the alarm whose sound plays, if a stored one
    std::function<void()> m_ventende;
    std::function<void()> m_andenSlut;
    QTimer *m_alarmTimer;
    QTimer *m_gemTimer;
};
