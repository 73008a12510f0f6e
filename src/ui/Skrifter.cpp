#include "ui/Skrifter.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>

namespace Skrifter {

const std::vector<Stedfortraeder> &tabel()
{
    static const std::vector<Stedfortraeder> stedfortraedere = {
        {QStringLiteral("Courier New"),
         {QStringLiteral("Liberation Mono"), QStringLiteral("Nimbus Mono PS"),
          QStringLiteral("DejaVu Sans Mono")}},
        {QStringLiteral("Arial"),
         {QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"),
          QStringLiteral("DejaVu Sans")}},
        {QStringLiteral("Times New Roman"),
         {QStringLiteral("Liberation Serif"), QStringLiteral("Nimbus Roman"),
          QStringLiteral("DejaVu Serif")}},
        {QStringLiteral("Lucida Calligraphy"),
         {QStringLiteral("Z003"), QStringLiteral("URW Chancery L"),
          QStringLiteral("TeX Gyre Chorus"), QStringLiteral("Liberation Serif")}},
        {QStringLiteral("Tahoma"),
         {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")}},
        {QStringLiteral("Segoe UI"),
         {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")}},
    };
    return stedfortraedere;
}

void indsaetStedfortraedere()
{
    static const bool indsat = [] {
        // The stand-ins are real family names: the installed list answers for
        // them at once, where each hasFamily asks fontconfig to resolve aliases.
        // Qt names a family two foundries share with the foundry ("Z003 [urw]").
        QStringList familier;
        for (const QString &familie : QFontDatabase::families())
            familier.append(familie.section(QStringLiteral(" ["), 0, 0));
        for (const Stedfortraeder &s : tabel()) {
            if (QFontDatabase::hasFamily(s.navn))
                continue;
            QStringList installerede;
            for (const QString &kandidat : s.kandidater)
                if (familier.contains(kandidat, Qt::CaseInsensitive))
                    installerede.append(kandidat);
            if (!installerede.isEmpty())
                QFont::insertSubstitutions(s.navn, installerede);
        }
        return true;
    }();
    Q_UNUSED(indsat);
}

QString tegnetFamilie(const QString &navn)
{
    if (navn.isEmpty() || QFontDatabase::hasFamily(navn))
        return navn;
    indsaetStedfortraedere();
    // Qt adds the foundry ("Z003 [urw]") where two foundries have a family of
    // the same name; the name is given as the font list spells it.
    const QString tegnet = QFontInfo(QFont(navn)).family();
    if (QFontDatabase::families().contains(tegnet))
        return tegnet;
    return tegnet.section(QStringLiteral(" ["), 0, 0);
}

} // namespace Skrifter
