#include "alarms/NyAlarmTjek.h"

#include "alarms/AlarmFile.h"
#include "base/TextListFile.h"
#include "base/Windows1252.h"

#include <QFileInfo>

namespace {

constexpr int kHvertAar = 3016;

// The value of a field when it lies in [laveste, hoejeste].
std::optional<int> iOmraade(const QString &felt, int laveste, int hoejeste)
{
    const std::optional<int> value = NyAlarmTjek::heltal(felt);
    if (!value || *value < laveste || *value > hoejeste)
        return std::nullopt;
    return value;
}

NyAlarmTjek::Resultat stop(const QString &besked)
{
    return {std::nullopt, besked};
}

} // namespace

namespace NyAlarmTjek {

std::optional<int> heltal(const QString &felt)
{
    return AlarmFile::decimalFelt(felt);
}

Resultat gemAlarm(const NyAlarmFelter &felter, const QString &alarmDir, const QString &alarmTekster)
{
    TAlarmRecord alarm;
    alarm.alarmtype = felter.type;
    if (felter.type == AlarmType::Daglig) {
        alarm.aarS = QStringLiteral("0000");
        alarm.maanedS = alarm.dagS = QStringLiteral("00");
    } else {
        const QString aar =
            felter.type == AlarmType::Aarlig ? QString::number(kHvertAar) : felter.aar;
        if (aar.size() < 4 || !heltal(aar))
            return stop(QStringLiteral("År er forkert.\rDer skal anføres 4 cifre."));
        alarm.aarS = aar;
        const std::optional<int> maaned = iOmraade(felter.maaned, 1, 12);
        if (!maaned)
            return stop(QStringLiteral(
                "Måned er forkert.\rVærdien skal være mellem 1 og 12 begge medregnet."));
        alarm.maaned = quint16(*maaned);
        alarm.maanedS = getStr(*maaned);
        const std::optional<int> dag = iOmraade(felter.dag, 1, 31);
        if (!dag)
            return stop(QStringLiteral(
                "Dag er forkert.\rVærdien skal være mellem 1 og 31 begge medregnet."));
        alarm.dag = quint16(*dag);
        alarm.dagS = getStr(*dag);
        alarm.aar = quint16(aar.toInt());
    }

    const std::optional<int> time = iOmraade(felter.time, 0, 23);
    if (!time)
        return stop(QStringLiteral(
            "Time er forkert.\rVærdien skal være mellem 0 og 23 begge medregnet.\rMidnat hører "
            "til den nye dag, altså \rTime: 0 Minut: 0"));
    alarm.time = quint16(*time);
    alarm.timeS = getStr(*time);
    const std::optional<int> minut = iOmraade(felter.minut, 0, 59);
    if (!minut)
        return stop(
            QStringLiteral("Minut er forkert.\rVærdien skal være mellem 0 og 59 begge medregnet."));
    alarm.minut = quint16(*minut);
    alarm.minutS = getStr(*minut);

    // The field refuses such letters; a heading that holds them all the same would
    // lose them silently in the description file.
    if (!kanGemmesAnsi(felter.overskrift))
        return stop(QStringLiteral("Overskriften indeholder tegn, der ikke kan gemmes.\rBrug "
                                   "kun bogstaver og tegn fra vesteuropæisk tegnsæt."));
    alarm.overskrift =
        felter.overskrift.isEmpty() ? QStringLiteral("Ingen overskrift") : felter.overskrift;
    alarm.alarmfil = felter.lyd;
    const std::optional<int> gentagelse = iOmraade(felter.gentagelse, 1, kGentagelseMaks);
    if (!gentagelse)
        return stop(QStringLiteral(
            "Gentagelse er forkert.\rVærdien skal være mellem 1 og 16 begge medregnet."));
    alarm.gentagelse = quint8(*gentagelse);

    const QString navn =
        AlarmFile::stem(alarm.aarS, alarm.maaned, alarm.dag, alarm.time, alarm.minut) +
        QStringLiteral(".txt");
    alarm.tekstfilnavn = alarmTekster + navn;
    alarm.filnavn = alarmDir + navn;
    return {alarm, QString()};
}

QStringList overskrivSpoergsmaal(const TAlarmRecord &alarm)
{
    return {QStringLiteral("Alarmen eksisterer allerede."),
            QStringLiteral("Skal filerne overskrives?"), QString(),
            QStringLiteral("..Alarmer/") + QFileInfo(alarm.filnavn).fileName(),
            QStringLiteral("..Alarmtekster/") + QFileInfo(alarm.tekstfilnavn).fileName()};
}

bool kanGemmesAnsi(const QString &tekst)
{
    bool tabsfri = false;
    Windows1252::encode(tekst, &tabsfri);
    return tabsfri;
}

} // namespace NyAlarmTjek
