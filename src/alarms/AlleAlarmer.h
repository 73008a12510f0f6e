#pragma once

#include "alarms/AlarmFile.h"

#include <QHash>
#include <QList>
#include <QSet>

// One row of the alarm overview's table: the picture of the alarm's type and the
// texts of the columns "Dato", "Klokken" and "Overskrift".
struct AlarmRaekke
{
    AlarmType symbol = AlarmType::Daglig;
    QString dato, klokken, overskrift;

    friend bool operator==(const AlarmRaekke &, const AlarmRaekke &) = default;
};

// "Daglig", "24-12-2015" or "Dag: 17-05"; the time as "18:00".
AlarmRaekke alarmRaekke(const TAlarmRecord &alarm);

// Every alarm of the alarm folder, for the overview's view of all alarms. Each entry
// remembers the name under which its description file was found: editing and deleting
// go by that name in this user's two alarm folders, never by the paths the file holds.
class AlleAlarmer
{
public:
    // Both folders end in the separator.
    AlleAlarmer(const QString &alarmDir, const QString &alarmTekster);

    // Reads every description file anew, in folder order. A file that cannot be read
    // is skipped; returns the skipped files not reported before in this run.
    QStringList hentAlleAlarmer();

    const QList<TAlarmRecord> &alarmX() const { return m_alarmX; }
    int indexX() const { return int(m_alarmX.size()) - 1; }

    // The files of entry i in this user's folders.
    QString beskrivelsesfil(int i) const { return m_alarmDir + m_navne.at(i); }
    QString tekstfil(int i) const { return m_alarmTekster + m_navne.at(i); }
    // Whether both files of entry i are there.
    bool filerFindes(int i) const;
    // Deletes the pair of entry i; false when a file is left.
    bool slet(int i) const;

    // The information text for skipped files, as hentAlleAlarmer returns them.
    QString skippedMessage(const QStringList &paths) const;

private:
    QString m_alarmDir;
    QString m_alarmTekster;
    QList<TAlarmRecord> m_alarmX;
    QStringList m_navne;
    QSet<QString> m_reported;
    QHash<QString, QString> m_skipReasons;
};
