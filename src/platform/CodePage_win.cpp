#include "platform/CodePage.h"

#include <windows.h>

namespace CodePage {

std::optional<QString> decode(int codepage, QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return QString();
    const auto page = static_cast<UINT>(codepage);
    if (!IsValidCodePage(page))
        return std::nullopt;
    const auto size = static_cast<int>(bytes.size());
    const int length = MultiByteToWideChar(page, 0, bytes.data(), size, nullptr, 0);
    if (length <= 0)
        return std::nullopt;
    QString text(length, Qt::Uninitialized);
    MultiByteToWideChar(page, 0, bytes.data(), size, reinterpret_cast<wchar_t *>(text.data()),
                        length);
    return text;
}

} // namespace CodePage
