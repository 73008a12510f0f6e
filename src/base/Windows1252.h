#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// The code page of the program's text files, converted by our own table: Qt reaches
// named code pages only through ICU, which its Windows build lacks.
namespace Windows1252 {

// Every byte has a character: the five the code page leaves unassigned become the
// control characters of the same number, as Windows' own conversion does.
QString decode(QByteArrayView bytes);

// A character the code page lacks becomes "?", as the system's own conversion does;
// lossless, when given, says whether that happened to none.
QByteArray encode(QStringView text, bool *lossless = nullptr);

} // namespace Windows1252
