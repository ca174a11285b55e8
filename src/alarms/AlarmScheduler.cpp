#include "alarms/AlarmScheduler.h"

#include "alarms/CronMask.h"

#include <tuple>

namespace {

// 0 = Sunday. Works on any date, so that a tick never fails.
int WeekdayOf(int year, int month, int day)
{
    static constexpr int offsets[12] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (month < 1 || month > 12) return 0;
    if (month < 3) --year;
    if (year < 0) year += 400;  // the calendar repeats every 400 years, whole weeks included
    return (year + year / 4 - year / 100 + year / 400 + offsets[month - 1] + day) % 7;
}

auto DateTimeKey(const TSystemTime& t)
{
    return std::tie(t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond);
}

bool SameDay(const TAlarmStamp& a, const TAlarmStamp& b)
{
    return a.Year == b.Year && a.Month == b.Month && a.Day == b.Day;
}

// The first fourteen bytes of the two records: all but the milliseconds.
bool SameSecond(const TSystemTime& a, const TSystemTime& b)
{
    return a.wYear == b.wYear && a.wMonth == b.wMonth && a.wDayOfWeek == b.wDayOfWeek && a.wDay == b.wDay &&
           a.wHour == b.wHour && a.wMinute == b.wMinute && a.wSecond == b.wSecond;
}

bool IsDue(TAlarm& alarm, const TSystemTime& now, const TAlarmStamp& stamp)
{
    switch (alarm.Kind) {
    case akUsual:
        return now.wHour == alarm.SignalTime.wHour && now.wMinute == alarm.SignalTime.wMinute &&
               now.wSecond == alarm.SignalTime.wSecond;
    case akReminder:
        alarm.SignalTime.wDayOfWeek = now.wDayOfWeek;
        if (!alarm.OnceADay) return SameSecond(now, alarm.SignalTime);
        // Once a day at or after its moment, so a moment missed while the program was not
        // running still signals when it runs again.
        if (DateTimeKey(now) < DateTimeKey(alarm.SignalTime) || SameDay(stamp, alarm.LastSignalled))
            return false;
        alarm.LastSignalled = stamp;
        return true;
    case akCron:
        if (alarm.OnceADay ? SameDay(stamp, alarm.LastSignalled) : stamp == alarm.LastSignalled) return false;
        if (!MatchCronMask(alarm.CronMask, stamp)) return false;
        alarm.LastSignalled = stamp;
        return true;
    }
    return false;
}

}  // namespace

TAlarmStamp AlarmStampOf(const TSystemTime& time)
{
    TAlarmStamp stamp;
    stamp.Year = time.wYear;
    stamp.Month = time.wMonth;
    stamp.Day = time.wDay;
    stamp.DayOfWeek = static_cast<std::uint16_t>(WeekdayOf(time.wYear, time.wMonth, time.wDay) + 1);
    stamp.Hour = time.wHour;
    stamp.Minute = time.wMinute;
    return stamp;
}

void AlarmTimerTimer(TOvList<TAlarm>& alarms, const TSystemTime& now, const TSignalAlarm& signalAlarm)
{
    // A cron alarm sees the same reading of the clock as the rest of the tick: reading it again
    // could put one tick on both sides of a minute's edge.
    TSystemTime tick = now;
    const TAlarmStamp stamp = AlarmStampOf(now);
    tick.wDayOfWeek = static_cast<std::uint16_t>(stamp.DayOfWeek - 1);

    int end = alarms.Count();
    int i = 0;
    while (i < end && i < alarms.Count()) {
        TAlarm* alarm = alarms.Items(i);
        if (!alarm->Enabled || !IsDue(*alarm, tick, stamp)) {
            ++i;
            continue;
        }
        signalAlarm(*alarm);
        // Compare addresses only: the alarm may be gone, and then the next one sits at i.
        if (i < alarms.Count() && alarms.Items(i) == alarm)
            ++i;
        else
            --end;
    }
}
