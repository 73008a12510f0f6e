#include "platform/CodePage.h"

namespace CodePage {

std::optional<QString> decode(int, QByteArrayView)
{
    // Qt's converters (ICU) know the code pages here.
    return std::nullopt;
}

} // namespace CodePage
