#pragma once

#include <QIcon>
#include <QPixmap>
#include <functional>

// An icon whose picture is painted the first time it is drawn or measured,
// not when the icon is made: a tool bar nobody has opened yet costs no fonts
// and no painting. Once painted it is the icon of that picture in every way.
QIcon tegnetIkon(std::function<QPixmap()> tegn);
