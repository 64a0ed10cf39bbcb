#include "LocalClock.h"

#include <chrono>
#include <ctime>

LocalTime toLocalTime(const CivilTime &civil)
{
    using namespace std::chrono;
    const year_month_day date{year{civil.year}, month{unsigned(civil.month)}, day{unsigned(civil.day)}};
    const LocalTime days = sys_days{date}.time_since_epoch().count();
    const LocalTime timeOfDay = ((LocalTime(civil.hour) * 60 + civil.minute) * 60 + civil.second) * 1000
                                + civil.millisecond;
    return days * 86'400'000 + timeOfDay;
}

LocalTime readLocalClock()
{
    using namespace std::chrono;
    const auto now = system_clock::now();
    const auto sinceEpoch = duration_cast<milliseconds>(now.time_since_epoch()).count();
    // Floor division, so a clock before 1970 still splits into seconds and milliseconds.
    std::time_t seconds = std::time_t(sinceEpoch / 1000);
    int millisecond = int(sinceEpoch % 1000);
    if (millisecond < 0) {
        millisecond += 1000;
        --seconds;
    }
    std::tm local{};
    localtime_r(&seconds, &local);
    return toLocalTime({local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                        local.tm_sec, millisecond});
}
