#pragma once

#include <QString>
#include <QStringList>

// Brings the shared data in the data folder up to date after the program was
// updated. The data folder keeps a list of each file the installation put
// there with its checksum at the time ("installation.txt"); a file whose
// contents still match that checksum is the installation's own and is
// replaced by the installed version. A file the user changed, a file the list
// does not know (the user's own, or one from before the list existed that
// differs from the installed one) and a file the user deleted are never
// touched. Links in the data folder are never written through.
namespace DelteDataOpdatering {

// The list's name in the data folder.
QString manifestNavn();

// Refreshes programDir from installedDir as above and writes the list anew.
// Returns the paths (relative to programDir) of the files written.
QStringList opdater(const QString &installedDir, const QString &programDir);

} // namespace DelteDataOpdatering
