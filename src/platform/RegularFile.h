#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Reading the files the program keeps: only ordinary files on disk, and only as much
// as makes sense, so that a FIFO, a device or a link to an endless file can neither
// block the program nor exhaust its memory.
namespace RegularFile {

// Text list files and alarm texts: far above anything the program writes.
inline constexpr qint64 textLimit = 16 * 1024 * 1024;

// The whole contents of the regular file at path (a link is followed to its target).
// Nothing, with a short reason in error, when the path names a folder, a FIFO, a
// device or a socket, when the file holds more than limit bytes, or when it cannot be
// read. Opening never waits for a writer.
std::optional<QByteArray> read(const QString &path, qint64 limit, QString *error = nullptr);

// Makes the bytes written through the open file handle durable, so that a file
// renamed into place after a crash is never empty.
bool syncToDisk(int handle);

} // namespace RegularFile
