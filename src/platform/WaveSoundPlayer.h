#pragma once

#include "platform/WavePlayer.h"

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
class WaveSoundPlayer final : public WavePlayer
{
    Q_OBJECT

public:
    explicit WaveSoundPlayer(QObject *parent = nullptr);
    ~WaveSoundPlayer() override;

    bool isPlaying() const override;

private:
    void start(const WaveAudio &audio, int times) override;
    void release() override;
    void applyVolume(double volume) override;
    void awaitLastSample();
    void checkLastSample();

    QAudioSink *m_sink = nullptr;
    QIODevice *m_source = nullptr;
    qint64 m_playUSecs = 0; // every repetition and gap of the current play
    QTimer m_lastSampleCheck;
    qint64 m_lastProcessedUSecs = 0;
    QElapsedTimer m_sinceProgress;
};
