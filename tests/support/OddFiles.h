#pragma once

#include <QString>
#include <functional>

// Files of the kinds a reader must refuse rather than read.
namespace OddFiles {

// Makes at path the odd file that kind names: "fifo", "folder", "device" (a link
// to /dev/zero, which never ends), or "huge" (a sparse 17 MB file, costing no
// disk). False when it cannot be made.
bool make(const QString &kind, const QString &path);

// The kinds for a data-driven test, each under its own row name.
QStringList kinds();

// Runs work on this thread. Should work still run after timeoutMs (a blocking
// open of the FIFO at path waits for a writer for ever), a watchdog opens the
// FIFO for writing, which releases it, so a faulty reader fails its test rather
// than hanging it. True when work finished without the watchdog's help.
bool finishesUnaided(const QString &path, const std::function<void()> &work, int timeoutMs = 10000);

} // namespace OddFiles
