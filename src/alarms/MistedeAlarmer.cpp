#include "alarms/MistedeAlarmer.h"

#include <algorithm>

namespace {

constexpr int kHvertAar = 3016;
constexpr int kLaengsteGab = 366;

} // namespace

namespace MistedeAlarmer {

QDateTime forfald(const QDate &dag, int time, int minut)
{
    const QTime tid(time, minut);
    if (!tid.isValid() || !dag.isValid())
        return {};
    const QDateTime moment(dag, tid);
    if (moment.isValid() && moment.time() == tid)
        return moment;
    // A time the clocks skip: the alarm falls due where the gap ends, on the hour.
    for (int time = tid.hour() + 1; time < 24; ++time) {
        const QDateTime hel(dag, QTime(time, 0));
        if (hel.isValid() && hel.time() == QTime(time, 0))
            return hel;
    }
    return {};
}

QList<ForfaldenAlarm> iGabet(const QString &alarmDir, const QDateTime &fra, const QDateTime &til)
{
    QList<ForfaldenAlarm> forfaldne;
    if (!fra.isValid() || !til.isValid() || fra >= til)
        return forfaldne;
    const QDate sidste = til.date();
    const QDate foerste = std::max(fra.date(), sidste.addDays(-kLaengsteGab));
    const auto iGab = [&](const QDateTime &tid) {
        return tid > fra && tid < til;
    };

    for (const QString &path : AlarmFile::addAlarmer(alarmDir)) {
        const std::optional<AlarmFile::Navn> navn =
            AlarmFile::parseNavn(path.sliced(alarmDir.size()));
        if (!navn || !QTime::isValid(navn->time, navn->minut, 0))
            continue;
        QList<QDateTime> tider;
        if (navn->aar == 0) {
            for (QDate dag = foerste; dag <= sidste; dag = dag.addDays(1))
                tider.append(forfald(dag, navn->time, navn->minut));
        } else if (navn->aar == kHvertAar) {
            for (int aar = foerste.year(); aar <= sidste.year(); ++aar) {
                const QDate dag(aar, navn->maaned, navn->dag);
                if (dag.isValid())
                    tider.append(forfald(dag, navn->time, navn->minut));
            }
        } else {
            const QDate dag(navn->aar, navn->maaned, navn->dag);
            if (dag.isValid())
                tider.append(forfald(dag, navn->time, navn->minut));
        }
        tider.removeIf([&](const QDateTime &tid) { return !iGab(tid); });
        if (tider.isEmpty())
            continue;
        const std::optional<TAlarmRecord> alarm = AlarmFile::loadAlarm(path);
        if (!alarm)
            continue;
        for (const QDateTime &tid : tider)
            forfaldne.append({tid, *alarm});
    }
    std::stable_sort(
        forfaldne.begin(), forfaldne.end(),
        [](const ForfaldenAlarm &a, const ForfaldenAlarm &b) { return a.tid > b.tid; });
    return forfaldne;
}

} // namespace MistedeAlarmer
