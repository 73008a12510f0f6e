#pragma once

#include <QByteArrayView>
#include <QString>
#include <optional>

// Text in a Windows code page, converted by the system where it can: Windows has
// every code page its documents name, while Qt's Windows build (without ICU) has none.
namespace CodePage {

// The text of bytes in the code page; nothing where the system does not convert it
// and the toolkit's converters are to be used.
std::optional<QString> decode(int codepage, QByteArrayView bytes);

} // namespace CodePage
