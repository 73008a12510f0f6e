#include "platform/WaveOutPlayer.h"

#include "platform/WaveFile.h"
#include "platform/WaveOut.h"
#include "platform/WaveSamples.h"

#include <QtDebug>
#include <algorithm>

WaveOutPlayer::WaveOutPlayer(std::unique_ptr<WaveOut> output, QObject *parent)
    : WavePlayer(parent), m_output(std::move(output))
{
    m_poll.setInterval(pollMilliseconds);
    connect(&m_poll, &QTimer::timeout, this, &WaveOutPlayer::feed);
}

WaveOutPlayer::~WaveOutPlayer()
{
    release();
}

void WaveOutPlayer::start(const WaveAudio &audio, int times)
{
    const qint64 frameBytes = qint64(audio.channels) * 2;
    m_sound = WaveSamples::toInt16(audio.samples);
    m_play = RepeatedSound(m_sound.size(), times,
                           qint64(audio.sampleRate) * gapMilliseconds / 1000 * frameBytes);
    m_blockBytes = std::max<qint64>(frameBytes, qint64(audio.sampleRate) * blockMilliseconds /
                                                    1000 * frameBytes);
    m_position = 0;
    if (!m_output->open(audio.sampleRate, audio.channels)) {
        qWarning() << "The sound output cannot play" << audio.sampleRate << "Hz with"
                   << audio.channels << "channels";
        finishLater();
        return;
    }
    m_open = true;
    m_output->setVolume(volume());
    feed();
    if (m_open)
        m_poll.start();
}

void WaveOutPlayer::feed()
{
    while (m_position < m_play.total() && m_output->queued() < blocksAhead) {
        // A block never spans the end of a repetition, so that the sound itself is
        // copied only where it is not silence.
        const RepeatedSound::Stretch stretch = m_play.at(m_position, m_blockBytes);
        QByteArray block = stretch.soundOffset >= 0
                               ? m_sound.mid(stretch.soundOffset, stretch.length)
                               : QByteArray(stretch.length, '\0');
        m_position += block.size();
        if (!m_output->write(std::move(block))) {
            qWarning() << "The sound output refused a block" << (m_play.total() - m_position) / 2
                       << "samples before the end";
            finish();
            return;
        }
    }
    if (m_position >= m_play.total() && m_output->queued() == 0)
        finish();
}

bool WaveOutPlayer::isPlaying() const
{
    return m_open;
}

void WaveOutPlayer::applyVolume(double volume)
{
    if (m_open)
        m_output->setVolume(volume);
}

void WaveOutPlayer::release()
{
    m_poll.stop();
    if (!m_open)
        return;
    m_open = false;
    m_output->close();
}
