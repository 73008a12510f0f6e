#include "info/Strukturfil.h"

namespace Strukturfil {

namespace {

int indrykning(const QString &linje)
{
    int niveau = 0;
    while (niveau < linje.size() &&
           (linje.at(niveau) == QLatin1Char('\t') || linje.at(niveau) == QLatin1Char(' ')))
        ++niveau;
    return niveau;
}

} // namespace

Struktur fortolk(const QStringList &linjer)
{
    Struktur struktur;
    int forrige = -1;
    for (const QString &linje : linjer) {
        const int fundet = indrykning(linje);
        const QString tekst = linje.mid(fundet);
        const int niveau = struktur.knuder.isEmpty() ? 0 : fundet;
        if (niveau > forrige + 1) {
            struktur.fejl = QStringLiteral("Fejl i strukturfilen: linjen \"%1\" står på niveau %2, "
                                           "mere end ét niveau under linjen før den.")
                                .arg(tekst)
                                .arg(niveau);
            return struktur;
        }
        struktur.knuder.append({tekst, niveau});
        forrige = niveau;
    }
    return struktur;
}

QStringList standardData(const QList<Knude> &knuder)
{
    QStringList linjer;
    for (const Knude &knude : knuder)
        linjer.append(QLatin1Char('0') + knude.tekst);
    return linjer;
}

bool sammeTekst(const QString &a, const QString &b)
{
    if (a.size() != b.size())
        return false;
    const auto lille = [](QChar c) {
        return c >= QLatin1Char('A') && c <= QLatin1Char('Z') ? QChar(c.unicode() + 32) : c;
    };
    for (qsizetype i = 0; i < a.size(); ++i)
        if (lille(a.at(i)) != lille(b.at(i)))
            return false;
    return true;
}

Data fortolkData(const QStringList &linjer, qsizetype antal)
{
    Data data;
    for (qsizetype i = 0; i < antal; ++i) {
        if (i >= linjer.size()) {
            if (data.fejl.isEmpty())
                data.fejl = QStringLiteral("Datafilen har kun %1 linjer, men strukturen har %2 "
                                           "emner: emne %3 og de følgende har ingen side.")
                                .arg(linjer.size())
                                .arg(antal)
                                .arg(i + 1);
            data.knuder.append(std::nullopt);
            continue;
        }
        const QString &linje = linjer.at(i);
        const QChar ciffer = linje.isEmpty() ? QChar() : linje.at(0);
        if (ciffer < QLatin1Char('0') || ciffer > QLatin1Char('9')) {
            if (data.fejl.isEmpty())
                data.fejl = QStringLiteral("Linje %1 i datafilen begynder ikke med et ciffer: "
                                           "\"%2\". Emnet har ingen side.")
                                .arg(i + 1)
                                .arg(linje);
            data.knuder.append(std::nullopt);
            continue;
        }
        data.knuder.append(KnudeData{ciffer.unicode() - '0', linje.mid(1)});
    }
    return data;
}

} // namespace Strukturfil
