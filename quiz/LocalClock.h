#pragma once

#include <cstdint>

// A reading of the local wall clock: the civil date and time in the user's time
// zone, to the millisecond, as one count of local milliseconds since 1970-01-01
// 00:00 local time. The difference of two readings is the elapsed wall-clock
// time, across midnight and month ends alike; a clock change (summer time, a
// manual setting) shows up in it, which is what the game's time notice wants.
using LocalTime = std::int64_t;

struct CivilTime {
    int year;
    int month;  // 1 to 12
    int day;    // 1 to 31
    int hour;
    int minute;
    int second;
    int millisecond;
};

LocalTime toLocalTime(const CivilTime &civil);

// The system clock read in the local time zone.
LocalTime readLocalClock();
