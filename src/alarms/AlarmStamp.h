#pragma once
// A minute of local time as the cron alarms see it. The day comes before the day of week here,
// the other way round from the system-time record.

#include <cstdint>

struct TAlarmStamp {
    std::uint16_t Year = 0;
    std::uint16_t Month = 0;
    std::uint16_t Day = 0;
    std::uint16_t DayOfWeek = 0;  // 1 = Sunday ... 7 = Saturday
    std::uint16_t Hour = 0;
    std::uint16_t Minute = 0;

    friend bool operator==(const TAlarmStamp&, const TAlarmStamp&) = default;
};
