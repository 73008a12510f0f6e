#pragma once

#include "platform/Platform.h"

#include <QString>

class Messages;
class Talarmform;
class Teditform;
class Tegenskabsform;
class Tgemhentform;
class Tinfoform;
class Tinfform;
class Tmainform;
class TspmForm;
class Ttekstform;
class Turlform;

// The ten windows, in the order the program creates them. A window that has
// not been created (yet, or because its creation failed) is null.
struct Vinduer
{
    Tmainform *mainform = nullptr;
    Talarmform *alarmform = nullptr;
    Tegenskabsform *egenskabsform = nullptr;
    Tgemhentform *gemhentform = nullptr;
    TspmForm *spmForm = nullptr;
    Turlform *urlform = nullptr;
    Tinfoform *infoform = nullptr;
    Teditform *editform = nullptr;
    Ttekstform *tekstform = nullptr;
    Tinfform *infform = nullptr;
};

// What every window is handed at creation: the platform services, the
// message boxes and the other windows. Data paths are read from mainform.
struct ProgramContext
{
    QString programDir;
    Platform platform;
    Messages *messages = nullptr;
    Vinduer vinduer;
};
