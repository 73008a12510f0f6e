#pragma once

// The tabs of the properties window, by the index the options file stores.
enum class EgenskabsSide
{
    Ur = 0,
    Nedtaelling = 1,
    Alarmer = 2,
    NyAlarm = 3,
    Kalender = 4,
    Egenskaber = 5,
};

inline constexpr int kAntalEgenskabsSider = 6;
