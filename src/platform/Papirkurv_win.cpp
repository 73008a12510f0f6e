#include "platform/Papirkurv.h"

#include <windows.h>

#include <QDir>
#include <QFileInfo>
#include <shellapi.h>
#include <string>

namespace Papirkurv {

bool flyt(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return false;
    // The shell wants full paths in a list that ends with an empty one.
    std::wstring from = QDir::toNativeSeparators(info.absoluteFilePath()).toStdWString();
    from.push_back(L'\0');
    SHFILEOPSTRUCTW operation{};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    // Undo means the recycle bin. Where a file cannot be recycled (too large, a drive
    // without a bin), the shell would delete it for good: it asks the user first.
    operation.fFlags =
        FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_WANTNUKEWARNING | FOF_SILENT | FOF_NOERRORUI;
    if (SHFileOperationW(&operation) != 0 || operation.fAnyOperationsAborted)
        return false;
    return !QFileInfo::exists(path);
}

} // namespace Papirkurv
