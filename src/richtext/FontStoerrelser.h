#pragma once

#include <QString>
#include <QStringList>
#include <array>

// The point sizes a font size box offers for a font.
namespace FontStoerrelser {

// Every scalable font gets these.
inline constexpr std::array<int, 16> kSkalerbare = {8,  9,  10, 11, 12, 14, 16, 18,
                                                    20, 22, 24, 26, 28, 36, 48, 72};

// Puts a size into a list of sizes in ascending order, once.
void indsaet(QStringList &liste, int stoerrelse);

// The sizes for a font family, as decimal texts in ascending order; for a
// family that is not installed, those of the family drawn in its place; none
// for an empty name.
QStringList forFont(const QString &fontNavn);

} // namespace FontStoerrelser
