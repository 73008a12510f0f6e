#pragma once

#include <QDateTime>

// How long a clock waits for its next step. A clock that sleeps on one timer
// to the moment its display changes wakes once per step and shows the new
// value at once, where a free-running timer drifts up to a whole step late.
namespace Takt {

// Steps land this long after their boundary, so the time read there is
// already the new one even when the timer fires a little early.
constexpr int kMargenMs = 3;

// Milliseconds from `nu` to the next step of `periodeMs` counted from
// `anker`, plus the margin. A time before the anchor (the wall clock was set
// back) counts in whole periods all the same.
int msTilNaeste(const QDateTime &anker, const QDateTime &nu, int periodeMs);

// The same for steps on the wall clock's seconds or minutes.
int msTilNaesteSekund(const QDateTime &nu);
int msTilNaesteMinut(const QDateTime &nu);

} // namespace Takt
