#pragma once

// What the digital field shows: the time, a running stopwatch, or the
// countdown to an alarm.
enum TUrType
{
    utNormal,
    utStop,
    utAlarm
};
