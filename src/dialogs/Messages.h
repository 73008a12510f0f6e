#pragma once

#include <QString>

// Every one-line notice and every error message of the program goes through
// this interface: message boxes in the program, a recorder in tests.
// A "\r" in a text is a line break.
class Messages
{
public:
    virtual ~Messages() = default;
    // An information box with one OK button.
    virtual void information(const QString &text) = 0;
    // An error that no handler caught; the program runs on.
    virtual void error(const QString &text) = 0;
};
