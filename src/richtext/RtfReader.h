#pragma once

#include <QByteArray>
#include <QString>

class QTextDocument;

// Reads RTF into a document, replacing what it held. Damaged RTF (truncated,
// unbalanced braces, cut escapes) gives all the text that can be recovered.
// Bytes that are not RTF become the document's plain text. Returns true when
// the bytes were read as RTF, false when they were read as plain text.
bool readRtf(const QByteArray &rtf, QTextDocument &document);

// Text of a file that is not RTF: UTF-8 when the bytes are valid UTF-8,
// otherwise Windows-1252. A byte-order mark is dropped.
QString plainTextFromBytes(const QByteArray &bytes);
