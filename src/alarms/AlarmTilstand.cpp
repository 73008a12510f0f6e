#include "alarms/AlarmTilstand.h"

#include "base/TextListFile.h"

namespace {

constexpr int kFaste = 3;   // lines before the alarms put off
constexpr int kPrUdsat = 5; // lines per alarm put off
constexpr int kMaksForsinkelse = 24 * 60;

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
    for (qsizetype i = kFaste; i + kPrUdsat <= linjer->size(); i += kPrUdsat) {
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
}

bool AlarmTilstand::gem() const
{
    QStringList linjer{sidstTjekket.isValid() ? sidstTjekket.toUTC().toString(Qt::ISODateWithMs)
                                              : QString(),
                       QString::number(forsinkelse), QString::number(udsaetMinutter)};
    for (const Udsat &u : udsatte)
        linjer << u.tid.toUTC().toString(Qt::ISODateWithMs) << u.overskrift << u.tekstfil
               << QString::number(u.alarmfil) << QString::number(u.gentagelse);
    return TextListFile::write(m_sti, linjer);
}
