#pragma once

#include <QByteArray>
#include <QList>
#include <QtEndian>
#include <cmath>

// Builds wave files byte by byte, so the tests do not depend on the decoder they test.
namespace WaveBytes {

inline QByteArray le16(int value)
{
    QByteArray bytes(2, '\0');
    qToLittleEndian<quint16>(quint16(value), bytes.data());
    return bytes;
}

inline QByteArray le32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian<quint32>(value, bytes.data());
    return bytes;
}

inline QByteArray chunk(const char *id, const QByteArray &payload)
{
    QByteArray bytes = QByteArray(id, 4) + le32(quint32(payload.size())) + payload;
    if (payload.size() % 2)
        bytes.append('\0');
    return bytes;
}

inline QByteArray formatChunk(int tag, int channels, int rate, int bits, int blockAlign,
                              const QByteArray &extra = {})
{
    QByteArray fmt = le16(tag) + le16(channels) + le32(quint32(rate)) +
                     le32(quint32(rate * blockAlign)) + le16(blockAlign) + le16(bits);
    if (!extra.isNull())
        fmt += le16(int(extra.size())) + extra;
    return chunk("fmt ", fmt);
}

// WAVE_FORMAT_EXTENSIBLE: `subTag` is the real format inside the sub-format GUID.
inline QByteArray extensibleFormatChunk(int subTag, int channels, int rate, int containerBits,
                                        int validBits)
{
    const int blockAlign = channels * containerBits / 8;
    const QByteArray guid =
        le16(subTag) + QByteArray("\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 14);
    const QByteArray extra = le16(validBits) + le32(channels == 1 ? 0x4 : 0x3) + guid;
    return formatChunk(0xFFFE, channels, rate, containerBits, blockAlign, extra);
}

inline QByteArray riff(const QByteArray &chunks)
{
    return "RIFF" + le32(quint32(chunks.size() + 4)) + "WAVE" + chunks;
}

// A plain 16-bit PCM file of the given samples.
inline QByteArray pcm16(const QList<float> &samples, int rate, int channels)
{
    QByteArray data;
    for (float s : samples)
        data += le16(int(std::lround(s * 32767)));
    return riff(formatChunk(1, channels, rate, 16, 2 * channels) + chunk("data", data));
}

} // namespace WaveBytes
