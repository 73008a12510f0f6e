#pragma once

#include "dialogs/Messages.h"

// Messages shown in the toolkit's message box, centred on the screen.
class MessageBoxMessages final : public Messages
{
public:
    void information(const QString &text) override;
    // A window-modal box on top of `owner`: only the owner waits for it.
    void information(const QString &text, QWidget *owner,
                     std::function<void()> acknowledged) override;
    void error(const QString &text) override;
};
