#pragma once
// Calendar arithmetic shared by the clocks and the alarms: the system-time record and the
// date-time value (days since 1899-12-30, the fraction being the time of day).

#include <cstdint>
#include <stdexcept>

// Eight unsigned 16-bit words, in the platform's SYSTEMTIME layout (checked where windows.h is seen).
struct TSystemTime {
    std::uint16_t wYear = 0;
    std::uint16_t wMonth = 0;      // 1-12
    std::uint16_t wDayOfWeek = 0;  // 0 = Sunday
    std::uint16_t wDay = 0;
    std::uint16_t wHour = 0;
    std::uint16_t wMinute = 0;
    std::uint16_t wSecond = 0;
    std::uint16_t wMilliseconds = 0;

    friend bool operator==(const TSystemTime&, const TSystemTime&) = default;
};
static_assert(sizeof(TSystemTime) == 16);

using TDateTime = double;

class EConvertError : public std::invalid_argument {
public:
    using std::invalid_argument::invalid_argument;
};

constexpr double MinutesPerDay = 1440.0;

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);

// Fails with "Invalid argument to date encode" for a day that does not exist.
TDateTime EncodeDate(int year, int month, int day);
// Fails with "Invalid argument to time encode" for an impossible time of day.
TDateTime EncodeTime(int hour, int minute, int second, int millisecond);

TDateTime SystemTimeToDateTime(const TSystemTime& st);
// Recomputes the day of week; the time is rounded to the nearest millisecond.
TSystemTime DateTimeToSystemTime(TDateTime value);

// 0 = Sunday ... 6 = Saturday.
int DayOfWeek(TDateTime value);

// The record moved on by a number of minutes (which may be negative), through the day count.
TSystemTime IncMinutes(const TSystemTime& st, double minutes);

// Moments as whole seconds since 1970-01-01 00:00:00.
constexpr std::int64_t SecondsPerDay = 86400;

// Division that rounds down and a remainder that is never negative, so that a moment before
// 1970 still falls in the day and the minute that hold it.
std::int64_t FloorDiv(std::int64_t a, std::int64_t b);
std::int64_t FloorMod(std::int64_t a, std::int64_t b);
// The day (days since 1970-01-01) that holds a moment, and a day's weekday (0 = Sunday).
std::int64_t DayOfSeconds(std::int64_t seconds);
int WeekdayOfDay(std::int64_t day);
// The first second of the minute that holds a moment.
std::int64_t MinuteStart(std::int64_t seconds);

// Whole seconds since 1970-01-01 00:00:00 of a record's date and time (milliseconds and day of
// week take no part), for reckoning with moments; any valid date of years 1-9999. False for a
// record that is no date and time.
bool SecondsOf(const TSystemTime& st, std::int64_t& seconds);
// The record of a second count, with its true day of week; the inverse of SecondsOf.
TSystemTime RecordOfSeconds(std::int64_t seconds);
