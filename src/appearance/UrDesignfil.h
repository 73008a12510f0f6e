#pragma once

#include "base/UrDesign.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

// A design as its file holds it: the colour fields' texts exactly as they
// stand (an incomplete text included), the seven dimensions and the window.
struct UrDesignTekst
{
    std::array<QString, 8> farver;
    UrDimensioner dimensioner;
    UrForm form;
};

// The design file: 23 lines through the text-list-file helper. Lines 1 to 7
// the dimensions, 8 to 15 the colour texts, 16 to 19 the window's left edge,
// top edge, width and height, then see-through, round and analog shown as
// 1 or 0, and the client height to return to from the digital field.
namespace UrDesignfil {

inline constexpr int kAntalLinjer = 23;

QStringList linjer(const UrDesignTekst &design);

// Writes the 23 lines, replacing the file; the old file stays whole on failure.
bool gem(const QString &path, const UrDesignTekst &design);

// The file's lines when it holds exactly 23; nothing for a missing or
// unreadable file or any other number of lines.
std::optional<QStringList> hent(const QString &path);

// A number line read as a whole decimal number.
std::optional<int> heltal(const QString &linje);

// The message for a number line that holds no whole number.
QString talFejl(const QString &path, int linjeNr, const QString &linje);

// Whether a colour line holds a colour as the colour fields write it.
bool erFarve(const QString &linje);

// The message for a colour line that holds no colour.
QString farveFejl(const QString &path, int linjeNr, const QString &linje);

// Why a typed design name cannot be a file in the design folder, or nothing
// when it can: no path separator, drive colon or character the file systems
// refuse, no "..", no end in a dot or blank, no reserved device name, and a
// file name the file systems can hold. An empty name is left to the caller.
std::optional<QString> navnFejl(const QString &navn);

} // namespace UrDesignfil
