#include "base/DateTime.h"

#include <cmath>

namespace {

constexpr std::int64_t MSecsPerDay = 86400000;
// Days from 0001-01-01 to 1899-12-30 in the proleptic Gregorian calendar.
constexpr std::int64_t DateDelta = 693593;

// Day number of a date, counting 0001-01-01 as day 0.
std::int64_t DaysFromCivil(int year, int month, int day)
{
    std::int64_t y = year - 1;
    std::int64_t days = y * 365 + y / 4 - y / 100 + y / 400;
    for (int m = 1; m < month; ++m) days += DaysInMonth(year, m);
    return days + day - 1;
}

void CivilFromDays(std::int64_t days, int& year, int& month, int& day)
{
    // Shift to 0000-03-01 based eras, as in the well-known civil-from-days algorithm.
    std::int64_t z = days + 306;  // 0001-01-01 is 306 days after 0000-03-01
    std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    std::int64_t doe = z - era * 146097;
    std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    std::int64_t y = yoe + era * 400;
    std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    std::int64_t mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(y + (month <= 2 ? 1 : 0));
}

}  // namespace

bool IsLeapYear(int year)
{
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int DaysInMonth(int year, int month)
{
    static constexpr int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

TDateTime EncodeDate(int year, int month, int day)
{
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month))
        throw EConvertError("Invalid argument to date encode");
    return static_cast<double>(DaysFromCivil(year, month, day) - DateDelta);
}

TDateTime EncodeTime(int hour, int minute, int second, int millisecond)
{
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 ||
        millisecond < 0 || millisecond > 999)
        throw EConvertError("Invalid argument to time encode");
    std::int64_t ms = ((hour * 60LL + minute) * 60 + second) * 1000 + millisecond;
    return static_cast<double>(ms) / MSecsPerDay;
}

TDateTime SystemTimeToDateTime(const TSystemTime& st)
{
    TDateTime date = EncodeDate(st.wYear, st.wMonth, st.wDay);
    TDateTime time = EncodeTime(st.wHour, st.wMinute, st.wSecond, st.wMilliseconds);
    // Before 1899-12-30 the day count is negative but the time of day still counts forward.
    return date >= 0 ? date + time : date - time;
}

TSystemTime DateTimeToSystemTime(TDateTime value)
{
    double whole = std::trunc(value);
    std::int64_t days = static_cast<std::int64_t>(whole);
    std::int64_t ms = std::llround(std::fabs(value - whole) * MSecsPerDay);
    if (ms >= MSecsPerDay) {
        ms -= MSecsPerDay;
        days += value >= 0 ? 1 : -1;
    }
    TSystemTime st;
    int y, m, d;
    CivilFromDays(days + DateDelta, y, m, d);
    st.wYear = static_cast<std::uint16_t>(y);
    st.wMonth = static_cast<std::uint16_t>(m);
    st.wDay = static_cast<std::uint16_t>(d);
    st.wDayOfWeek = static_cast<std::uint16_t>(((days % 7) + 7 + 6) % 7);
    st.wMilliseconds = static_cast<std::uint16_t>(ms % 1000);
    st.wSecond = static_cast<std::uint16_t>(ms / 1000 % 60);
    st.wMinute = static_cast<std::uint16_t>(ms / 60000 % 60);
    st.wHour = static_cast<std::uint16_t>(ms / 3600000);
    return st;
}

int DayOfWeek(TDateTime value)
{
    return DateTimeToSystemTime(value).wDayOfWeek;
}

TSystemTime IncMinutes(const TSystemTime& st, double minutes)
{
    return DateTimeToSystemTime(SystemTimeToDateTime(st) + minutes / MinutesPerDay);
}

namespace {
// Days from 0001-01-01 to 1970-01-01.
constexpr std::int64_t UnixDelta = 719162;
}  // namespace

std::int64_t FloorDiv(std::int64_t a, std::int64_t b)
{
    return a / b - (a % b != 0 && (a < 0) != (b < 0));
}

std::int64_t FloorMod(std::int64_t a, std::int64_t b)
{
    return a - FloorDiv(a, b) * b;
}

std::int64_t DayOfSeconds(std::int64_t seconds)
{
    return FloorDiv(seconds, SecondsPerDay);
}

int WeekdayOfDay(std::int64_t day)
{
    // 1970-01-01 was a Thursday.
    return static_cast<int>(FloorMod(day + 4, 7));
}

std::int64_t MinuteStart(std::int64_t seconds)
{
    return seconds - FloorMod(seconds, 60);
}

bool SecondsOf(const TSystemTime& st, std::int64_t& seconds)
{
    if (st.wYear < 1 || st.wYear > 9999 || st.wMonth < 1 || st.wMonth > 12 || st.wDay < 1 ||
        st.wDay > DaysInMonth(st.wYear, st.wMonth) || st.wHour > 23 || st.wMinute > 59 || st.wSecond > 59)
        return false;
    // Days since 1970-01-01, counted from March so that the leap day ends a year.
    const std::int64_t y = st.wYear - (st.wMonth <= 2);
    const std::int64_t era = y / 400, yoe = y - era * 400;
    const std::int64_t doy = (153 * (st.wMonth + (st.wMonth > 2 ? -3 : 9)) + 2) / 5 + st.wDay - 1;
    const std::int64_t days = era * 146097 + yoe * 365 + yoe / 4 - yoe / 100 + doy - 719468;
    seconds = days * SecondsPerDay + st.wHour * 3600 + st.wMinute * 60 + st.wSecond;
    return true;
}

TSystemTime RecordOfSeconds(std::int64_t seconds)
{
    const std::int64_t days = DayOfSeconds(seconds), second = FloorMod(seconds, SecondsPerDay);
    int y, m, d;
    CivilFromDays(days + UnixDelta, y, m, d);
    TSystemTime st;
    st.wYear = static_cast<std::uint16_t>(y);
    st.wMonth = static_cast<std::uint16_t>(m);
    st.wDay = static_cast<std::uint16_t>(d);
    st.wDayOfWeek = static_cast<std::uint16_t>(WeekdayOfDay(days));
    st.wHour = static_cast<std::uint16_t>(second / 3600);
    st.wMinute = static_cast<std::uint16_t>(second / 60 % 60);
    st.wSecond = static_cast<std::uint16_t>(second % 60);
    return st;
}
