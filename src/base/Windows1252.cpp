#include "base/Windows1252.h"

#include <array>

namespace {

// The characters of the bytes 0x80 to 0x9F; all other bytes are their Latin-1 selves.
constexpr std::array<char16_t, 32> kHoejeTegn = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98-9F
};

// The byte of a character, or -1 when the code page lacks it.
int byteOf(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (std::size_t i = 0; i < kHoejeTegn.size(); ++i) {
        if (kHoejeTegn[i] == c)
            return int(0x80 + i);
    }
    return -1;
}

} // namespace

namespace Windows1252 {

QString decode(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        *out++ = QChar(b >= 0x80 && b < 0xA0 ? kHoejeTegn[b - 0x80] : char16_t(b));
    }
    return text;
}

QByteArray encode(QStringView text, bool *lossless)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    bool intact = true;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int b = byteOf(text[i].unicode());
        if (b >= 0) {
            bytes.append(char(b));
            continue;
        }
        intact = false;
        bytes.append('?');
        // A character beyond the basic plane is one "?", not two.
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
    }
    if (lossless)
        *lossless = intact;
    return bytes;
}

} // namespace Windows1252
