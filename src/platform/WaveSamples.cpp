#include "platform/WaveSamples.h"

#include <QtDebug>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace WaveSamples {

WaveAudio alertSound()
{
    WaveAudio audio;
    audio.sampleRate = 22050;
    audio.channels = 1;
    const int beep = audio.sampleRate * 12 / 100;
    const int pause = audio.sampleRate * 8 / 100;
    const int fade = audio.sampleRate / 200;
    for (int n = 0; n < 2; ++n) {
        for (int i = 0; i < beep; ++i) {
            const double envelope = std::min({1.0, double(i) / fade, double(beep - i) / fade});
            const double t = double(i) / audio.sampleRate;
            audio.samples.append(float(0.5 * envelope * std::sin(2 * std::numbers::pi * 880 * t)));
        }
        audio.samples.append(QList<float>(pause, 0.0f));
    }
    return audio;
}

WaveAudio playableChannels(const WaveAudio &audio)
{
    if (audio.channels <= 2)
        return audio;
    WaveAudio mono;
    mono.sampleRate = audio.sampleRate;
    mono.channels = 1;
    mono.samples.resize(audio.frames());
    for (qsizetype f = 0; f < audio.frames(); ++f) {
        float sum = 0;
        for (int c = 0; c < audio.channels; ++c)
            sum += audio.samples[f * audio.channels + c];
        mono.samples[f] = sum / float(audio.channels);
    }
    return mono;
}

QByteArray toInt16(const QList<float> &samples)
{
    QByteArray bytes(samples.size() * qsizetype(sizeof(qint16)), Qt::Uninitialized);
    for (qsizetype i = 0; i < samples.size(); ++i) {
        const auto value =
            qint16(std::lround(std::clamp(samples[i] * 32767.0f, -32768.0f, 32767.0f)));
        qToLittleEndian(value, bytes.data() + i * qsizetype(sizeof(qint16)));
    }
    return bytes;
}

std::optional<WaveAudio> playable(const QString &path, bool defaultOnFailure)
{
    QString error;
    std::optional<WaveAudio> audio = WaveFile::load(path, &error);
    if (!audio) {
        qWarning().noquote() << "Cannot play" << path + ":" << error;
        if (!defaultOnFailure)
            return std::nullopt;
        audio = alertSound();
    }
    return playableChannels(*audio);
}

} // namespace WaveSamples
