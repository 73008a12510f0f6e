#include "platform/Shell.h"

#include <windows.h>

#include <cstdint>
#include <knownfolders.h>
#include <shellapi.h>
#include <shlobj.h>
#include <string>

namespace {

// One command line from separate arguments, quoted so that the program's own
// start-up code splits it into the same arguments again: each in double
// quotes, a quote escaped by a backslash, and backslashes before a quote or
// the closing quote doubled.
QString kommandolinje(const QStringList &parameters)
{
    QStringList dele;
    for (const QString &parameter : parameters) {
        QString del = QStringLiteral("\"");
        qsizetype skraastreger = 0;
        for (const QChar tegn : parameter) {
            if (tegn == u'\\') {
                ++skraastreger;
                continue;
            }
            del += QString(tegn == u'"' ? 2 * skraastreger + 1 : skraastreger, u'\\');
            skraastreger = 0;
            del += tegn;
        }
        del += QString(2 * skraastreger, u'\\') + u'"';
        dele.append(del);
    }
    return dele.join(u' ');
}

} // namespace

int SystemShell::open(const QString &file, const QStringList &parameters)
{
    const std::wstring path = file.toStdWString();
    const std::wstring arguments = kommandolinje(parameters).toStdWString();
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
