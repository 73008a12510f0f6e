#include "platform/UserName.h"

#include <windows.h>

#include <lmcons.h>

std::optional<QString> SystemUserName::loginName() const
{
    wchar_t buffer[UNLEN + 1];
    DWORD length = UNLEN + 1;
    if (!GetUserNameW(buffer, &length) || length == 0)
        return std::nullopt;
    // The length returned counts the terminating zero.
    return QString::fromWCharArray(buffer, static_cast<int>(length) - 1);
}
