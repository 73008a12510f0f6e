#include "richtext/FontStoerrelser.h"

#include <QFontDatabase>
#include <QFontInfo>

namespace FontStoerrelser {

void indsaet(QStringList &liste, int stoerrelse)
{
    for (qsizetype i = 0; i < liste.size(); ++i) {
        const int her = liste.at(i).toInt();
        if (her == stoerrelse)
            return;
        if (her > stoerrelse) {
            liste.insert(i, QString::number(stoerrelse));
            return;
        }
    }
    liste.append(QString::number(stoerrelse));
}

QStringList forFont(const QString &fontNavn)
{
    QStringList liste;
    if (fontNavn.isEmpty())
        return liste;
    // A font that is not installed is drawn in the one the font matching
    // picks instead: offer that one's sizes.
    const QString familie = QFontDatabase::families().contains(fontNavn)
                                ? fontNavn
                                : QFontInfo(QFont(fontNavn)).family();
    if (QFontDatabase::isScalable(familie)) {
        for (const int s : kSkalerbare)
            liste.append(QString::number(s));
        return liste;
    }
    for (const int s : QFontDatabase::pointSizes(familie))
        indsaet(liste, s);
    return liste;
}

} // namespace FontStoerrelser
