#pragma once

#include <QByteArray>

class QTextDocument;

// The document as RTF in the dialect of the Windows rich-edit control:
// Windows-1252 letters as \'hh, every other character as \uN?, lists in the
// old \pn form, PNG pictures for images.
QByteArray writeRtf(const QTextDocument &document);
