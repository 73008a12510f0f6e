#include "base/Indstillinger.h"

#include "base/TextListFile.h"

#include <QStringList>
#include <limits>

namespace {

constexpr int kLinjer = 22;
constexpr int kLaesteLinjer = 19;

std::optional<int> tal(const QStringList &linjer, int nr, int mindst, int hoejst)
{
    if (nr > linjer.size())
        return std::nullopt;
    bool ok = false;
    const int value = linjer.at(nr - 1).trimmed().toInt(&ok);
    if (!ok || value < mindst || value > hoejst)
        return std::nullopt;
    return value;
}

void saetTal(int &felt, const QStringList &linjer, int nr, int mindst, int hoejst)
{
    if (const std::optional<int> value = tal(linjer, nr, mindst, hoejst))
        felt = *value;
}

void saetFlag(bool &felt, const QStringList &linjer, int nr)
{
    if (const std::optional<int> value = tal(linjer, nr, 0, 1))
        felt = *value == 1;
}

void saetTekst(QString &felt, const QStringList &linjer, int nr)
{
    if (nr <= linjer.size())
        felt = linjer.at(nr - 1);
}

QString flag(bool value)
{
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

namespace Indstillingsfil {

bool hent(const QString &path, Indstillinger &ind)
{
    const std::optional<QStringList> fil = TextListFile::read(path);
    if (!fil)
        return false;
    const QStringList &l = *fil;
    constexpr int maks = std::numeric_limits<int>::max();

    saetTekst(ind.designName, l, 1);
    saetTal(ind.alarmIndex, l, 2, 0, maks);
    saetTal(ind.alarmAntal, l, 3, 1, kAlarmAntalMaks);
    if (const std::optional<int> side = tal(l, 4, 0, kAntalEgenskabsSider - 1))
        ind.side = EgenskabsSide(*side);
    saetTal(ind.lydBar, l, 5, 0, kLydBarMaks);
    saetTal(ind.alarmLydIndex, l, 6, 0, maks);
    saetTal(ind.alarmLydGentagelse, l, 7, 0, maks);
    saetTekst(ind.fontNameDoc, l, 8);
    saetTal(ind.fontSizeDoc, l, 9, 1, maks);
    saetTekst(ind.alarmMemoFontName, l, 10);
    saetTal(ind.alarmMemoFontSize, l, 11, 1, maks);
    saetTekst(ind.fontNameDocK, l, 12);
    saetTal(ind.fontSizeDocK, l, 13, 1, maks);
    saetFlag(ind.opstartCheck, l, 14);
    saetTal(ind.opstartIndex, l, 15, 0, 3);
    const std::optional<int> top = tal(l, 16, std::numeric_limits<int>::min(), maks);
    const std::optional<int> left = tal(l, 17, std::numeric_limits<int>::min(), maks);
    const std::optional<int> width = tal(l, 18, std::numeric_limits<int>::min(), maks);
    const std::optional<int> height = tal(l, kLaesteLinjer, std::numeric_limits<int>::min(), maks);
    if (top && left && width && height)
        ind.vindue = QRect(*left, *top, *width, *height);

    if (l.size() == kLinjer) {
        saetFlag(ind.stopUrCheck, l, 20);
        saetFlag(ind.runVisCheck, l, 21);
        saetTekst(ind.startProgFilename, l, 22);
    }
    return true;
}

QStringList linjer(const Indstillinger &ind)
{
    const QRect vindue = ind.vindue.value_or(QRect());
    return {ind.designName,
            QString::number(ind.alarmIndex),
            QString::number(ind.alarmAntal),
            QString::number(int(ind.side)),
            QString::number(ind.lydBar),
            QString::number(ind.alarmLydIndex),
            QString::number(ind.alarmLydGentagelse),
            ind.fontNameDoc,
            QString::number(ind.fontSizeDoc),
            ind.alarmMemoFontName,
            QString::number(ind.alarmMemoFontSize),
            ind.fontNameDocK,
            QString::number(ind.fontSizeDocK),
            flag(ind.opstartCheck),
            QString::number(ind.opstartIndex),
            QString::number(vindue.top()),
            QString::number(vindue.left()),
            QString::number(vindue.width()),
            QString::number(vindue.height()),
            flag(ind.stopUrCheck),
            flag(ind.runVisCheck),
            ind.startProgFilename};
}

bool gem(const QString &path, const Indstillinger &indstillinger)
{
    return TextListFile::write(path, linjer(indstillinger));
}

int senkLydIndex(int alarmLydIndex, int antalLyde)
{
    return alarmLydIndex >= antalLyde ? antalLyde - 1 : alarmLydIndex;
}

} // namespace Indstillingsfil
