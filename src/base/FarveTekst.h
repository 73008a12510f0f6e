#pragma once

#include "base/TColor.h"

#include <QList>
#include <QString>

// A colour as text: "#" and two hexadecimal digits each for red, green and
// blue. "#0F0000" is the see-through colour clBtnFace.

// Cleans a typed colour text: an empty text becomes "#"; a text that begins
// with a character below "#" gets a "#" in front; then only "#" and the
// hexadecimal digits stay, in their order.
QString Get16Tal(const QString &tekst);

// The text of a colour: bytes 0, 1 and 2 (red, green, blue) in upper-case
// hexadecimal after "#"; byte 3 is dropped, so clBtnFace gives "#0F0000".
QString GetColor(TColor farve);

// The colour of a seven-character text whose first character is skipped;
// clNone for any other length or for a character that is not a hexadecimal digit.
TColor GetFarve(const QString &tekst);

// The colour a colour field stands for: "#0F0000" in any letter case is
// clBtnFace, every other text is read by GetFarve.
TColor feltFarve(const QString &tekst);

inline const QString kGennemsigtigTekst = QStringLiteral("#0F0000");

// One colour square of a colour selector's palette.
struct FarveFelt
{
    QString hint;
    TColor farve;

    friend bool operator==(const FarveFelt &, const FarveFelt &) = default;
};

// The colour squares that follow the selector's entry 0 ("Valgt farve"):
// sixteen, or with the five more of the face colours (ending in the
// see-through colour) 21.
QList<FarveFelt> farvePalet(bool medGennemsigtig);
