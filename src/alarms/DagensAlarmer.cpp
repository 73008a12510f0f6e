#include "alarms/DagensAlarmer.h"

#include "alarms/MistedeAlarmer.h"
#include "platform/LocalTime.h"

namespace {

constexpr int kHvertAar = 3016;

int minutOfDay(int time, int minut)
{
    return time * 60 + minut;
}

// Whether a file named for this date and minute is still due on the given day.
bool dueToday(const AlarmFile::Navn &navn, const QDate &dato, int nu)
{
    if (navn.aar != 0) {
        if (navn.aar < dato.year() || navn.maaned != dato.month() || navn.dag != dato.day())
            return false;
        // Firing deletes a dated alarm, so one of a later year must wait for its year.
        if (navn.aar > dato.year() && navn.aar != kHvertAar)
            return false;
    }
    return minutOfDay(navn.time, navn.minut) >= nu;
}

} // namespace

DagensAlarmer::DagensAlarmer(const QString &alarmDir, const LocalTime &localTime)
    : m_alarmDir(alarmDir), m_localTime(localTime)
{}

QStringList DagensAlarmer::hentAlarmer()
{
    return load(m_localTime.now());
}

QStringList DagensAlarmer::load(const QDateTime &now)
{
    m_alarm.clear();
    m_paths.clear();
    m_dato = now.date();
    const int nu = minutOfDay(now.time().hour(), now.time().minute());

    QStringList skipped;
    const auto skip = [&](const QString &path, const QString &reason) {
        m_skipReasons.insert(path, reason);
        if (!m_reported.contains(path)) {
            m_reported.insert(path);
            skipped.append(path);
        }
    };

    for (const QString &path : AlarmFile::addAlarmer(m_alarmDir)) {
        const std::optional<AlarmFile::Navn> navn =
            AlarmFile::parseNavn(path.sliced(m_alarmDir.size()));
        if (!navn) {
            skip(path, QStringLiteral("navnet er ikke år-måned-dag-time-minut.txt"));
            continue;
        }
        if (!dueToday(*navn, m_dato, nu))
            continue;
        if (m_firing && path == m_firingPath)
            continue;
        if (m_afgjortTil.isValid()) {
            const QDateTime due = MistedeAlarmer::forfald(m_dato, navn->time, navn->minut);
            if (due.isValid() && due <= m_afgjortTil)
                continue;
        }
        QString reason;
        std::optional<TAlarmRecord> alarm = AlarmFile::loadAlarm(path, &reason);
        if (!alarm) {
            skip(path, reason);
            continue;
        }
        m_alarm.append(std::move(*alarm));
        m_paths.append(path);
    }
    m_caption = antalTekst(m_alarm.size());
    return skipped;
}

DagensAlarmer::Tick DagensAlarmer::alarmTimerTimer()
{
    Tick tick;
    const QDateTime now = m_localTime.now();
    if (now.date() != m_dato) {
        tick.reloaded = true;
        tick.skipped = load(now);
    }
    if (m_firing)
        return tick;

    const int nu = minutOfDay(now.time().hour(), now.time().minute());
    for (qsizetype i = 0; i < m_alarm.size(); ++i) {
        if (minutOfDay(m_alarm.at(i).time, m_alarm.at(i).minut) <= nu) {
            tick.fire = m_alarm.takeAt(i);
            m_firingPath = m_paths.takeAt(i);
            m_caption =
                m_alarm.isEmpty() ? QStringLiteral("Ingen alarmer") : antalTekst(m_alarm.size());
            break;
        }
    }
    return tick;
}

QString DagensAlarmer::skippedMessage(const QStringList &paths) const
{
    return AlarmFile::skippedMessage(paths, m_skipReasons);
}

QString DagensAlarmer::antalTekst(qsizetype count)
{
    return count == 1 ? QStringLiteral("1 aktiv alarm")
                      : QStringLiteral("%1 aktive alarmer").arg(count);
}
