#pragma once

#include "RecordingMessages.h"
#include "platform/fake/FakePlatform.h"

#include <QTemporaryDir>
#include <memory>

class Klokkeven;
class Messages;
class Tegenskabsform;
class Tmainform;

// The whole program as main.cpp builds it, on a temporary data folder with
// the fake platform (the user "Anna", a clock the test sets, a sound player
// that records) and recorded messages. Files a test wants in place are put
// there before start().
class HeltProgram
{
public:
    HeltProgram();
    ~HeltProgram();

    // Builds the program object, its messages going to `beskeder` where given;
    // `vis` shows the main window, whose first showing runs the start-up steps.
    void start(bool vis = false, Messages *beskeder = nullptr);

    // The shared sound folder with two sounds, "Klokkespil.wav" and "Zylo.wav".
    void toLyde();
    // A file in the user's settings folder.
    QString optFile(const QString &navn) const;

    QTemporaryDir tmp;
    FakePlatform platform;
    RecordingMessages messages;
    std::unique_ptr<Klokkeven> program;
    Tmainform *main = nullptr;
    Tegenskabsform *form = nullptr;
};
