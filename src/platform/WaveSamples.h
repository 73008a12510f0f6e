#pragma once

#include "platform/WaveFile.h"

#include <QByteArray>
#include <optional>

// Preparing decoded sound for a sound output; shared by the sound players of
// every platform.
namespace WaveSamples {

// The platform's default sound, for an alarm whose file is gone: two short beeps.
WaveAudio alertSound();

// More than two channels are mixed down to mono; every output takes mono and stereo.
WaveAudio playableChannels(const WaveAudio &audio);

// The sound of a file as an output plays it. A file that cannot be read is
// reported on the log and gives the default sound where defaultOnFailure,
// otherwise nothing.
std::optional<WaveAudio> playable(const QString &path, bool defaultOnFailure);

// The samples as interleaved signed 16-bit little-endian PCM, clipped at full scale.
QByteArray toInt16(const QList<float> &samples);

} // namespace WaveSamples
