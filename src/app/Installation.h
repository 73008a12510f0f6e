#pragma once

#include <QStringList>

// Completes the installation in a data folder that lies in the user's home:
// the shared items (sounds, information pages, welcome document) come with
// the program and are copied into the data folder where they are missing.
namespace Installation {

// Copies each top-level item of installedDir (file or whole folder) that
// programDir lacks; an item that exists is never touched, so the user's own
// changes survive (a link counts as existing, also one that points nowhere).
// Links to folders in the installation are not followed, links to files are
// copied as files, and FIFOs, devices and sockets are passed over. Nothing is
// ever written into, emptied or deleted but this run's own temporary copy.
// Returns the names of the items copied.
QStringList completeInstallation(const QString &installedDir, const QString &programDir);

} // namespace Installation
