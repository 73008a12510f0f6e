#include "platform/UserName.h"

#include <windows.h>

std::optional<QString> SystemUserName::loginName() const
{
    wchar_t buffer[255];
    DWORD length = 255;
    if (!GetUserNameW(buffer, &length) || length == 0)
        return std::nullopt;
    // The length returned counts the terminating zero.
    return QString::fromWCharArray(buffer, static_cast<int>(length) - 1);
}
