#pragma once

#include <QFont>

// The program's window font: Tahoma at 11 pixels, so that captions keep the
// room the windows were laid out for at any display scale.
QFont vinduesFont();
