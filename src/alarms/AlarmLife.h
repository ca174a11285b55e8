#pragma once
// What the user's confirmations and the signals do to an alarm's schedule. The windows call these;
// the scheduler reads what they leave.

#include "alarms/Alarm.h"

// The values that "Remind later" and the properties dialog may change, to be put back on Cancel.
struct TAlarmSchedule {
    bool Enabled = false;
    TSystemTime SignalTime;
    bool OnceADay = false;
    TAlarmStamp LastSignalled;
    TJudged Judged;
    std::int64_t LastRung = NoMoment;
    std::int64_t RemindAt = NoMoment;
};

TAlarmSchedule ScheduleOf(const TAlarm& alarm);
void RestoreSchedule(TAlarm& alarm, const TAlarmSchedule& schedule);

// The user confirmed the alarm's values (OK in its dialog, a "Remind later" item): it is armed
// afresh, judged from the scheduler's last tick on. A moment that has already passed by then
// does not ring. Only a cron alarm keeps a "Remind later" moment.
void ArmAlarm(TAlarm& alarm);

// "Remind later" by a number of minutes from now, confirmed at once: a usual alarm takes the new
// time of day for good, a reminder the new moment (losing its once-a-day rule), and a cron alarm
// rings once more at that moment besides its mask, keeping its once-a-day rule. Enabled either way.
void RemindLater(TAlarm& alarm, const TSystemTime& now, int minutes);

// "Remind later" by the dialog: the alarm is proposed to it enabled, at now. Returns what to put
// back when the dialog is cancelled (EndCustomRemind).
TAlarmSchedule BeginCustomRemind(TAlarm& alarm, const TSystemTime& now);
// After the dialog: on Cancel the alarm is exactly as before the click; on OK as the dialog wrote it.
void EndCustomRemind(TAlarm& alarm, const TAlarmSchedule& before, bool confirmed);

// What a signal does to the alarm itself: a one-time alarm is disabled. True when that changed it.
bool DisableAfterSignal(TAlarm& alarm);
