#include "platform/UserName.h"

#include <pwd.h>
#include <unistd.h>
#include <vector>

std::optional<QString> SystemUserName::loginName() const
{
    long size = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<size_t>(size) : 16384);
    passwd entry{};
    passwd *result = nullptr;
    if (getpwuid_r(geteuid(), &entry, buffer.data(), buffer.size(), &result) != 0 || !result)
        return std::nullopt;
    return QString::fromLocal8Bit(result->pw_name);
}
