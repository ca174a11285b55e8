#pragma once
// The one way tests write a moment: a calendar date and time of day, with its true day of week.
// Where Windows wants its own SYSTEMTIME, FromRecord gives the same moment.

#include <cstdint>

#include "base/DateTime.h"

inline TSystemTime Moment(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0)
{
    TSystemTime t;
    t.wYear = static_cast<std::uint16_t>(y);
    t.wMonth = static_cast<std::uint16_t>(mo);
    t.wDay = static_cast<std::uint16_t>(d);
    t.wDayOfWeek = static_cast<std::uint16_t>(DayOfWeek(EncodeDate(y, mo, d)));
    t.wHour = static_cast<std::uint16_t>(h);
    t.wMinute = static_cast<std::uint16_t>(mi);
    t.wSecond = static_cast<std::uint16_t>(s);
    t.wMilliseconds = static_cast<std::uint16_t>(ms);
    return t;
}
