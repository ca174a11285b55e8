#pragma once
// The once-a-second walk over the alarms that hands each due one to the alarm actions.

#include "alarms/Alarm.h"
#include "base/DateTime.h"

#include <functional>
#include <optional>

// The alarm actions. They may delete the alarm they are given (removing it from the list first).
using TSignalAlarm = std::function<void(TAlarm& alarm)>;

class TAlarmScheduler {
public:
    // One tick at the local time now (the program passes GetLocalTime). Examines every alarm that
    // is in the list when the tick starts exactly once, in list order; alarms added meanwhile wait
    // for the next tick. A usual alarm or a plain reminder is due when its second lies after the
    // previous tick and at or before this one, so a late tick loses nothing and two ticks in one
    // second signal once; an enabled one-time reminder whose moment has gone by is due at once; a
    // cron alarm is due by its mask and also when its SignalTime ("Remind later") lies in that
    // span. An alarm whose properties dialog is open is skipped. An error raised by one alarm's
    // actions does not stop the walk, and a tick that arrives while another is still running does
    // nothing.
    void Tick(TOvList<TAlarm>& alarms, const TSystemTime& now, const TSignalAlarm& signalAlarm);

    // Forgets the previous tick: the next one counts its own second only.
    void Reset() { previous_.reset(); }

private:
    std::optional<TSystemTime> previous_;
    bool running_ = false;
};

// The minute of a local time, with its day of week computed from the date.
TAlarmStamp AlarmStampOf(const TSystemTime& time);
