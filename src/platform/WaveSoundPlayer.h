#pragma once

#include "platform/SoundPlayer.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QTimer>

class QAudioSink;
class QIODevice;
struct WaveAudio;

// Plays wave files with our own decoder (WaveFile) into a QAudioSink: QSoundEffect
// knows 8- and 16-bit PCM only, and the media player cannot play ADPCM.
// The sink pulls the repetitions from the event loop, so the GUI stays usable; a play
// ends when the sound server reports its last sample played, not when the sink has
// merely handed it over.
class WaveSoundPlayer final : public SoundPlayer
{
    Q_OBJECT

public:
    explicit WaveSoundPlayer(QObject *parent = nullptr);
    ~WaveSoundPlayer() override;

    void play(const QString &path, int times, bool defaultOnFailure) override;
    void stop() override;
    bool isPlaying() const override;
    void setVolume(double volume) override;
    double volume() const override;

    // Silence between two repetitions, so that a sound that ends loud is still heard as
    // separate plays.
    static constexpr int gapMilliseconds = 150;

private:
    void start(const WaveAudio &audio, int times);
    void awaitLastSample();
    void checkLastSample();
    void finishLater();
    void finish();
    void releaseSink();

    QAudioSink *m_sink = nullptr;
    QIODevice *m_source = nullptr;
    qint64 m_playUSecs = 0; // every repetition and gap of the current play
    QTimer m_lastSampleCheck;
    qint64 m_lastProcessedUSecs = 0;
    QElapsedTimer m_sinceProgress;
    double m_volume = 1.0;
    bool m_active = false;    // a play whose finished() is still due
    quint64 m_generation = 0; // tells a late queued finish from one of the current play
};
