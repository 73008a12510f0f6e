#pragma once

#include "alarms/AlarmFile.h"

#include <QString>
#include <QStringList>
#include <optional>

// The fields of the page "Ny alarm" as the user left them.
struct NyAlarmFelter
{
    AlarmType type = AlarmType::Daglig;
    QString aar, maaned, dag, time, minut;
    // The selected index of the sound list; -1 when none is selected.
    int lyd = 0;
    QString gentagelse;
    QString overskrift;
};

// The checks of "Gem" on the page "Ny alarm", without the page.
namespace NyAlarmTjek {

inline constexpr int kOverskriftLaengde = 36;
inline constexpr int kGentagelseMaks = 16;

// What the checks found: the alarm to write (its paths in alarmDir and alarmTekster,
// both ending in the separator), or the message of the first field that failed.
struct Resultat
{
    std::optional<TAlarmRecord> alarm;
    QString besked;
};

// Checks the fields in their order and stops at the first bad one: year (types 1 and
// 2: four digits; type 2 always 3016), month 1-12, day 1-31 (whatever the month),
// hour 0-23, minute 0-59, heading, repetitions 1-16. A field that does not hold a
// whole number (empty, letters, blanks, a sign, too many digits) gets the message of
// its range. Month, day, hour and minute are stored with two digits; a daily alarm
// has the date texts "0000", "00", "00"; an empty heading becomes "Ingen overskrift".
Resultat gemAlarm(const NyAlarmFelter &felter, const QString &alarmDir,
                  const QString &alarmTekster);

// The five lines of the question before an existing pair is replaced.
QStringList overskrivSpoergsmaal(const TAlarmRecord &alarm);

// Whether Windows-1252, the code page of the description file, stores the text unchanged.
bool kanGemmesAnsi(const QString &tekst);

// The value of a field that holds only decimal digits, within int; nothing otherwise.
std::optional<int> heltal(const QString &felt);

} // namespace NyAlarmTjek
