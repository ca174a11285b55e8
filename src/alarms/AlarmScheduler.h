#pragma once
// The once-a-second walk over the alarms that hands each due one to the alarm actions.

#include "alarms/Alarm.h"
#include "clock/DateTime.h"

#include <functional>

// The alarm actions. They may delete the alarm they are given (removing it from the list first).
using TSignalAlarm = std::function<void(TAlarm& alarm)>;

// One tick at the local time now (the program passes GetLocalTime). Examines every alarm that is
// in the list when the tick starts exactly once, in list order; alarms added meanwhile wait for
// the next tick.
void AlarmTimerTimer(TOvList<TAlarm>& alarms, const TSystemTime& now, const TSignalAlarm& signalAlarm);

// The minute of a local time, with its day of week computed from the date.
TAlarmStamp AlarmStampOf(const TSystemTime& time);
