#pragma once

#include "dialogs/Messages.h"

#include <QStringList>

// Records the messages the program would show, so a test can read the exact text.
class RecordingMessages final : public Messages
{
public:
    void information(const QString &text) override { informations.append(text); }
    void error(const QString &text) override { errors.append(text); }

    QStringList informations;
    QStringList errors;
};
