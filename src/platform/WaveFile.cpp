#include "platform/WaveFile.h"

#include "platform/RegularFile.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

namespace {

constexpr quint16 formatPcm = 0x0001;
constexpr quint16 formatFloat = 0x0003;
constexpr quint16 formatALaw = 0x0006;
constexpr quint16 formatMuLaw = 0x0007;
constexpr quint16 formatImaAdpcm = 0x0011;
constexpr quint16 formatExtensible = 0xFFFE;

// Decoding stops here so that a file with a huge (or lying) header cannot eat the memory.
constexpr qsizetype maxSamples = 64 * 1024 * 1024;

// The twelve bytes after the format tag in the sub-format GUID of WAVE_FORMAT_EXTENSIBLE.
constexpr char extensibleGuidTail[] = "\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71";

quint16 u16(const char *p)
{
    return quint16(quint8(p[0]) | quint8(p[1]) << 8);
}

quint32 u32(const char *p)
{
    return quint32(u16(p)) | quint32(u16(p + 2)) << 16;
}

struct Format
{
    quint16 tag = 0;
    int channels = 0;
    int sampleRate = 0;
    int blockAlign = 0;
    int bits = 0;
};

bool fail(QString *error, const QString &reason)
{
    if (error)
        *error = reason;
    return false;
}

float clampSample(double value)
{
    if (std::isnan(value))
        return 0.0f;
    return float(std::clamp(value, -1.0, 1.0));
}

// Signed little-endian integer of `bytes` bytes, scaled so that its full range is -1 to 1.
// 8-bit wave samples are unsigned and are handled apart.
float intSample(const char *p, int bytes)
{
    qint64 value = 0;
    for (int i = 0; i < bytes; ++i)
        value |= qint64(quint8(p[i])) << (8 * i);
    const int bits = 8 * bytes;
    if (value & (qint64(1) << (bits - 1)))
        value -= qint64(1) << bits;
    return float(double(value) / double(qint64(1) << (bits - 1)));
}

float aLawSample(quint8 code)
{
    code ^= 0x55;
    const int exponent = (code >> 4) & 0x07;
    const int mantissa = code & 0x0F;
    int magnitude =
        exponent == 0 ? (mantissa << 4) + 8 : ((mantissa << 4) + 0x108) << (exponent - 1);
    return float((code & 0x80 ? magnitude : -magnitude) / 32768.0);
}

float muLawSample(quint8 code)
{
    code = ~code;
    const int exponent = (code >> 4) & 0x07;
    const int mantissa = code & 0x0F;
    const int magnitude = (((mantissa << 3) + 0x84) << exponent) - 0x84;
    return float((code & 0x80 ? -magnitude : magnitude) / 32768.0);
}

constexpr std::array<int, 89> imaStepTable = {
    7,     8,     9,     10,    11,    12,    13,    14,    16,    17,    19,   21,    23,
    25,    28,    31,    34,    37,    41,    45,    50,    55,    60,    66,   73,    80,
    88,    97,    107,   118,   130,   143,   157,   173,   190,   209,   230,  253,   279,
    307,   337,   371,   408,   449,   494,   544,   598,   658,   724,   796,  876,   963,
    1060,  1166,  1282,  1411,  1552,  1707,  1878,  2066,  2272,  2499,  2749, 3024,  3327,
    3660,  4026,  4428,  4871,  5358,  5894,  6484,  7132,  7845,  8630,  9493, 10442, 11487,
    12635, 13899, 15289, 16818, 18500, 20350, 22385, 24623, 27086, 29794, 32767};

constexpr std::array<int, 8> imaIndexTable = {-1, -1, -1, -1, 2, 4, 6, 8};

struct ImaChannel
{
    int predictor = 0;
    int index = 0;

    int decode(int nibble)
    {
        const int step = imaStepTable[index];
        int diff = step >> 3;
        if (nibble & 1)
            diff += step >> 2;
        if (nibble & 2)
            diff += step >> 1;
        if (nibble & 4)
            diff += step;
        predictor = std::clamp(nibble & 8 ? predictor - diff : predictor + diff, -32768, 32767);
        index = std::clamp(index + imaIndexTable[nibble & 7], 0, 88);
        return predictor;
    }
};

bool decodeImaAdpcm(const Format &format, const char *data, qsizetype size, QList<float> &out,
                    QString *error)
{
    const int channels = format.channels;
    const int headerBytes = 4 * channels;
    const int groupBytes = 4 * channels; // eight samples of every channel
    if (format.bits != 4 || format.blockAlign <= headerBytes ||
        (format.blockAlign - headerBytes) % groupBytes != 0)
        return fail(error, QStringLiteral("IMA ADPCM block layout is not valid"));

    std::array<ImaChannel, 8> state;
    for (qsizetype block = 0; block + headerBytes <= size; block += format.blockAlign) {
        const char *p = data + block;
        const qsizetype blockEnd = std::min<qsizetype>(size, block + format.blockAlign);
        for (int c = 0; c < channels; ++c) {
            state[c].predictor = qint16(u16(p + 4 * c));
            state[c].index = std::clamp(int(quint8(p[4 * c + 2])), 0, 88);
            out.append(float(state[c].predictor / 32768.0));
        }
        std::array<float, 8 * 8> group;
        for (qsizetype g = block + headerBytes; g + groupBytes <= blockEnd; g += groupBytes) {
            for (int c = 0; c < channels; ++c) {
                for (int i = 0; i < 4; ++i) {
                    const quint8 byte = quint8(data[g + 4 * c + i]);
                    group[(2 * i) * channels + c] = float(state[c].decode(byte & 0x0F) / 32768.0);
                    group[(2 * i + 1) * channels + c] = float(state[c].decode(byte >> 4) / 32768.0);
                }
            }
            for (int i = 0; i < 8 * channels; ++i)
                out.append(group[i]);
        }
        if (out.size() > maxSamples)
            return fail(error, QStringLiteral("the sound is too long"));
    }
    return true;
}

bool decodeSamples(const Format &format, const char *data, qsizetype size, QList<float> &out,
                   QString *error)
{
    if (format.tag == formatImaAdpcm)
        return decodeImaAdpcm(format, data, size, out, error);

    const int bytes = (format.bits + 7) / 8;
    const int frameBytes = bytes * format.channels;
    const qsizetype count = size / frameBytes * format.channels;
    if (count > maxSamples)
        return fail(error, QStringLiteral("the sound is too long"));
    out.resize(count);
    float *target = out.data();

    switch (format.tag) {
    case formatPcm:
        if (format.bits < 1 || format.bits > 32)
            return fail(error, QStringLiteral("%1-bit PCM is not supported").arg(format.bits));
        if (bytes == 1) {
            for (qsizetype i = 0; i < count; ++i)
                target[i] = float((quint8(data[i]) - 128) / 128.0);
        } else {
            for (qsizetype i = 0; i < count; ++i)
                target[i] = intSample(data + i * bytes, bytes);
        }
        return true;
    case formatFloat:
        if (format.bits == 32) {
            for (qsizetype i = 0; i < count; ++i) {
                const quint32 raw = u32(data + 4 * i);
                float value;
                std::memcpy(&value, &raw, sizeof value);
                target[i] = clampSample(value);
            }
            return true;
        }
        if (format.bits == 64) {
            for (qsizetype i = 0; i < count; ++i) {
                const quint64 raw = quint64(u32(data + 8 * i)) | quint64(u32(data + 8 * i + 4))
                                                                     << 32;
                double value;
                std::memcpy(&value, &raw, sizeof value);
                target[i] = clampSample(value);
            }
            return true;
        }
        return fail(error, QStringLiteral("%1-bit float is not supported").arg(format.bits));
    case formatALaw:
    case formatMuLaw:
        if (format.bits != 8)
            return fail(error, QStringLiteral("G.711 samples must have 8 bits"));
        for (qsizetype i = 0; i < count; ++i)
            target[i] = format.tag == formatALaw ? aLawSample(quint8(data[i]))
                                                 : muLawSample(quint8(data[i]));
        return true;
    default:
        return fail(error, QStringLiteral("format 0x%1 is not supported").arg(format.tag, 4, 16));
    }
}

bool readFormat(const char *p, quint32 size, Format &format, QString *error)
{
    if (size < 16)
        return fail(error, QStringLiteral("the format chunk is too short"));
    format.tag = u16(p);
    format.channels = u16(p + 2);
    format.sampleRate = int(std::min<quint32>(u32(p + 4), 10'000'000));
    format.blockAlign = u16(p + 12);
    format.bits = u16(p + 14);
    if (format.tag == formatExtensible) {
        if (size < 40 || u16(p + 16) < 22)
            return fail(error, QStringLiteral("the extensible format chunk is too short"));
        if (std::memcmp(p + 26, extensibleGuidTail, 14) != 0)
            return fail(error, QStringLiteral("unknown extensible sub-format"));
        format.tag = u16(p + 24);
    }
    if (format.channels < 1 || format.channels > 8)
        return fail(error, QStringLiteral("%1 channels are not supported").arg(format.channels));
    if (format.sampleRate < 1000 || format.sampleRate > 768000)
        return fail(error,
                    QStringLiteral("sample rate %1 is not supported").arg(format.sampleRate));
    if (format.bits == 0)
        return fail(error, QStringLiteral("the sample size is zero"));
    return true;
}

} // namespace

std::optional<WaveAudio> WaveFile::decode(const QByteArray &bytes, QString *error)
{
    const char *p = bytes.constData();
    const qsizetype size = bytes.size();
    if (size < 12 || std::memcmp(p, "RIFF", 4) != 0 || std::memcmp(p + 8, "WAVE", 4) != 0) {
        fail(error, QStringLiteral("not a RIFF/WAVE file"));
        return std::nullopt;
    }

    std::optional<Format> format;
    // The header's sizes are often wrong (a recording that was cut short, a
    // streaming writer): the chunks are read as far as the bytes go.
    for (qsizetype pos = 12; pos + 8 <= size;) {
        const char *id = p + pos;
        const quint32 declared = u32(p + pos + 4);
        const qsizetype start = pos + 8;
        const qsizetype available = std::min<qsizetype>(declared, size - start);
        if (std::memcmp(id, "fmt ", 4) == 0) {
            Format f;
            if (!readFormat(p + start, quint32(available), f, error))
                return std::nullopt;
            format = f;
        } else if (std::memcmp(id, "data", 4) == 0) {
            if (!format) {
                fail(error, QStringLiteral("the data chunk comes before the format chunk"));
                return std::nullopt;
            }
            WaveAudio audio;
            audio.sampleRate = format->sampleRate;
            audio.channels = format->channels;
            if (!decodeSamples(*format, p + start, available, audio.samples, error))
                return std::nullopt;
            if (audio.samples.isEmpty()) {
                fail(error, QStringLiteral("the file holds no sound"));
                return std::nullopt;
            }
            return audio;
        }
        pos = start + qsizetype(declared) + (declared & 1);
    }
    fail(error, format ? QStringLiteral("the file has no data chunk")
                       : QStringLiteral("the file has no format chunk"));
    return std::nullopt;
}

std::optional<WaveAudio> WaveFile::load(const QString &path, QString *error)
{
    const std::optional<QByteArray> bytes = RegularFile::read(path, maxFileSize, error);
    if (!bytes)
        return std::nullopt;
    return decode(*bytes, error);
}
