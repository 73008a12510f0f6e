#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

// Decoded sound: interleaved samples in the range -1.0 to 1.0.
struct WaveAudio
{
    int sampleRate = 0;
    int channels = 0;
    QList<float> samples;

    qsizetype frames() const { return channels > 0 ? samples.size() / channels : 0; }
};

// Reader of RIFF/WAVE files in the formats users keep in their sound folders:
// integer PCM of 8 to 32 bits, 32- and 64-bit float, A-law, mu-law and IMA ADPCM,
// each also inside WAVE_FORMAT_EXTENSIBLE. Damaged input is refused with a reason,
// never trusted: sizes are checked against the bytes that are really there.
class WaveFile
{
public:
    // Files larger than this are refused rather than decoded into memory, as are
    // folders, FIFOs, devices and sockets.
    static constexpr qint64 maxFileSize = 128 * 1024 * 1024;

    static std::optional<WaveAudio> decode(const QByteArray &bytes, QString *error = nullptr);
    static std::optional<WaveAudio> load(const QString &path, QString *error = nullptr);
};
