#include "alarms/AlarmTilstand.h"

#include "base/TextListFile.h"

#include <algorithm>

namespace {

constexpr int kFaste = 3;    // lines before the alarms put off
constexpr int kPrUdsat = 5;  // lines per alarm put off
constexpr int kPrMistet = 6; // lines per missed alarm not yet seen
constexpr int kMaksForsinkelse = 24 * 60;
// Ends the alarms put off and starts the missed ones; files written before
// the missed ones were kept end without it.
const QString kMistedeMaerke = QStringLiteral("[mistede]");

std::optional<ForfaldenAlarm> mistet(const QStringList &linjer, qsizetype i)
{
    const QDateTime tid = QDateTime::fromString(linjer.at(i), Qt::ISODateWithMs);
    if (!tid.isValid())
        return std::nullopt;
    const QString &kilde = linjer.at(i + 1);
    if (!kilde.isEmpty()) {
        std::optional<TAlarmRecord> alarm = AlarmFile::loadAlarm(kilde);
        if (!alarm)
            return std::nullopt;
        return ForfaldenAlarm{tid.toLocalTime(), *alarm};
    }
    bool lydOk = false;
    bool gangeOk = false;
    TAlarmRecord alarm;
    alarm.overskrift = linjer.at(i + 2);
    alarm.tekstfilnavn = linjer.at(i + 3);
    alarm.alarmfil = linjer.at(i + 4).toInt(&lydOk);
    alarm.gentagelse = quint8(std::clamp(linjer.at(i + 5).toInt(&gangeOk), 0, 255));
    if (!lydOk || !gangeOk || alarm.tekstfilnavn.isEmpty())
        return std::nullopt;
    const QTime klokken = tid.toLocalTime().time();
    alarm.time = quint16(klokken.hour());
    alarm.minut = quint16(klokken.minute());
    return ForfaldenAlarm{tid.toLocalTime(), alarm};
}

} // namespace

void AlarmTilstand::hent()
{
    const std::optional<QStringList> linjer = TextListFile::read(m_sti);
    if (!linjer || linjer->size() < kFaste)
        return;
    const QDateTime tjekket = QDateTime::fromString(linjer->at(0), Qt::ISODateWithMs);
    if (tjekket.isValid())
        sidstTjekket = tjekket.toUTC();
    bool ok = false;
    const int graense = linjer->at(1).toInt(&ok);
    if (ok && graense >= 0 && graense <= kMaksForsinkelse)
        forsinkelse = graense;
    const int minutter = linjer->at(2).toInt(&ok);
    if (ok && kUdsaetValg.contains(minutter))
        udsaetMinutter = minutter;
    udsatte.clear();
    mistede.clear();
    qsizetype i = kFaste;
    for (; i + kPrUdsat <= linjer->size() && linjer->at(i) != kMistedeMaerke; i += kPrUdsat) {
        Udsat u;
        u.tid = QDateTime::fromString(linjer->at(i), Qt::ISODateWithMs).toUTC();
        u.overskrift = linjer->at(i + 1);
        u.tekstfil = linjer->at(i + 2);
        bool lydOk = false;
        bool gangeOk = false;
        u.alarmfil = linjer->at(i + 3).toInt(&lydOk);
        u.gentagelse = linjer->at(i + 4).toInt(&gangeOk);
        if (u.tid.isValid() && lydOk && gangeOk)
            udsatte.append(u);
    }
    if (i >= linjer->size() || linjer->at(i) != kMistedeMaerke)
        return;
    for (++i; i + kPrMistet <= linjer->size(); i += kPrMistet) {
        if (const std::optional<ForfaldenAlarm> m = mistet(*linjer, i))
            mistede.append(*m);
    }
}

bool AlarmTilstand::sammeMistede(const ForfaldenAlarm &a, const ForfaldenAlarm &b)
{
    return a.tid == b.tid && a.alarm.kilde == b.alarm.kilde &&
           a.alarm.tekstfilnavn == b.alarm.tekstfilnavn;
}

bool AlarmTilstand::gem() const
{
    QStringList linjer{sidstTjekket.isValid() ? sidstTjekket.toUTC().toString(Qt::ISODateWithMs)
                                              : QString(),
                       QString::number(forsinkelse), QString::number(udsaetMinutter)};
    for (const Udsat &u : udsatte)
        linjer << u.tid.toUTC().toString(Qt::ISODateWithMs) << u.overskrift << u.tekstfil
               << QString::number(u.alarmfil) << QString::number(u.gentagelse);
    if (!mistede.isEmpty())
        linjer << kMistedeMaerke;
    for (const ForfaldenAlarm &m : mistede)
        linjer << m.tid.toUTC().toString(Qt::ISODateWithMs) << m.alarm.kilde << m.alarm.overskrift
               << m.alarm.tekstfilnavn << QString::number(m.alarm.alarmfil)
               << QString::number(m.alarm.gentagelse);
    return TextListFile::write(m_sti, linjer);
}
