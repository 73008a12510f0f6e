#pragma once

#include "platform/WavePlayer.h"

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
class WaveOutPlayer final : public WavePlayer
{
    Q_OBJECT

public:
    explicit WaveOutPlayer(std::unique_ptr<WaveOut> output, QObject *parent = nullptr);
    ~WaveOutPlayer() override;

    bool isPlaying() const override;

    // Each block holds this much sound, and this many blocks are kept queued: enough
    // to bridge a GUI thread busy for a while, little enough to start at once.
    static constexpr int blockMilliseconds = 100;
    static constexpr int blocksAhead = 4;
    // How often the output's progress is looked at.
    static constexpr int pollMilliseconds = 20;

private:
    void start(const WaveAudio &audio, int times) override;
    void release() override;
    void applyVolume(double volume) override;
    void feed();

    std::unique_ptr<WaveOut> m_output;
    QTimer m_poll;
    QByteArray m_sound; // one repetition, encoded for the output
    RepeatedSound m_play;
    qint64 m_blockBytes = 0;
    qint64 m_position = 0; // how much of the play has been written to the output
    bool m_open = false;
};
