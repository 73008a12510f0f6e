#include "platform/WaveSoundPlayer.h"

#include "platform/WaveFile.h"
#include "platform/WaveSamples.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QIODevice>
#include <QMediaDevices>
#include <QTimer>
#include <QtDebug>
#include <algorithm>

namespace {

// How often the sound server's progress is looked at while the last buffered audio plays.
constexpr int lastSampleCheckMilliseconds = 10;
// A server whose played time stands still this long plays nothing more (a suspended output);
// without this bound the play would never end.
constexpr int stalledMilliseconds = 1000;

// The sound's bytes `times` times over with a gap of silence between, without
// holding all the copies in memory.
class RepeatingSource final : public QIODevice
{
public:
    RepeatingSource(QByteArray sound, int times, qint64 gapBytes, QObject *parent)
        : QIODevice(parent), m_sound(std::move(sound)), m_play(m_sound.size(), times, gapBytes)
    {
        open(QIODevice::ReadOnly);
    }

    qint64 total() const { return m_play.total(); }
    bool isSequential() const override { return true; }
    bool atEnd() const override { return m_position >= m_play.total(); }
    qint64 bytesAvailable() const override
    {
        return m_play.total() - m_position + QIODevice::bytesAvailable();
    }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        qint64 done = 0;
        while (done < maxSize) {
            const RepeatedSound::Stretch stretch = m_play.at(m_position, maxSize - done);
            if (stretch.length == 0)
                break;
            if (stretch.soundOffset >= 0)
                std::copy_n(m_sound.constData() + stretch.soundOffset, stretch.length, data + done);
            else
                std::fill_n(data + done, stretch.length, char(0));
            done += stretch.length;
            m_position += stretch.length;
        }
        return done;
    }

    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray m_sound;
    RepeatedSound m_play;
    qint64 m_position = 0;
};

QByteArray encode(const QList<float> &samples, QAudioFormat::SampleFormat format)
{
    QByteArray bytes;
    if (format == QAudioFormat::Float) {
        bytes.resize(samples.size() * qsizetype(sizeof(float)));
        std::copy_n(reinterpret_cast<const char *>(samples.constData()), bytes.size(),
                    bytes.data());
        return bytes;
    }
    return WaveSamples::toInt16(samples);
}

} // namespace

WaveSoundPlayer::WaveSoundPlayer(QObject *parent) : WavePlayer(parent)
{
    m_lastSampleCheck.setInterval(lastSampleCheckMilliseconds);
    connect(&m_lastSampleCheck, &QTimer::timeout, this, &WaveSoundPlayer::checkLastSample);
}

WaveSoundPlayer::~WaveSoundPlayer()
{
    release();
}

void WaveSoundPlayer::start(const WaveAudio &audio, int times)
{
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    QAudioFormat format;
    format.setSampleRate(audio.sampleRate);
    format.setChannelCount(audio.channels);
    format.setSampleFormat(QAudioFormat::Float);
    if (!device.isFormatSupported(format))
        format.setSampleFormat(QAudioFormat::Int16);

    const qint64 gapBytes =
        qint64(audio.sampleRate) * gapMilliseconds / 1000 * format.bytesPerFrame();
    auto *source =
        new RepeatingSource(encode(audio.samples, format.sampleFormat()), times, gapBytes, this);
    m_source = source;
    m_playUSecs = format.durationForBytes(source->total());
    m_sink = new QAudioSink(device, format, this);
    m_sink->setVolume(volume());
    connect(m_sink, &QAudioSink::stateChanged, this, [this](QAudio::State state) {
        // An underrun in the middle (a busy GUI thread) also turns the sink idle. An idle
        // sink with nothing left to pull has handed everything over, but the sound server
        // still holds a fraction of a second of it to play.
        if (state == QAudio::IdleState && m_source->atEnd()) {
            awaitLastSample();
        } else if (state == QAudio::StoppedState && m_sink->error() != QAudio::NoError) {
            qWarning() << "The sound output failed:" << m_sink->error();
            finishLater();
        }
    });
    m_sink->start(m_source);
    if (m_sink->error() != QAudio::NoError) {
        qWarning() << "The sound output cannot start:" << m_sink->error();
        finishLater();
    }
}

void WaveSoundPlayer::awaitLastSample()
{
    m_lastProcessedUSecs = m_sink->processedUSecs();
    m_sinceProgress.start();
    m_lastSampleCheck.start();
}

void WaveSoundPlayer::checkLastSample()
{
    const qint64 processed = m_sink->processedUSecs();
    if (processed >= m_playUSecs) {
        finish();
    } else if (processed != m_lastProcessedUSecs) {
        m_lastProcessedUSecs = processed;
        m_sinceProgress.restart();
    } else if (m_sinceProgress.elapsed() >= stalledMilliseconds) {
        qWarning() << "The sound output stopped playing" << (m_playUSecs - processed) / 1000
                   << "ms before the end";
        finish();
    }
}

bool WaveSoundPlayer::isPlaying() const
{
    return m_sink && m_sink->state() != QAudio::StoppedState;
}

void WaveSoundPlayer::applyVolume(double volume)
{
    if (m_sink)
        m_sink->setVolume(volume);
}

void WaveSoundPlayer::release()
{
    m_lastSampleCheck.stop();
    if (!m_sink)
        return;
    // Later, not now: this may run inside a signal of the sink.
    m_sink->disconnect(this);
    m_sink->stop();
    m_sink->deleteLater();
    m_sink = nullptr;
    m_source->deleteLater();
    m_source = nullptr;
}
