#pragma once
// The once-a-second walk over the alarms that hands each due one to the alarm actions.

#include "alarms/Alarm.h"
#include "base/DateTime.h"

#include <functional>

// The alarm actions. They may delete the alarm they are given (removing it from the list first).
using TSignalAlarm = std::function<void(TAlarm& alarm)>;

// The clock as one tick reads it: the local time and UTC, taken together.
struct TClockReading {
    TSystemTime Local;
    TSystemTime Utc;
};

// The rule: an alarm rings at most once for each moment it is armed for, and never for a moment
// it was not armed for. Each alarm is judged from where its last judgement ended (its Judged
// readings) up to this tick:
// - a usual alarm, for its time of day in every second that time really passed through (read in
//   UTC, so a change of zone or of summer time rings nothing it skipped, and a night asleep rings
//   once, late);
// - a reminder, for its moment when the local reading has passed it since, so a moment that a
//   jump of the clock stepped over still rings, late; a once-a-day reminder at the first tick at or
//   after its moment on a day it has not signalled;
// - a cron alarm, for the latest admitted minute that time passed through (once a minute, or
//   once a day), and for its "Remind later" moment as a reminder is.
// A moment the alarm rang for in the last day never rings again (the clock set back). An alarm
// whose properties dialog is open is not judged at all, so a Cancel leaves it to the next tick as
// if the dialog had never been open; a new or confirmed alarm is judged from the previous tick on.
class TAlarmScheduler {
public:
    // Examines every alarm that is in the list when the tick starts exactly once, in list order;
    // alarms added meanwhile wait for the next tick. An error raised by one alarm's actions does
    // not stop the walk, and a tick that arrives while another is still running does nothing.
    void Tick(TOvList<TAlarm>& alarms, const TClockReading& now, const TSignalAlarm& signalAlarm);

    // Forgets the previous tick: a new alarm is then judged by the next tick's own second.
    void Reset() { last_ = {}; }
    // The readings of the last tick (jsFresh before the first): where a fresh alarm's judgement
    // starts, in memory and in the file.
    const TJudged& LastTick() const { return last_; }

private:
    TJudged last_;
    bool running_ = false;
};

// Rang for it already: the clock went back over a moment that had rung in the day up to the last
// ring (a moment of the alarm's, or a minute start for a cron alarm).
bool AlreadyRung(std::int64_t last, std::int64_t moment);

// The minute of a local time, with its day of week computed from the date.
TAlarmStamp AlarmStampOf(const TSystemTime& time);
