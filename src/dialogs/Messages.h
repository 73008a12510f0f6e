#pragma once

#include <QString>
#include <functional>

class QWidget;

// Every one-line notice and every error message of the program goes through
// this interface: message boxes in the program, a recorder in tests.
// A "\r" in a text is a line break.
class Messages
{
public:
    virtual ~Messages() = default;
    // An information box with one OK button.
    virtual void information(const QString &text) = 0;
    // An information box that belongs to `owner` and stays on top of it. It
    // returns at once and holds up neither the other windows nor the timers;
    // `acknowledged` runs when the user has closed the box.
    virtual void information(const QString &text, QWidget *owner,
                             std::function<void()> acknowledged)
    {
        Q_UNUSED(owner);
        information(text);
        if (acknowledged)
            acknowledged();
    }
    // A longer notice in the program's information window: `window` puts the
    // text in and waits for OK. Without a window it is an information box.
    virtual void notice(const QString &text, const std::function<void(const QString &)> &window)
    {
        if (window)
            window(text);
        else
            information(text);
    }
    // An error that no handler caught; the program runs on.
    virtual void error(const QString &text) = 0;
};
