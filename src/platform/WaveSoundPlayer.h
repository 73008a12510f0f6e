#pragma once

#include "platform/SoundPlayer.h"

#include <QByteArray>

class QAudioSink;
class QIODevice;
struct WaveAudio;

// Plays wave files with our own decoder (WaveFile) into a QAudioSink: QSoundEffect
// knows 8- and 16-bit PCM only, and the media player cannot play ADPCM.
// The sink pulls the repetitions from the event loop, so the GUI stays usable.
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
    void finishLater();
    void finish();
    void releaseSink();

    QAudioSink *m_sink = nullptr;
    QIODevice *m_source = nullptr;
    double m_volume = 1.0;
    bool m_active = false;    // a play whose finished() is still due
    quint64 m_generation = 0; // tells a late queued finish from one of the current play
};
