#pragma once

#include <QString>

// The desktop's waste basket: the recycle bin on Windows, the freedesktop
// trash elsewhere.
namespace Papirkurv {

// Moves a file to the waste basket. True only when the file has left its
// place and lies in the waste basket; otherwise it stays where it was.
bool flyt(const QString &path);

} // namespace Papirkurv
