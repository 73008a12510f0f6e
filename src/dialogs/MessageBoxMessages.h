#pragma once

#include "dialogs/Messages.h"

// Messages shown in the toolkit's message box, centred on the screen.
class MessageBoxMessages final : public Messages
{
public:
    void information(const QString &text) override;
    void error(const QString &text) override;
};
