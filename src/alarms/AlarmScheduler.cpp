#include "alarms/AlarmScheduler.h"

#include "alarms/CronMask.h"
#include "alarms/CronSearch.h"

#include <algorithm>
#include <optional>

namespace {

// The seconds [First, Last] that a judgement covers; empty when First > Last.
struct TSpan {
    std::int64_t First = 1;
    std::int64_t Last = 0;
};

// The local seconds that time really passed through since the alarm was judged: as many as UTC
// moved on, reckoned in the zone of this tick and in the zone of the last judgement, since a
// change of zone or of summer time in between could have come at any moment of it. Neither goes
// past this tick's reading. Without a judgement, the tick's own second.
struct TElapsed {
    TSpan Now;
    TSpan Then;
};

TElapsed ElapsedSpans(const TJudged& from, std::int64_t utc, std::int64_t local)
{
    if (from.State != TJudged::jsKnown) return {{local, local}, {}};
    // Set back, or a zone's change alone: no time passed, so no second of the day did either.
    const std::int64_t elapsed = utc - from.Utc;
    if (elapsed <= 0) return {};
    return {{local - elapsed + 1, local}, {from.Local + 1, std::min(from.Local + elapsed, local)}};
}

// The local readings passed since the alarm was judged, however the local clock got there.
TSpan LocalSpan(const TJudged& from, std::int64_t local)
{
    if (from.State != TJudged::jsKnown) return {local, local};
    return {from.Local + 1, local};
}

bool InSpan(const TSpan& span, std::int64_t second)
{
    return span.First <= second && second <= span.Last;
}

std::int64_t SecondOfStamp(const TAlarmStamp& stamp)
{
    TSystemTime t;
    t.wYear = stamp.Year;
    t.wMonth = stamp.Month;
    t.wDay = stamp.Day;
    t.wHour = stamp.Hour;
    t.wMinute = stamp.Minute;
    std::int64_t seconds;
    return SecondsOf(t, seconds) ? seconds : NoMoment;
}

bool SameDay(const TAlarmStamp& a, const TAlarmStamp& b)
{
    return a.Year == b.Year && a.Month == b.Month && a.Day == b.Day;
}

// The latest second of the span whose time of day is the alarm's.
std::optional<std::int64_t> LatestTimeOfDay(const TSpan& span, std::int64_t secondOfDay)
{
    if (span.First > span.Last) return std::nullopt;
    const std::int64_t latest = span.Last - FloorMod(span.Last - secondOfDay, SecondsPerDay);
    if (latest < span.First) return std::nullopt;
    return latest;
}

bool RingsFor(TAlarm& alarm, std::optional<std::int64_t> moment)
{
    if (!moment || AlreadyRung(alarm.LastRung, *moment)) return false;
    alarm.LastRung = *moment;
    return true;
}

std::optional<std::int64_t> Later(std::optional<std::int64_t> a, std::optional<std::int64_t> b)
{
    return !a ? b : !b ? a : std::max(*a, *b);
}

bool UsualDue(TAlarm& alarm, const TElapsed& elapsed)
{
    const TSystemTime& t = alarm.SignalTime;
    if (t.wHour > 23 || t.wMinute > 59 || t.wSecond > 59) return false;
    const std::int64_t secondOfDay = t.wHour * 3600LL + t.wMinute * 60LL + t.wSecond;
    return RingsFor(alarm, Later(LatestTimeOfDay(elapsed.Now, secondOfDay), LatestTimeOfDay(elapsed.Then, secondOfDay)));
}

bool ReminderDue(TAlarm& alarm, const TJudged& from, std::int64_t local, const TAlarmStamp& stamp)
{
    std::int64_t moment;
    if (!SecondsOf(alarm.SignalTime, moment)) return false;
    if (alarm.OnceADay) {
        // Once a day at or after its moment; again on the day it rang when its moment was moved
        // past that signal.
        if (local < moment || (SameDay(stamp, alarm.LastSignalled) && alarm.LastRung >= moment)) return false;
        alarm.LastSignalled = stamp;
        alarm.LastRung = local;
        return true;
    }
    // A file that does not say how far it was judged: a one-time reminder whose moment has gone
    // by has never rung, since its signal would have disabled it.
    const bool due = from.State == TJudged::jsLegacy ? moment == local || (alarm.OneTime && moment <= local)
                                                     : InSpan(LocalSpan(from, local), moment);
    return due && RingsFor(alarm, moment);
}

bool CronDue(TAlarm& alarm, const TJudged& from, const TElapsed& spans, std::int64_t local, const TAlarmStamp& now)
{
    bool reminded = false;
    if (alarm.RemindAt != NoMoment && alarm.RemindAt <= local) {
        reminded = InSpan(LocalSpan(from, local), alarm.RemindAt) || from.State == TJudged::jsLegacy;
        alarm.RemindAt = NoMoment;
    }
    // Most ticks cover one minute: the mask is matched as it stands, without reading it whole.
    std::optional<std::int64_t> minute;
    const TSpan& elapsed = spans.Now;
    const bool oneZone = spans.Then.First > spans.Then.Last ||
                         (spans.Then.First == elapsed.First && spans.Then.Last == elapsed.Last);
    if (oneZone && elapsed.First <= elapsed.Last && elapsed.First >= MinuteStart(local)) {
        if (MatchCronMask(alarm.CronMask, now)) minute = MinuteStart(local);
    } else {
        const TCronPattern pattern(alarm.CronMask);
        minute = Later(pattern.LatestIn(elapsed.First, elapsed.Last), pattern.LatestIn(spans.Then.First, spans.Then.Last));
    }
    if (!minute) return reminded;
    const TAlarmStamp stamp = *minute == MinuteStart(local) ? now : AlarmStampOf(RecordOfSeconds(*minute));
    const bool rung = alarm.OnceADay ? SameDay(stamp, alarm.LastSignalled)
                                     : AlreadyRung(SecondOfStamp(alarm.LastSignalled), *minute);
    if (rung) return reminded;
    alarm.LastSignalled = stamp;
    return true;
}

bool IsDue(TAlarm& alarm, const TJudged& from, std::int64_t utc, std::int64_t local, const TSystemTime& now,
           const TAlarmStamp& stamp)
{
    switch (alarm.Kind) {
    case akUsual:
        return UsualDue(alarm, ElapsedSpans(from, utc, local));
    case akReminder:
        alarm.SignalTime.wDayOfWeek = now.wDayOfWeek;
        return ReminderDue(alarm, from, local, stamp);
    case akCron:
        return CronDue(alarm, from, ElapsedSpans(from, utc, local), local, stamp);
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

bool AlreadyRung(std::int64_t last, std::int64_t moment)
{
    return last != NoMoment && moment <= last && moment > last - SecondsPerDay;
}

TAlarmStamp AlarmStampOf(const TSystemTime& time)
{
    TAlarmStamp stamp;
    stamp.Year = time.wYear;
    stamp.Month = time.wMonth;
    stamp.Day = time.wDay;
    std::int64_t seconds;
    TSystemTime date = time;
    date.wHour = date.wMinute = date.wSecond = 0;
    stamp.DayOfWeek = SecondsOf(date, seconds) ? static_cast<std::uint16_t>(WeekdayOfDay(DayOfSeconds(seconds)) + 1) : 1;
    stamp.Hour = time.wHour;
    stamp.Minute = time.wMinute;
    return stamp;
}

void TAlarmScheduler::Tick(TOvList<TAlarm>& alarms, const TClockReading& now, const TSignalAlarm& signalAlarm)
{
    // An action's own message loop can deliver a tick; the next tick after it covers the gap.
    if (running_) return;
    TRunning running(running_);

    // Every alarm sees the same reading of the clock: reading it again could put one tick on both
    // sides of a minute's edge.
    std::int64_t utc, local;
    if (!SecondsOf(now.Local, local) || !SecondsOf(now.Utc, utc)) return;
    TSystemTime tick = now.Local;
    const TAlarmStamp stamp = AlarmStampOf(tick);
    tick.wDayOfWeek = static_cast<std::uint16_t>(stamp.DayOfWeek - 1);
    const TJudged previous = last_;
    const TJudged judged{TJudged::jsKnown, utc, local};
    last_ = judged;

    int end = alarms.Count();
    int i = 0;
    while (i < end && i < alarms.Count()) {
        TAlarm* alarm = alarms.Items(i);
        if (alarm->Judged.State == TJudged::jsFresh) alarm->Judged = previous;
        // An alarm being edited waits: its dialog decides what it becomes.
        if (alarm->PropDialog) {
            ++i;
            continue;
        }
        const TJudged from = alarm->Judged;
        alarm->Judged = judged;
        if (!alarm->Enabled || !IsDue(*alarm, from, utc, local, tick, stamp)) {
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
