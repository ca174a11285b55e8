#include "alarms/NextRing.h"

#include "alarms/AlarmScheduler.h"
#include "alarms/CronSearch.h"

#include <algorithm>
#include <cstdio>

namespace {

std::int64_t DayOfStamp(const TAlarmStamp& stamp)
{
    TSystemTime t;
    t.wYear = stamp.Year;
    t.wMonth = stamp.Month;
    t.wDay = stamp.Day;
    std::int64_t seconds;
    return stamp.Year != 0 && SecondsOf(t, seconds) ? DayOfSeconds(seconds) : NoMoment;
}

std::int64_t MinuteOfStamp(const TAlarmStamp& stamp)
{
    const std::int64_t day = DayOfStamp(stamp);
    return day == NoMoment ? NoMoment : day * SecondsPerDay + stamp.Hour * 3600LL + stamp.Minute * 60LL;
}

std::optional<std::int64_t> NextUsual(const TAlarm& alarm, std::int64_t after)
{
    const TSystemTime& t = alarm.SignalTime;
    if (t.wHour > 23 || t.wMinute > 59 || t.wSecond > 59) return std::nullopt;
    const std::int64_t secondOfDay = t.wHour * 3600LL + t.wMinute * 60LL + t.wSecond;
    std::int64_t moment = DayOfSeconds(after) * SecondsPerDay + secondOfDay;
    if (moment <= after) moment += SecondsPerDay;
    // The clock set back over a ring: that day's moment was heard already.
    if (AlreadyRung(alarm.LastRung, moment)) moment += SecondsPerDay;
    return moment;
}

std::optional<std::int64_t> NextReminder(const TAlarm& alarm, std::int64_t after)
{
    std::int64_t moment;
    if (!SecondsOf(alarm.SignalTime, moment)) return std::nullopt;
    if (alarm.OnceADay) {
        // Any second at or after its moment, once a day; the day it signalled is done once the
        // signal was at or after the moment.
        std::int64_t next = std::max(after + 1, moment);
        if (DayOfSeconds(next) == DayOfStamp(alarm.LastSignalled) && alarm.LastRung >= moment)
            next = (DayOfSeconds(next) + 1) * SecondsPerDay;
        return next;
    }
    // A file that does not say how far it was judged rings a passed one-time reminder at once.
    if (alarm.Judged.State == TJudged::jsLegacy && alarm.OneTime && moment <= after &&
        !AlreadyRung(alarm.LastRung, moment))
        return after + 1;
    if (moment <= after || AlreadyRung(alarm.LastRung, moment)) return std::nullopt;
    return moment;
}

std::optional<std::int64_t> NextCron(const TAlarm& alarm, std::int64_t after)
{
    const TCronPattern pattern(alarm.CronMask);
    std::optional<std::int64_t> minute = pattern.NextAfter(after);
    const std::int64_t signalled = MinuteOfStamp(alarm.LastSignalled);
    if (minute && alarm.OnceADay && DayOfSeconds(*minute) == DayOfSeconds(signalled))
        minute = pattern.NextAfter((DayOfSeconds(*minute) + 1) * SecondsPerDay - 1);
    else if (minute && !alarm.OnceADay && AlreadyRung(signalled, *minute))
        minute = pattern.NextAfter(signalled);
    if (alarm.RemindAt != NoMoment && alarm.RemindAt > after && (!minute || alarm.RemindAt < *minute))
        return alarm.RemindAt;
    return minute;
}

const char* const WeekDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};

// "Tue 07:30"
std::string DayAndTime(std::int64_t moment)
{
    const TSystemTime t = RecordOfSeconds(moment);
    char text[16];
    std::snprintf(text, sizeof text, "%s %02u:%02u", WeekDays[t.wDayOfWeek % 7], unsigned{t.wHour},
                  unsigned{t.wMinute});
    return text;
}

std::string Plural(std::int64_t n, const char* unit)
{
    return std::to_string(n) + " " + unit + (n == 1 ? "" : "s");
}

// "7 h 12 min", "3 days": whole minutes, rounded up so that a ring a few seconds away is not
// "0 min".
std::string Interval(std::int64_t seconds)
{
    const std::int64_t minutes = (seconds + 59) / 60;
    if (minutes >= 24 * 60) return Plural(std::max<std::int64_t>(seconds / SecondsPerDay, 1), "day");
    if (minutes < 60) return std::to_string(minutes) + " min";
    return std::to_string(minutes / 60) + " h " + std::to_string(minutes % 60) + " min";
}

}  // namespace

std::optional<std::int64_t> NextRing(const TAlarm& alarm, std::int64_t after)
{
    if (!alarm.Enabled) return std::nullopt;
    switch (alarm.Kind) {
    case akUsual:
        return NextUsual(alarm, after);
    case akReminder:
        return NextReminder(alarm, after);
    case akCron:
        return NextCron(alarm, after);
    }
    return std::nullopt;
}

const TAlarm* SoonestAlarm(const TOvList<TAlarm>& alarms, std::int64_t after, std::int64_t& moment)
{
    const TAlarm* soonest = nullptr;
    for (int i = 0; i < alarms.Count(); ++i) {
        const TAlarm* alarm = alarms.Items(i);
        const std::optional<std::int64_t> next = NextRing(*alarm, after);
        if (next && (!soonest || *next < moment)) {
            soonest = alarm;
            moment = *next;
        }
    }
    return soonest;
}

std::string NextRingText(const TAlarm& alarm, std::int64_t now)
{
    if (!alarm.Enabled) return "Will not ring: the alarm is disabled";
    const std::optional<std::int64_t> next = NextRing(alarm, now);
    if (alarm.Kind == akCron) {
        if (!next && alarm.RemindAt == NoMoment && !TCronPattern(alarm.CronMask).NextAfter(now))
            return "The cron mask never matches";
        if (!alarm.OnceADay) return "Rings every minute that matches";
    }
    if (!next) return "Will not ring: the moment has passed";
    return "Rings in " + Interval(*next - now) + " (" + DayAndTime(*next) + ")";
}

std::string NextAlarmTip(const TOvList<TAlarm>& alarms, std::int64_t now)
{
    std::int64_t moment = 0;
    const TAlarm* alarm = SoonestAlarm(alarms, now, moment);
    // The en dash in code page 1252.
    if (!alarm) return "Doviz Clock";
    return "Doviz Clock \x96 next alarm " + DayAndTime(moment) + " " + alarm->Name;
}

std::optional<std::int64_t> NextWakeUtc(const TOvList<TAlarm>& alarms, std::int64_t localNow, std::int64_t utcNow)
{
    std::int64_t moment = 0;
    if (!SoonestAlarm(alarms, localNow, moment)) return std::nullopt;
    return moment - (localNow - utcNow);
}
