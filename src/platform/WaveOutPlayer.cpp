#include "platform/WaveOutPlayer.h"

#include "platform/WaveFile.h"
#include "platform/WaveOut.h"
#include "platform/WaveSamples.h"

#include <QtDebug>
#include <algorithm>

WaveOutPlayer::WaveOutPlayer(std::unique_ptr<WaveOut> output, QObject *parent)
    : SoundPlayer(parent), m_output(std::move(output))
{
    m_poll.setInterval(pollMilliseconds);
    connect(&m_poll, &QTimer::timeout, this, &WaveOutPlayer::feed);
}

WaveOutPlayer::~WaveOutPlayer()
{
    closeOutput();
}

void WaveOutPlayer::play(const QString &path, int times, bool defaultOnFailure)
{
    closeOutput();
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

void WaveOutPlayer::start(const WaveAudio &audio, int times)
{
    const qint64 frameBytes = qint64(audio.channels) * 2;
    m_sound = WaveSamples::toInt16(audio.samples);
    m_gapBytes = qint64(audio.sampleRate) * gapMilliseconds / 1000 * frameBytes;
    m_blockBytes = std::max<qint64>(frameBytes, qint64(audio.sampleRate) * blockMilliseconds /
                                                    1000 * frameBytes);
    m_total = times * qint64(m_sound.size()) + (times - 1) * m_gapBytes;
    m_position = 0;
    if (!m_output->open(audio.sampleRate, audio.channels)) {
        qWarning() << "The sound output cannot play" << audio.sampleRate << "Hz with"
                   << audio.channels << "channels";
        finishLater();
        return;
    }
    m_open = true;
    m_output->setVolume(m_volume);
    feed();
    if (m_open)
        m_poll.start();
}

void WaveOutPlayer::feed()
{
    const qint64 period = m_sound.size() + m_gapBytes;
    while (m_position < m_total && m_output->queued() < blocksAhead) {
        // A block never spans the end of a repetition, so that the sound itself is
        // copied only where it is not silence.
        const qint64 offset = m_position % period;
        QByteArray block;
        if (offset < m_sound.size()) {
            const qint64 n = std::min(m_blockBytes, m_sound.size() - offset);
            block = m_sound.mid(offset, n);
        } else {
            const qint64 n = std::min(m_blockBytes, period - offset);
            block = QByteArray(n, '\0');
        }
        m_position += block.size();
        if (!m_output->write(std::move(block))) {
            qWarning() << "The sound output refused a block" << (m_total - m_position) / 2
                       << "samples before the end";
            finish();
            return;
        }
    }
    if (m_position >= m_total && m_output->queued() == 0)
        finish();
}

void WaveOutPlayer::finishLater()
{
    QTimer::singleShot(0, this, [this, generation = m_generation] {
        if (generation == m_generation && m_active)
            finish();
    });
}

void WaveOutPlayer::finish()
{
    closeOutput();
    m_active = false;
    Q_EMIT finished();
}

void WaveOutPlayer::stop()
{
    if (m_active)
        finish();
}

bool WaveOutPlayer::isPlaying() const
{
    return m_open;
}

void WaveOutPlayer::setVolume(double volume)
{
    m_volume = std::clamp(volume, 0.0, 1.0);
    if (m_open)
        m_output->setVolume(m_volume);
}

double WaveOutPlayer::volume() const
{
    return m_volume;
}

void WaveOutPlayer::closeOutput()
{
    m_poll.stop();
    if (!m_open)
        return;
    m_open = false;
    m_output->close();
}
