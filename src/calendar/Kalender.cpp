#include "calendar/Kalender.h"

#include "platform/DataLocation.h"

#include <QDirIterator>
#include <QFileInfo>
#include <array>

namespace {

QString toCifre(int tal)
{
    return QStringLiteral("%1").arg(tal, 2, 10, QLatin1Char('0'));
}

// Names Windows keeps for its devices, with or without an extension.
bool enhedsnavn(const QString &navn)
{
    const QString stort = navn.section(QLatin1Char('.'), 0, 0).trimmed().toUpper();
    static const QStringList enheder = {QStringLiteral("CON"), QStringLiteral("PRN"),
                                        QStringLiteral("AUX"), QStringLiteral("NUL")};
    if (enheder.contains(stort))
        return true;
    return stort.size() == 4 &&
           (stort.startsWith(QLatin1String("COM")) || stort.startsWith(QLatin1String("LPT"))) &&
           stort.back() >= QLatin1Char('1') && stort.back() <= QLatin1Char('9');
}

} // namespace

namespace Kalender {

QString makeMonth(int M)
{
    static const std::array<const char16_t *, 12> navne = {
        u" Januar", u" Februar", u" Marts",     u" April",   u" Maj",      u" Juni",
        u" Juli",   u" August",  u" September", u" Oktober", u" November", u" December"};
    if (M < 1 || M > 12)
        return toCifre(M);
    return toCifre(M) + QString::fromUtf16(navne[M - 1]);
}

QString makeDay(int D, int ugedag)
{
    static const std::array<const char16_t *, 7> navne = {
        u" Mandag", u" Tirsdag", u" Onsdag", u" Torsdag", u" Fredag", u" Lørdag", u" Søndag"};
    if (ugedag < 1 || ugedag > 7)
        return toCifre(D);
    return toCifre(D) + QString::fromUtf16(navne[ugedag - 1]);
}

QString datoMappe(const QString &brugerKalenderMappe, QDate dato)
{
    const QString sep = DataLocation::separator();
    return brugerKalenderMappe + sep + QString::number(dato.year()) + sep +
           makeMonth(dato.month()) + sep + makeDay(dato.day(), dato.dayOfWeek());
}

QString kortDato(QDate dato)
{
    return dato.toString(QStringLiteral("dd-MM-yyyy"));
}

QDate medDag(QDate dato, int dag)
{
    const QDate ny(dato.year(), dato.month(), dag);
    return ny.isValid() ? ny : dato;
}

QDate medMaaned(QDate dato, int maaned)
{
    const QDate ny(dato.year(), maaned, dato.day());
    return ny.isValid() ? ny : dato;
}

QDate medAar(QDate dato, int aar)
{
    // The year field holds four digits; the calendar knows no year 0.
    if (aar < 1 || aar > 9999)
        return dato;
    const QDate ny(aar, dato.month(), dato.day());
    return ny.isValid() ? ny : dato;
}

std::optional<QStringList> loadRtfFiler(const QString &mappe)
{
    const QFileInfo info(mappe);
    if (!info.isDir() || !info.isReadable() || !info.isExecutable())
        return std::nullopt;
    QStringList navne;
    QDirIterator it(mappe, {QStringLiteral("*.rtf")},
                    QDir::Files | QDir::Hidden | QDir::CaseSensitive);
    while (it.hasNext()) {
        it.next();
        navne.append(it.fileName().chopped(4));
    }
    return navne;
}

QString dokumentSti(const QString &mappe, const QString &navn)
{
    return mappe + DataLocation::separator() + navn + QStringLiteral(".rtf");
}

Dokumentnavn dokumentNavn(const QString &tekst)
{
    Dokumentnavn d;
    if (tekst.trimmed().isEmpty()) {
        d.fejl = QStringLiteral(" Filnavnet består kun af mellemrum. \r Indfør et filnavn. ");
        return d;
    }
    if (tekst.contains(QLatin1Char('/')) || tekst.contains(QLatin1Char('\\'))) {
        d.fejl = QStringLiteral(" Filnavnet må ikke indeholde \"/\" eller \"\\\". \r"
                                " Dokumentet gemmes altid i mappen for valgte dato. ");
        return d;
    }
    if (tekst.contains(QLatin1String(".."))) {
        d.fejl = QStringLiteral(" Filnavnet må ikke indeholde \"..\". ");
        return d;
    }
    for (const QChar c : tekst) {
        if (c.unicode() < 0x20 || QStringLiteral(":*?\"<>|").contains(c)) {
            d.fejl = c.unicode() < 0x20
                         ? QStringLiteral(" Filnavnet indeholder et usynligt styretegn. ")
                         : QStringLiteral(" Filnavnet må ikke indeholde tegnet \"%1\". ").arg(c);
            return d;
        }
    }
    QString navn = tekst;
    const int punktum = navn.lastIndexOf(QLatin1Char('.'));
    if (punktum > 0)
        navn.truncate(punktum);
    if (navn.endsWith(QLatin1Char(' ')) || navn.endsWith(QLatin1Char('.'))) {
        d.fejl = QStringLiteral(" Filnavnet må ikke slutte med mellemrum eller punktum. ");
        return d;
    }
    if (enhedsnavn(navn)) {
        d.fejl = QStringLiteral(" Navnet %1 er forbeholdt systemet. \r Vælg et andet filnavn. ")
                     .arg(navn);
        return d;
    }
    if (navn.size() > kNavnMaks) {
        d.fejl = QStringLiteral(" Filnavnet må højst have %1 tegn. ").arg(kNavnMaks);
        return d;
    }
    d.navn = navn;
    return d;
}

std::optional<QString> gemFejl(const QString &mappe, bool mappeFindes, const QString &navn,
                               bool tekstTom)
{
    if (mappe.isEmpty())
        return QStringLiteral(" Der mangler et mappenavn. \r Vælg dato i kalenderen. ");
    if (!mappeFindes)
        return QStringLiteral(" Der mangler et mappenavn. \r Vælg dato i kalenderen. "
                              "\rKlik: Opret mappe for valgte dato.");
    if (navn.isEmpty())
        return QStringLiteral(" Der mangler et filnavn. \r Indfør filnavn uden efternavn. ");
    if (tekstTom)
        return QStringLiteral(" Der mangler en tekst. ");
    return std::nullopt;
}

int startIndex(const QStringList &dokumenter, Opstart valg, QDate dato)
{
    if (dokumenter.isEmpty())
        return -1;
    QString navn;
    switch (valg) {
    case Opstart::Information:
        navn = QStringLiteral("Information");
        break;
    case Opstart::Dato:
        navn = kortDato(dato);
        break;
    case Opstart::Dagbog:
        navn = QStringLiteral("Dagbog");
        break;
    case Opstart::Foerste:
        return 0;
    }
    for (int i = 0; i < dokumenter.size(); ++i)
        if (dokumenter.at(i).compare(navn, Qt::CaseInsensitive) == 0)
            return i;
    return 0;
}

} // namespace Kalender
