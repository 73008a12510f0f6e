#pragma once

#include "platform/SoundPlayer.h"

#include <QList>
#include <QTimer>
#include <algorithm>

// A sound player for tests: records every play and keeps "playing" until the test
// calls finish() or the code under test calls stop(). Like the real player, a play of
// no repetitions emits finished from the event loop.
class FakeSoundPlayer final : public SoundPlayer
{
public:
    struct Play
    {
        QString path;
        int times = 0;
        bool defaultOnFailure = false;
        friend bool operator==(const Play &, const Play &) = default;
    };

    void play(const QString &path, int times, bool defaultOnFailure) override
    {
        plays.append({path, times, defaultOnFailure});
        ++m_generation;
        m_playing = times > 0;
        if (!m_playing) {
            QTimer::singleShot(0, this, [this, generation = m_generation] {
                if (generation == m_generation)
                    Q_EMIT finished();
            });
        }
    }

    void stop() override
    {
        ++stops;
        if (m_playing)
            finish();
    }

    bool isPlaying() const override { return m_playing; }
    void setVolume(double volume) override { m_volume = std::clamp(volume, 0.0, 1.0); }
    double volume() const override { return m_volume; }

    // The sound ends by itself: the last repetition is over.
    void finish()
    {
        m_playing = false;
        ++m_generation;
        Q_EMIT finished();
    }

    QList<Play> plays;
    int stops = 0;

private:
    bool m_playing = false;
    double m_volume = 1.0;
    quint64 m_generation = 0;
};
