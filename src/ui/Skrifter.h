#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// The fonts the program names and what is drawn where one is not installed.
// Qt's own matching would draw a missing "Courier New" in a proportional
// face and a missing "Lucida Calligraphy" in the plain default; the stand-ins
// below keep the metrics (the Liberation fonts) or at least the character of
// the face (a chancery script). The names themselves stay as the program and
// its files have them.
namespace Skrifter {

struct Stedfortraeder
{
    QString navn;
    // In order of preference; the first installed one is drawn.
    QStringList kandidater;
};

const std::vector<Stedfortraeder> &tabel();

// Tells Qt's font matching about the stand-ins of the fonts that are not
// installed. Once per process; later calls do nothing.
void indsaetStedfortraedere();

// The family drawn for a named family, as the list of installed families
// spells it: the family itself where installed, else what the font matching
// picks for it.
QString tegnetFamilie(const QString &navn);

} // namespace Skrifter
