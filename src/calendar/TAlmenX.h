#pragma once

#include <QString>

// The general routines the program uses: the check of a typed whole number.
class TAlmenX
{
public:
    // The digits of s as a number, negative when s begins with "-"; every
    // other character is dropped. 0 when s holds no digit.
    int EditInteger(const QString &s) const;
};
