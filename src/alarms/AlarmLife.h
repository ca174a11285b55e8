#pragma once
// What the user's confirmations and the signals do to an alarm's schedule. The windows call these;
// the scheduler reads what they leave.

#include "alarms/Alarm.h"

// The user confirmed the alarm's values (OK in its dialog, a "Remind later" item): it is armed
// afresh, judged from the scheduler's last tick on. A moment that has already passed by then
// does not ring. Only a cron alarm keeps a "Remind later" moment, and an alarm whose kind was
// changed (from wasKind) forgets what it rang for, since its moments are new ones.
void ArmAlarm(TAlarm& alarm, TAlarmKind wasKind);

// "Remind later" by a number of minutes from now, confirmed at once: a usual alarm takes the new
// time of day for good, a reminder the new moment (losing its once-a-day rule), and a cron alarm
// rings once more at that moment besides its mask, keeping its once-a-day rule. Enabled either way.
void RemindLater(TAlarm& alarm, const TSystemTime& now, int minutes);

// What a signal does to the alarm itself: a one-time alarm is disabled. True when that changed it.
bool DisableAfterSignal(TAlarm& alarm);
