#pragma once
// A local moment for the alarm tests, with its true day of week, and an enabled alarm added to a
// list.

#include "alarms/Alarm.h"
#include "base/DateTime.h"

#include <string>

inline TSystemTime Moment(int y, int mo, int d, int h, int mi, int s, int ms = 0)
{
    TSystemTime t;
    t.wYear = static_cast<std::uint16_t>(y);
    t.wMonth = static_cast<std::uint16_t>(mo);
    t.wDay = static_cast<std::uint16_t>(d);
    t.wDayOfWeek = static_cast<std::uint16_t>(DayOfWeek(EncodeDate(y, mo, d)));
    t.wHour = static_cast<std::uint16_t>(h);
    t.wMinute = static_cast<std::uint16_t>(mi);
    t.wSecond = static_cast<std::uint16_t>(s);
    t.wMilliseconds = static_cast<std::uint16_t>(ms);
    return t;
}

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
