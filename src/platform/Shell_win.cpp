#include "platform/Shell.h"

#include <windows.h>

#include <cstdint>
#include <knownfolders.h>
#include <shellapi.h>
#include <shlobj.h>
#include <string>

int SystemShell::open(const QString &file, const QString &parameters)
{
    const std::wstring path = file.toStdWString();
    const std::wstring arguments = parameters.toStdWString();
    const HINSTANCE result =
        ShellExecuteW(nullptr, L"open", path.c_str(), arguments.c_str(), nullptr, SW_SHOW);
    // The shell returns a number dressed as a handle: above 32 is success.
    return static_cast<int>(reinterpret_cast<std::intptr_t>(result));
}

QString SystemShell::startupFolder() const
{
    // The user's Startup folder wherever the profile lies, made when it is missing.
    PWSTR folder = nullptr;
    QString path;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_Startup, KF_FLAG_CREATE, nullptr, &folder)))
        path = QString::fromWCharArray(folder);
    CoTaskMemFree(folder);
    return path;
}
