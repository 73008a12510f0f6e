#pragma once

#include <QObject>
#include <QString>

// Plays alarm sounds through the platform's sound output, without blocking the GUI thread.
class SoundPlayer : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Plays the wave file `times` times, one after another, without blocking the GUI thread;
    // a sound already playing is stopped first (without a finished() for it). times <= 0
    // plays nothing; finished is then still emitted, from the event loop. When the file is
    // missing or cannot be decoded and `defaultOnFailure` is true, a short built-in alert
    // sound plays instead (the platform's default sound); otherwise nothing plays.
    virtual void play(const QString &path, int times, bool defaultOnFailure) = 0;
    // Ends the sound at once; emits finished when a sound was playing.
    virtual void stop() = 0;
    virtual bool isPlaying() const = 0;
    // The program's own volume, 0.0 silent to 1.0 full; values outside are clamped.
    virtual void setVolume(double volume) = 0;
    virtual double volume() const = 0;

Q_SIGNALS:
    // The last repetition ended, or stop() was called.
    void finished();
};
