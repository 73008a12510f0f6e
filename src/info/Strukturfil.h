#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The two files of a structure: the structure file, one line per node in tree
// order (depth-first, a node before its subtree), indented by one tab or blank
// per level, and the data file, one data string per node in the same order:
// the node's picture digit followed by its page name.
namespace Strukturfil {

struct Knude
{
    QString tekst;
    int niveau = 0;
};

struct Struktur
{
    // The nodes read before any error, in tree order.
    QList<Knude> knuder;
    // Empty, or the report of the line that stopped the reading.
    QString fejl;
};

// Reads the lines of a structure file. A line more than one level deeper than
// the one before it stops the reading; the first line always counts as a top
// level node, whatever its indentation.
Struktur fortolk(const QStringList &linjer);

// The data file written for a structure that has none: "0" and the text of each node.
QStringList standardData(const QList<Knude> &knuder);

struct KnudeData
{
    int billede = -1;
    QString side;
};

struct Data
{
    // One entry per node; nothing for a node whose line is missing or does
    // not begin with a digit.
    QList<std::optional<KnudeData>> knuder;
    // Empty, or one report naming the first line that could not serve its node.
    QString fejl;
};

// Gives each of `antal` nodes the data line of its position.
Data fortolkData(const QStringList &linjer, qsizetype antal);

// Whether two node texts are the same, the letters A to Z compared without
// regard to case and every other character as it is.
bool sammeTekst(const QString &a, const QString &b);

} // namespace Strukturfil
