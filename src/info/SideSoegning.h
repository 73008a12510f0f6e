#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QUrl>

// The search over the raw page files of a structure: the HTML source as it
// stands in the files, tags included.
namespace SideSoegning {

// The text of a page file: UTF-8 where the bytes are UTF-8 (or a byte-order
// mark says which Unicode form), Windows-1252 otherwise.
QString sideTekst(const QByteArray &bytes);

// Whether `ord` stands in `tekst` as a whole word, without regard to case: a
// match that begins with a letter or digit must not follow one, and a match
// that ends with one must not be followed by one.
bool indeholderOrd(const QString &tekst, const QString &ord);

// The files directly in `mappe` (sub-folders skipped, in the order the file
// system lists them) that hold `ord` as a whole word, each by its name
// without folder and extension. A file that cannot be read is passed over.
QStringList find(const QString &mappe, const QString &ord);

// The web search for a text that names no page: the search page of a public
// search engine, the text as the query's "q", encoded so that "&", "#" or "+"
// in it stay part of the text.
QUrl webSoegning(const QString &tekst);

} // namespace SideSoegning
