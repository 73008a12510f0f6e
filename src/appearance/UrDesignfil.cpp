#include "appearance/UrDesignfil.h"

#include "base/FarveTekst.h"
#include "base/TextListFile.h"

#include <QRegularExpression>

namespace UrDesignfil {

namespace {

QString flag(bool value)
{
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

QStringList linjer(const UrDesignTekst &design)
{
    const UrDimensioner &d = design.dimensioner;
    const UrForm &f = design.form;
    QStringList linjer;
    for (const int tal : {d.Mellemrum, d.UrAfstand, d.TegnBredde, d.TegnTykkelse, d.ViserTime,
                          d.ViserMin, d.ViserSek})
        linjer << QString::number(tal);
    for (const QString &farve : design.farver)
        linjer << farve;
    linjer << QString::number(f.position.x()) << QString::number(f.position.y())
           << QString::number(f.size.width()) << QString::number(f.size.height())
           << flag(f.gennemsigtig) << flag(f.rundtUr) << flag(f.analogVist)
           << QString::number(f.oldHeight);
    return linjer;
}

bool gem(const QString &path, const UrDesignTekst &design)
{
    return TextListFile::write(path, linjer(design));
}

std::optional<QStringList> hent(const QString &path)
{
    std::optional<QStringList> linjer = TextListFile::read(path);
    if (!linjer || linjer->size() != kAntalLinjer)
        return std::nullopt;
    return linjer;
}

std::optional<int> heltal(const QString &linje)
{
    static const QRegularExpression tal(QStringLiteral("^\\s*-?[0-9]+\\s*$"));
    if (!tal.match(linje).hasMatch())
        return std::nullopt;
    bool ok = false;
    const int value = linje.trimmed().toInt(&ok, 10);
    return ok ? std::optional<int>(value) : std::nullopt;
}

QString talFejl(const QString &path, int linjeNr, const QString &linje)
{
    return QStringLiteral("\"%1\" er ikke et gyldigt heltal (linje %2 i %3).")
        .arg(linje.left(40))
        .arg(linjeNr)
        .arg(path);
}

bool erFarve(const QString &linje)
{
    return feltFarve(linje) != clNone;
}

QString farveFejl(const QString &path, int linjeNr, const QString &linje)
{
    return QStringLiteral("\"%1\" er ikke en gyldig farve (linje %2 i %3).")
        .arg(linje.left(40))
        .arg(linjeNr)
        .arg(path);
}

std::optional<QString> navnFejl(const QString &navn)
{
    static const QString forbudte = QStringLiteral("\\/:*?\"<>|");
    for (const QChar c : navn)
        if (c.unicode() < 0x20 || forbudte.contains(c))
            return QStringLiteral("Et designnavn må ikke indeholde tegnene \\ / : * ? \" < > | "
                                  "eller styretegn.");
    if (navn.contains(QStringLiteral("..")))
        return QStringLiteral("Et designnavn må ikke indeholde \"..\".");
    if (navn.endsWith(u'.') || navn.endsWith(u' '))
        return QStringLiteral("Et designnavn må ikke ende med punktum eller mellemrum.");
    static const QRegularExpression enhed(QStringLiteral("^(CON|PRN|AUX|NUL|COM[1-9]|LPT[1-9])$"),
                                          QRegularExpression::CaseInsensitiveOption);
    if (enhed.match(navn).hasMatch())
        return QStringLiteral("\"%1\" er et navn, som filsystemet ikke tillader.").arg(navn);
    // 255 bytes is the longest file name the common file systems hold.
    if ((navn + QStringLiteral(".txt")).toUtf8().size() > 255)
        return QStringLiteral("Designnavnet er for langt.");
    return std::nullopt;
}

} // namespace UrDesignfil
