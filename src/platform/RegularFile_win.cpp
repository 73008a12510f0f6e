#include "platform/RegularFile.h"

#include <windows.h>

#include <io.h>

namespace {

std::optional<QByteArray> fail(QString *error, const QString &reason)
{
    if (error)
        *error = reason;
    return std::nullopt;
}

class Handle
{
public:
    explicit Handle(HANDLE handle) : m_handle(handle) {}
    ~Handle()
    {
        if (m_handle != INVALID_HANDLE_VALUE)
            CloseHandle(m_handle);
    }
    Handle(const Handle &) = delete;
    Handle &operator=(const Handle &) = delete;
    HANDLE get() const { return m_handle; }

private:
    HANDLE m_handle;
};

} // namespace

namespace RegularFile {

std::optional<QByteArray> read(const QString &path, qint64 limit, QString *error)
{
    // Without FILE_FLAG_BACKUP_SEMANTICS a folder cannot be opened at all.
    const Handle file(CreateFileW(reinterpret_cast<const wchar_t *>(path.utf16()), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE)
        return fail(error, qt_error_string(static_cast<int>(GetLastError())));
    // Pipes, consoles and devices are not files on disk.
    if (GetFileType(file.get()) != FILE_TYPE_DISK)
        return fail(error, QStringLiteral("not a regular file"));
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size))
        return fail(error, qt_error_string(static_cast<int>(GetLastError())));
    if (size.QuadPart > limit)
        return fail(error, QStringLiteral("the file is too large"));

    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(size.QuadPart));
    char chunk[65536];
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(file.get(), chunk, sizeof chunk, &got, nullptr))
            return fail(error, qt_error_string(static_cast<int>(GetLastError())));
        if (got == 0)
            return bytes;
        if (bytes.size() + static_cast<qint64>(got) > limit)
            return fail(error, QStringLiteral("the file is too large"));
        bytes.append(chunk, static_cast<qsizetype>(got));
    }
}

bool syncToDisk(int handle)
{
    return FlushFileBuffers(reinterpret_cast<HANDLE>(_get_osfhandle(handle))) != 0;
}

} // namespace RegularFile
