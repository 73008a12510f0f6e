#pragma once

#include <QByteArray>
#include <QString>

class QFileDevice;

// Writes a file whole or not at all: a failed or interrupted write leaves
// the old file as it was. The bytes go to a temporary file beside the target,
// named "<name>.<random>.klokkeven-tmp", which replaces the target only once
// every byte has reached the disk.
bool writeAtomically(const QString &path, const QByteArray &bytes);

namespace AtomicFile {

// Writes every byte to the open device and flushes it; false when any byte did
// not reach the file (a full disk, a write error).
bool writeAll(QFileDevice &file, const QByteArray &bytes);

// Whether a file name is that of a temporary file of an unfinished write.
bool isTemporaryName(const QString &fileName);

// Deletes the temporary files that interrupted writes left in folder (not in
// its subfolders). Only files are deleted; a link is deleted, never its target.
void removeLeftovers(const QString &folder);

} // namespace AtomicFile
