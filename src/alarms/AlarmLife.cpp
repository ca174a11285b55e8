#include "alarms/AlarmLife.h"

TAlarmSchedule ScheduleOf(const TAlarm& alarm)
{
    return {alarm.Enabled, alarm.SignalTime, alarm.OnceADay, alarm.LastSignalled,
            alarm.Judged,  alarm.LastRung,   alarm.RemindAt};
}

void RestoreSchedule(TAlarm& alarm, const TAlarmSchedule& schedule)
{
    alarm.Enabled = schedule.Enabled;
    alarm.SignalTime = schedule.SignalTime;
    alarm.OnceADay = schedule.OnceADay;
    alarm.LastSignalled = schedule.LastSignalled;
    alarm.Judged = schedule.Judged;
    alarm.LastRung = schedule.LastRung;
    alarm.RemindAt = schedule.RemindAt;
}

void ArmAlarm(TAlarm& alarm)
{
    alarm.Judged = {};
    if (alarm.Kind != akCron) alarm.RemindAt = NoMoment;
}

void RemindLater(TAlarm& alarm, const TSystemTime& now, int minutes)
{
    const TSystemTime moment = IncMinutes(now, minutes);
    if (alarm.Kind == akCron) {
        // SignalTime means nothing to a cron alarm: the moment is kept apart from it.
        std::int64_t seconds;
        if (SecondsOf(moment, seconds)) alarm.RemindAt = seconds;
    } else {
        const std::uint16_t dayOfWeek = alarm.SignalTime.wDayOfWeek;
        alarm.SignalTime = moment;
        alarm.SignalTime.wDayOfWeek = dayOfWeek;
        alarm.OnceADay = false;
    }
    alarm.Enabled = true;
    ArmAlarm(alarm);
}

TAlarmSchedule BeginCustomRemind(TAlarm& alarm, const TSystemTime& now)
{
    TAlarmSchedule before = ScheduleOf(alarm);
    alarm.SignalTime = now;
    alarm.Enabled = true;
    return before;
}

void EndCustomRemind(TAlarm& alarm, const TAlarmSchedule& before, bool confirmed)
{
    if (!confirmed) RestoreSchedule(alarm, before);
}

bool DisableAfterSignal(TAlarm& alarm)
{
    if (!alarm.OneTime || !alarm.Enabled) return false;
    alarm.Enabled = false;
    return true;
}
