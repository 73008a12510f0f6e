#include "base/FarveTekst.h"

namespace {

int hexVaerdi(QChar c)
{
    if (c >= u'0' && c <= u'9')
        return c.unicode() - u'0';
    if (c >= u'A' && c <= u'F')
        return c.unicode() - u'A' + 10;
    if (c >= u'a' && c <= u'f')
        return c.unicode() - u'a' + 10;
    return -1;
}

} // namespace

QString Get16Tal(const QString &tekst)
{
    if (tekst.isEmpty())
        return QStringLiteral("#");
    const QString med = tekst.front().unicode() < u'#' ? u'#' + tekst : tekst;
    QString renset;
    for (const QChar c : med)
        if (c == u'#' || hexVaerdi(c) >= 0)
            renset += c;
    return renset;
}

QString GetColor(TColor farve)
{
    return QStringLiteral("#%1%2%3")
        .arg(farve.red(), 2, 16, QLatin1Char('0'))
        .arg(farve.green(), 2, 16, QLatin1Char('0'))
        .arg(farve.blue(), 2, 16, QLatin1Char('0'))
        .toUpper();
}

TColor GetFarve(const QString &tekst)
{
    if (tekst.size() != 7)
        return clNone;
    int komponent[3];
    for (int i = 0; i < 3; ++i) {
        const int hoej = hexVaerdi(tekst.at(1 + 2 * i));
        const int lav = hexVaerdi(tekst.at(2 + 2 * i));
        if (hoej < 0 || lav < 0)
            return clNone;
        komponent[i] = hoej * 16 + lav;
    }
    return TColor::fromRgb(komponent[0], komponent[1], komponent[2]);
}

TColor feltFarve(const QString &tekst)
{
    if (tekst.compare(kGennemsigtigTekst, Qt::CaseInsensitive) == 0)
        return clBtnFace;
    return GetFarve(tekst);
}

QList<FarveFelt> farvePalet(bool medGennemsigtig)
{
    QList<FarveFelt> palet{
        {QStringLiteral("Sort"), TColor(0x000000)},
        {QStringLiteral("Grå"), TColor(0x808080)},
        {QStringLiteral("Kastanje"), TColor(0x000080)},
        {QStringLiteral("Oliven"), TColor(0x008080)},
        {QStringLiteral("Grøn"), TColor(0x008000)},
        {QStringLiteral("Turkis"), TColor(0x808000)},
        {QStringLiteral("Mørk blå"), TColor(0x800000)},
        {QStringLiteral("Mørk lilla"), TColor(0x800080)},
        {QStringLiteral("Hvid"), TColor(0xFFFFFF)},
        {QStringLiteral("Sølv grå"), TColor(0xC0C0C0)},
        {QStringLiteral("Rød"), TColor(0x0000FF)},
        {QStringLiteral("Gul"), TColor(0x00FFFF)},
        {QStringLiteral("Lime"), TColor(0x00FF00)},
        {QStringLiteral("Cyan"), TColor(0xFFFF00)},
        {QStringLiteral("Blå"), TColor(0xFF0000)},
        {QStringLiteral("Magenta"), TColor(0xFF00FF)},
    };
    if (medGennemsigtig)
        palet += {
            {QStringLiteral("Pengegrøn"), TColor(0xC0DCC0)},
            {QStringLiteral("Himmelblå"), TColor(0xF0CAA6)},
            {QStringLiteral("Flødefarvet"), TColor(0xF0FBFF)},
            {QStringLiteral("Mellemgrå"), TColor(0xA4A0A0)},
            {QStringLiteral("Gennemsigtig"), clBtnFace},
        };
    return palet;
}
