#pragma once

#include <QStringList>
#include <optional>

// The program's text files: one value per line, Windows-1252, CR LF after every
// line including the last, no byte-order mark, read and written whole.
namespace TextListFile {

// The lines of the file, or nothing when it cannot be read: missing, not a
// regular file (a folder, FIFO, device or socket), or above 16 MB. Lines may end
// in CR LF, LF or CR, and a file that begins with a byte-order mark (UTF-8,
// UTF-16 or UTF-32) is read in that form, so files edited by hand read as well.
std::optional<QStringList> read(const QString &path);

// Windows-1252 bytes of a text; a character the code page lacks becomes "?",
// as the system's own conversion does.
QByteArray toWindows1252(const QString &text);

// Writes the lines atomically: on failure the old file stays as it was.
// Characters that Windows-1252 lacks are written as "?".
bool write(const QString &path, const QStringList &lines);

} // namespace TextListFile
