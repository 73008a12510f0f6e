#include "alarms/AlleAlarmer.h"

#include <QFileInfo>

AlarmRaekke alarmRaekke(const TAlarmRecord &alarm)
{
    AlarmRaekke raekke;
    raekke.symbol = alarm.alarmtype;
    switch (alarm.alarmtype) {
    case AlarmType::Dato:
        raekke.dato = alarm.dagS + u'-' + alarm.maanedS + u'-' + alarm.aarS;
        break;
    case AlarmType::Aarlig:
        raekke.dato = QStringLiteral("Dag: ") + alarm.dagS + u'-' + alarm.maanedS;
        break;
    default:
        // A type no editor writes reads as daily, as it fires.
        raekke.symbol = AlarmType::Daglig;
        raekke.dato = QStringLiteral("Daglig");
        break;
    }
    raekke.klokken = alarm.timeS + u':' + alarm.minutS;
    raekke.overskrift = alarm.overskrift;
    return raekke;
}

AlleAlarmer::AlleAlarmer(const QString &alarmDir, const QString &alarmTekster)
    : m_alarmDir(alarmDir), m_alarmTekster(alarmTekster)
{}

QStringList AlleAlarmer::hentAlleAlarmer()
{
    m_alarmX.clear();
    m_navne.clear();
    QStringList skipped;
    for (const QString &path : AlarmFile::addAlarmer(m_alarmDir)) {
        QString reason;
        std::optional<TAlarmRecord> alarm = AlarmFile::loadAlarm(path, &reason);
        if (!alarm) {
            m_skipReasons.insert(path, reason);
            if (!m_reported.contains(path)) {
                m_reported.insert(path);
                skipped.append(path);
            }
            continue;
        }
        m_alarmX.append(std::move(*alarm));
        m_navne.append(path.sliced(m_alarmDir.size()));
    }
    return skipped;
}

bool AlleAlarmer::filerFindes(int i) const
{
    return QFileInfo(tekstfil(i)).isFile() && QFileInfo(beskrivelsesfil(i)).isFile();
}

bool AlleAlarmer::slet(int i) const
{
    return AlarmFile::sletAlarmfiler(m_navne.at(i), m_alarmDir, m_alarmTekster);
}

QString AlleAlarmer::skippedMessage(const QStringList &paths) const
{
    return AlarmFile::skippedMessage(paths, m_skipReasons);
}
