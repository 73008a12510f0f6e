#pragma once

#include <QByteArray>
#include <memory>

// A sound output that plays blocks of interleaved signed 16-bit PCM in the order they
// were written, on a thread of its own: Windows' wave-out device, or a fake in tests.
// Every call returns at once.
class WaveOut
{
public:
    virtual ~WaveOut() = default;

    // Opens the output for this format; false when there is no output or it refuses
    // the format.
    virtual bool open(int sampleRate, int channels) = 0;
    // Queues a block behind those written before; false when the output refuses it.
    virtual bool write(QByteArray block) = 0;
    // How many written blocks have not yet been played to their end.
    virtual int queued() = 0;
    // Silences the output at once, drops every queued block and closes it.
    virtual void close() = 0;
    // 0.0 silent to 1.0 full, for both channels.
    virtual void setVolume(double volume) = 0;
};

// The platform's own output: the wave-out device of the sound mapper on Windows.
std::unique_ptr<WaveOut> makeSystemWaveOut();
