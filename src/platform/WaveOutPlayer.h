#pragma once

#include "platform/SoundPlayer.h"

#include <QByteArray>
#include <QTimer>
#include <memory>

class WaveOut;
struct WaveAudio;

// Plays wave files with our own decoder (WaveFile) through a WaveOut: the sound player
// of the Windows build, which has no Qt Multimedia. The output plays on its own thread;
// a timer of the GUI thread keeps a few short blocks queued ahead of it, so neither
// a long sound nor many repetitions ever block the GUI, and stop() takes effect at once.
// A play ends when the output has played its last block.
class WaveOutPlayer final : public SoundPlayer
{
    Q_OBJECT

public:
    explicit WaveOutPlayer(std::unique_ptr<WaveOut> output, QObject *parent = nullptr);
    ~WaveOutPlayer() override;

    void play(const QString &path, int times, bool defaultOnFailure) override;
    void stop() override;
    bool isPlaying() const override;
    void setVolume(double volume) override;
    double volume() const override;

    // Silence between two repetitions, so that a sound that ends loud is still heard as
    // separate plays.
    static constexpr int gapMilliseconds = 150;
    // Each block holds this much sound, and this many blocks are kept queued: enough
    // to bridge a GUI thread busy for a while, little enough to start at once.
    static constexpr int blockMilliseconds = 100;
    static constexpr int blocksAhead = 4;
    // How often the output's progress is looked at.
    static constexpr int pollMilliseconds = 20;

private:
    void start(const WaveAudio &audio, int times);
    void feed();
    void finishLater();
    void finish();
    void closeOutput();

    std::unique_ptr<WaveOut> m_output;
    QTimer m_poll;
    QByteArray m_sound;    // one repetition, encoded for the output
    qint64 m_gapBytes = 0; // silence after each repetition but the last
    qint64 m_blockBytes = 0;
    qint64 m_total = 0;    // every repetition and gap of the current play
    qint64 m_position = 0; // how much of it has been written to the output
    double m_volume = 1.0;
    bool m_open = false;
    bool m_active = false;    // a play whose finished() is still due
    quint64 m_generation = 0; // tells a late queued finish from one of the current play
};
