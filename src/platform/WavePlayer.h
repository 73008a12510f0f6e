#pragma once

#include "platform/SoundPlayer.h"

struct WaveAudio;

// What the platforms' wave players share: a play reads its file through our
// own decoder and hands one repetition to the output; a play's finished()
// comes once, also for a play that could not start, and never for a play a
// newer one replaced.
class WavePlayer : public SoundPlayer
{
    Q_OBJECT

public:
    void play(const QString &path, int times, bool defaultOnFailure) final;
    void stop() final;
    void setVolume(double volume) final;
    double volume() const final;

    // Silence between two repetitions, so that a sound that ends loud is still heard as
    // separate plays.
    static constexpr int gapMilliseconds = 150;

protected:
    using SoundPlayer::SoundPlayer;

    // Opens the output on the sound, to be heard `times` times (at least once) with
    // the gap between; calls finishLater() where the output cannot play it.
    virtual void start(const WaveAudio &audio, int times) = 0;
    // Closes the output at once, without a finished().
    virtual void release() = 0;
    // The output's own volume, where one is open.
    virtual void applyVolume(double volume) = 0;

    // The play ends now, or from the event loop where the caller may be a signal of the output.
    void finish();
    void finishLater();

private:
    double m_volume = 1.0;
    bool m_active = false;    // a play whose finished() is still due
    quint64 m_generation = 0; // tells a late queued finish from one of the current play
};

// A sound repeated with silence between, as a run of bytes: which part of it
// lies where.
class RepeatedSound
{
public:
    RepeatedSound() = default;
    RepeatedSound(qint64 soundBytes, int times, qint64 gapBytes);

    qint64 total() const { return m_total; }

    // The longest stretch from `position`, at most maxBytes long, that is all
    // sound or all silence: where it starts in the sound (-1 for silence) and
    // its length; 0 at the end.
    struct Stretch
    {
        qint64 soundOffset;
        qint64 length;
    };
    Stretch at(qint64 position, qint64 maxBytes) const;

private:
    qint64 m_soundBytes = 0;
    qint64 m_gapBytes = 0;
    qint64 m_total = 0;
};
