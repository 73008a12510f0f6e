#pragma once

#include "alarms/AlarmFile.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QSet>

class LocalTime;

// Today's alarms: the entries of the alarm folder still due on the date of the last
// load, in folder order, and the once-a-second choice of the one to fire.
class DagensAlarmer
{
public:
    DagensAlarmer(const QString &alarmDir, const LocalTime &localTime);

    // Rebuilds the list for the current date and time. Takes daily alarms and the
    // dated and yearly ones of today (a dated alarm of a later year waits for its
    // year) whose minute is now or later. Files that cannot be read or whose name
    // does not follow the scheme are skipped; returns the full paths of those skipped
    // files that have not been reported before in this run, so each bad file is
    // reported once. While an alarm is being fired its own file is not taken again.
    QStringList hentAlarmer();

    const QList<TAlarmRecord> &alarm() const { return m_alarm; }
    int index() const { return static_cast<int>(m_alarm.size()) - 1; }
    // The date the list was last loaded for.
    QDate dato() const { return m_dato; }

    // Once a second: when the date differs from the date of the last load (midnight,
    // or waking on a later day), reloads first (reloaded = true, skipped as hentAlarmer
    // returns). Then, unless an alarm is being fired, takes out the first entry (folder
    // order) whose hour and minute have come and returns it.
    struct Tick
    {
        bool reloaded = false;
        QStringList skipped;
        std::optional<TAlarmRecord> fire;
    };
    Tick alarmTimerTimer();

    // Alarms of the day that fell due at or before this moment were dealt with
    // (fired, or told of as missed): a later load does not take them again, so
    // nothing fires twice after a restart or a clock set back. Invalid: none.
    void setAfgjortTil(const QDateTime &tid) { m_afgjortTil = tid; }

    // "1 aktiv alarm", "N aktive alarmer".
    static QString antalTekst(qsizetype antal);

    // While true, alarmTimerTimer fires nothing and removes nothing.
    void setFiring(bool firing) { m_firing = firing; }
    bool firing() const { return m_firing; }

    // The caption of the menu item "aktive alarmer".
    QString caption() const { return m_caption; }

    // Why a file that hentAlarmer skipped was skipped, in Danish; empty for other files.
    QString skipReason(const QString &path) const { return m_skipReasons.value(path); }

    // The one information text that tells of the skipped files (as hentAlarmer returns
    // them): one file by name with its reason; several by a count, the first few by name
    // and reason, and the number of the rest. Empty when nothing was skipped.
    QString skippedMessage(const QStringList &paths) const;

private:
    QStringList load(const QDateTime &now);

    QString m_alarmDir;
    const LocalTime &m_localTime;
    QList<TAlarmRecord> m_alarm;
    QStringList m_paths; // the walked path of each entry of m_alarm
    QDate m_dato;
    QDateTime m_afgjortTil;
    bool m_firing = false;
    QString m_firingPath;
    QString m_caption = QStringLiteral("0 aktive alarmer");
    QSet<QString> m_reported;
    QHash<QString, QString> m_skipReasons;
};
