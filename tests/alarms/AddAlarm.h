#pragma once
// An enabled alarm added to a list, at a moment written the tests' one way.

#include "../support/Moments.h"
#include "alarms/Alarm.h"

#include <string>

inline TAlarm& AddAlarm(TOvList<TAlarm>& list, const std::string& name, TAlarmKind kind, const TSystemTime& time = {},
                        const std::string& mask = "", bool onceADay = false, bool oneTime = false)
{
    auto* a = new TAlarm;
    a->Name = name;
    a->Enabled = true;
    a->Kind = kind;
    a->SignalTime = time;
    a->CronMask = mask;
    a->OnceADay = onceADay;
    a->OneTime = oneTime;
    list.Add(a);
    return *a;
}
