#pragma once

#include <QString>

// Where the program keeps its data on this platform.
namespace DataLocation {

// The data folder: C:\Urmappe on Windows, Urmappe in the home folder elsewhere.
QString defaultProgramDir();

// The separator used in stored paths: "\" on Windows, "/" elsewhere.
QString separator();

// The folder of the installation's shared data (sounds, pages, welcome document).
QString installedDataDir();

} // namespace DataLocation
