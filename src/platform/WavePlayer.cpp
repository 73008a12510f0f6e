#include "platform/WavePlayer.h"

#include "platform/WaveSamples.h"

#include <QTimer>
#include <algorithm>

void WavePlayer::play(const QString &path, int times, bool defaultOnFailure)
{
    release();
    ++m_generation;
    m_active = true;
    const std::optional<WaveAudio> audio =
        times > 0 ? WaveSamples::playable(path, defaultOnFailure) : std::nullopt;
    if (!audio) {
        finishLater();
        return;
    }
    start(*audio, times);
}

void WavePlayer::stop()
{
    if (m_active)
        finish();
}

void WavePlayer::setVolume(double volume)
{
    m_volume = std::clamp(volume, 0.0, 1.0);
    applyVolume(m_volume);
}

double WavePlayer::volume() const
{
    return m_volume;
}

void WavePlayer::finish()
{
    release();
    m_active = false;
    Q_EMIT finished();
}

void WavePlayer::finishLater()
{
    QTimer::singleShot(0, this, [this, generation = m_generation] {
        if (generation == m_generation && m_active)
            finish();
    });
}

RepeatedSound::RepeatedSound(qint64 soundBytes, int times, qint64 gapBytes)
    : m_soundBytes(soundBytes), m_gapBytes(gapBytes),
      m_total(times * soundBytes + (times - 1) * gapBytes)
{}

RepeatedSound::Stretch RepeatedSound::at(qint64 position, qint64 maxBytes) const
{
    const qint64 left = std::min(maxBytes, m_total - position);
    if (left <= 0)
        return {-1, 0};
    const qint64 offset = position % (m_soundBytes + m_gapBytes);
    if (offset < m_soundBytes)
        return {offset, std::min(left, m_soundBytes - offset)};
    return {-1, std::min(left, m_soundBytes + m_gapBytes - offset)};
}
