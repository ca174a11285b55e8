#include "alarms/AlarmLife.h"

void ArmAlarm(TAlarm& alarm, TAlarmKind wasKind)
{
    alarm.Judged = {};
    if (alarm.Kind != akCron) alarm.RemindAt = NoMoment;
    if (alarm.Kind != wasKind) {
        alarm.LastRung = NoMoment;
        alarm.LastSignalled = {};
    }
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
    ArmAlarm(alarm, alarm.Kind);
}

bool DisableAfterSignal(TAlarm& alarm)
{
    if (!alarm.OneTime || !alarm.Enabled) return false;
    alarm.Enabled = false;
    return true;
}
