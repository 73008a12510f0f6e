#include "alarms/AlarmFile.h"

#include "base/AtomicFile.h"
#include "base/TextListFile.h"
#include "richtext/RtfWriter.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace {

constexpr qsizetype kLinjer = 11;
constexpr qsizetype kOverskriftLaengde = 36;
constexpr qsizetype kTekstLaengde = 4;
constexpr qsizetype kNavngivne = 5;

} // namespace

QString getStr(int aVal)
{
    const QString text = QString::number(aVal);
    return text.size() == 1 ? QLatin1Char('0') + text : text;
}

namespace AlarmFile {

std::optional<int> decimalFelt(QStringView felt)
{
    if (felt.isEmpty())
        return std::nullopt;
    for (const QChar c : felt) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
    }
    bool ok = false;
    const int value = felt.toInt(&ok, 10);
    return ok ? std::optional<int>(value) : std::nullopt;
}

QString stem(const QString &aarS, int maaned, int dag, int time, int minut)
{
    return aarS + u'-' + getStr(maaned) + u'-' + getStr(dag) + u'-' + getStr(time) + u'-' +
           getStr(minut);
}

std::optional<Navn> parseNavn(const QString &fileName)
{
    static const QString extension = QStringLiteral(".txt");
    if (!fileName.endsWith(extension, Qt::CaseInsensitive))
        return std::nullopt;
    const QStringView stamme = QStringView(fileName).chopped(extension.size());
    int felter[5];
    qsizetype start = 0;
    for (int i = 0; i < 5; ++i) {
        const qsizetype slut = i < 4 ? stamme.indexOf(u'-', start) : stamme.size();
        if (slut < 0)
            return std::nullopt;
        const std::optional<int> value = decimalFelt(stamme.sliced(start, slut - start));
        if (!value)
            return std::nullopt;
        felter[i] = *value;
        start = slut + 1;
    }
    return Navn{felter[0], felter[1], felter[2], felter[3], felter[4]};
}

std::optional<TAlarmRecord> loadAlarm(const QString &aFilename, QString *error)
{
    const auto fail = [error](const QString &reason) {
        if (error)
            *error = reason;
        return std::optional<TAlarmRecord>();
    };

    const std::optional<QStringList> read = TextListFile::read(aFilename);
    if (!read)
        return fail(QStringLiteral("filen kan ikke læses"));
    const QStringList &lines = *read;
    if (lines.size() < kLinjer)
        return fail(QStringLiteral("filen har %1 linjer i stedet for elleve").arg(lines.size()));

    int tal[8];
    for (int i = 0; i < 8; ++i) {
        bool ok = false;
        tal[i] = lines.at(i).toInt(&ok, 10);
        if (!ok)
            return fail(QStringLiteral("linje %1 er ikke et heltal").arg(i + 1));
    }

    TAlarmRecord alarm;
    alarm.aarS = lines.at(0).left(kTekstLaengde);
    alarm.maanedS = lines.at(1).left(kTekstLaengde);
    alarm.dagS = lines.at(2).left(kTekstLaengde);
    alarm.timeS = lines.at(3).left(kTekstLaengde);
    alarm.minutS = lines.at(4).left(kTekstLaengde);
    alarm.aar = static_cast<quint16>(tal[0]);
    alarm.maaned = static_cast<quint16>(tal[1]);
    alarm.dag = static_cast<quint16>(tal[2]);
    alarm.time = static_cast<quint16>(tal[3]);
    alarm.minut = static_cast<quint16>(tal[4]);
    alarm.alarmtype = static_cast<AlarmType>(static_cast<quint8>(tal[5]));
    alarm.alarmfil = tal[6];
    alarm.gentagelse = static_cast<quint8>(tal[7]);
    alarm.overskrift = lines.at(8).left(kOverskriftLaengde);
    alarm.tekstfilnavn = lines.at(9);
    alarm.filnavn = lines.at(10);
    return alarm;
}

bool skrivAlarmfil(const TAlarmRecord &alarm)
{
    const QString overskrift =
        alarm.overskrift.isEmpty() ? QStringLiteral("Ingen overskrift") : alarm.overskrift;
    return TextListFile::write(alarm.filnavn,
                               {alarm.aarS, alarm.maanedS, alarm.dagS, alarm.timeS, alarm.minutS,
                                QString::number(int(alarm.alarmtype)),
                                QString::number(alarm.alarmfil), QString::number(alarm.gentagelse),
                                overskrift, alarm.tekstfilnavn, alarm.filnavn});
}

void sletAlarm(const TAlarmRecord &alarm, const QString &alarmDir, const QString &alarmTekster)
{
    // Only the name is taken from the stored path: whatever folder line 11 names,
    // the pair is looked for in this user's own alarm folders.
    sletAlarmfiler(QFileInfo(alarm.filnavn).fileName(), alarmDir, alarmTekster);
}

bool sletAlarmfiler(const QString &navn, const QString &alarmDir, const QString &alarmTekster)
{
    if (navn.isEmpty() || navn == u"." || navn == u".." || navn.contains(u'/') ||
        navn.contains(u'\\'))
        return false;
    bool slettet = true;
    for (const QString &path : {alarmTekster + navn, alarmDir + navn}) {
        // A link is deleted itself, never what it points to.
        const QFileInfo file(path);
        if (file.isDir())
            slettet = false;
        else if ((file.exists() || file.isSymLink()) && !QFile::remove(path))
            slettet = false;
    }
    return slettet;
}

bool skrivAlarm(const TAlarmRecord &alarm, const QTextDocument &tekst)
{
    const bool parFandtes = QFileInfo(alarm.filnavn).isFile();
    if (!writeAtomically(alarm.tekstfilnavn, writeRtf(tekst)))
        return false;
    if (skrivAlarmfil(alarm))
        return true;
    if (!parFandtes)
        QFile::remove(alarm.tekstfilnavn);
    return false;
}

QString skippedMessage(const QStringList &paths, const QHash<QString, QString> &reasons)
{
    if (paths.isEmpty())
        return QString();
    if (paths.size() == 1) {
        return QStringLiteral("Alarmfilen %1 kan ikke læses og er sprunget over.\r%2")
            .arg(QFileInfo(paths.first()).fileName(), reasons.value(paths.first()));
    }
    QString text =
        QStringLiteral("%1 alarmfiler kan ikke læses og er sprunget over:").arg(paths.size());
    for (const QString &path : paths.first(std::min(paths.size(), kNavngivne)))
        text += QStringLiteral("\r%1: %2").arg(QFileInfo(path).fileName(), reasons.value(path));
    const qsizetype resten = paths.size() - kNavngivne;
    if (resten == 1)
        text += QStringLiteral("\rog 1 anden.");
    else if (resten > 1)
        text += QStringLiteral("\rog %1 andre.").arg(resten);
    return text;
}

QStringList addAlarmer(const QString &alarmDir)
{
    QStringList paths;
    QDirIterator it(alarmDir, QDir::Files | QDir::Hidden | QDir::System);
    while (it.hasNext()) {
        it.next();
        // A description file that is being written is not there yet.
        if (!AtomicFile::isTemporaryName(it.fileName()))
            paths.append(alarmDir + it.fileName());
    }
    return paths;
}

} // namespace AlarmFile
