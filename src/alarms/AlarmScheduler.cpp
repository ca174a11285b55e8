#include "alarms/AlarmScheduler.h"

#include "alarms/CronMask.h"

#include <tuple>

namespace {

constexpr long long SecondsPerDay = 86400;

// 0 = Sunday. Works on any date, so that a tick never fails.
int WeekdayOf(int year, int month, int day)
{
    static constexpr int offsets[12] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (month < 1 || month > 12) return 0;
    if (month < 3) --year;
    if (year < 0) year += 400;  // the calendar repeats every 400 years, whole weeks included
    return (year + year / 4 - year / 100 + year / 400 + offsets[month - 1] + day) % 7;
}

bool ValidTimeOfDay(const TSystemTime& t)
{
    return t.wHour < 24 && t.wMinute < 60 && t.wSecond < 60;
}

bool ValidMoment(const TSystemTime& t)
{
    return t.wMonth >= 1 && t.wMonth <= 12 && t.wDay >= 1 && t.wDay <= DaysInMonth(t.wYear, t.wMonth) &&
           ValidTimeOfDay(t);
}

// Days since 1970-01-01 of a proleptic Gregorian date; any valid date.
long long DaysOf(int year, int month, int day)
{
    year -= month <= 2;
    const long long era = (year >= 0 ? year : year - 399) / 400;
    const long long yearOfEra = year - era * 400;
    const long long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

long long SecondOfDay(const TSystemTime& t)
{
    return t.wHour * 3600LL + t.wMinute * 60LL + t.wSecond;
}

long long SecondOf(const TSystemTime& t)
{
    return DaysOf(t.wYear, t.wMonth, t.wDay) * SecondsPerDay + SecondOfDay(t);
}

bool SameDay(const TAlarmStamp& a, const TAlarmStamp& b)
{
    return a.Year == b.Year && a.Month == b.Month && a.Day == b.Day;
}

auto DateTimeKey(const TSystemTime& t)
{
    return std::tie(t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond);
}

// The whole seconds this tick answers for: after the previous tick's second, up to its own.
struct TSpan {
    long long First;  // an empty span when First > Last
    long long Last;
};

bool InSpan(const TSpan& span, long long second)
{
    return span.First <= second && second <= span.Last;
}

// Whether a time of day occurs in the span, on whatever day.
bool TimeOfDayInSpan(const TSpan& span, long long secondOfDay)
{
    if (span.First > span.Last) return false;
    long long offset = (secondOfDay - span.First) % SecondsPerDay;
    if (offset < 0) offset += SecondsPerDay;
    return span.First + offset <= span.Last;
}

bool IsDue(TAlarm& alarm, const TSystemTime& now, const TAlarmStamp& stamp, const TSpan& span)
{
    switch (alarm.Kind) {
    case akUsual:
        return ValidTimeOfDay(alarm.SignalTime) && TimeOfDayInSpan(span, SecondOfDay(alarm.SignalTime));
    case akReminder:
        alarm.SignalTime.wDayOfWeek = now.wDayOfWeek;
        if (!alarm.OnceADay) {
            if (!ValidMoment(alarm.SignalTime)) return false;
            const long long moment = SecondOf(alarm.SignalTime);
            // Its signal disables a one-time reminder, so an enabled one whose moment has gone by
            // has never rung (the program was closed, or its dialog open): it rings now.
            return InSpan(span, moment) || (alarm.OneTime && span.First <= span.Last && moment <= span.Last);
        }
        // Once a day at or after its moment, so a moment missed while the program was not
        // running still signals when it runs again.
        if (DateTimeKey(now) < DateTimeKey(alarm.SignalTime) || SameDay(stamp, alarm.LastSignalled))
            return false;
        alarm.LastSignalled = stamp;
        return true;
    case akCron: {
        // "Remind later" puts one more moment into SignalTime, besides the mask.
        const bool reminded = ValidMoment(alarm.SignalTime) && InSpan(span, SecondOf(alarm.SignalTime));
        if (alarm.OnceADay ? SameDay(stamp, alarm.LastSignalled) : stamp == alarm.LastSignalled) return reminded;
        if (!MatchCronMask(alarm.CronMask, stamp)) return reminded;
        alarm.LastSignalled = stamp;
        return true;
    }
    }
    return false;
}

class TRunning {
public:
    explicit TRunning(bool& flag) : flag_(flag) { flag_ = true; }
    ~TRunning() { flag_ = false; }
    TRunning(const TRunning&) = delete;
    TRunning& operator=(const TRunning&) = delete;

private:
    bool& flag_;
};

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

void TAlarmScheduler::Tick(TOvList<TAlarm>& alarms, const TSystemTime& now, const TSignalAlarm& signalAlarm)
{
    // An action's own message loop can deliver a tick; the next tick after it covers the gap.
    if (running_) return;
    TRunning running(running_);

    // A cron alarm sees the same reading of the clock as the rest of the tick: reading it again
    // could put one tick on both sides of a minute's edge.
    TSystemTime tick = now;
    const TAlarmStamp stamp = AlarmStampOf(now);
    tick.wDayOfWeek = static_cast<std::uint16_t>(stamp.DayOfWeek - 1);

    TSpan span{1, 0};
    if (ValidMoment(tick)) {
        const long long second = SecondOf(tick);
        span = {second, second};
        // Before the first tick or after the clock went back, this tick's own second only.
        if (previous_ && ValidMoment(*previous_) && SecondOf(*previous_) <= second)
            span.First = SecondOf(*previous_) + 1;
    }
    previous_ = tick;

    int end = alarms.Count();
    int i = 0;
    while (i < end && i < alarms.Count()) {
        TAlarm* alarm = alarms.Items(i);
        // An alarm being edited waits: its dialog decides what it becomes.
        if (!alarm->Enabled || alarm->PropDialog || !IsDue(*alarm, tick, stamp, span)) {
            ++i;
            continue;
        }
        try {
            signalAlarm(*alarm);
        } catch (...) {
            // One alarm's failure is its own; the others still signal.
        }
        // Compare addresses only: the alarm may be gone, and then the next one sits at i.
        if (i < alarms.Count() && alarms.Items(i) == alarm)
            ++i;
        else
            --end;
    }
}
