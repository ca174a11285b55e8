#pragma once
// A zone's true local time, converted by the system with the rules of the moment's year.

#include <windows.h>

#include "base/OvList.h"
#include "clock/TimeZoneBlock.h"
#include "clock/ZoneRules.h"

TIME_ZONE_INFORMATION ToZoneInformation(const TZoneRule& rule);

// SystemTimeToTzSpecificLocalTime over the year's rules; where the system can't convert (the
// Windows 95 family, or a failure) the same rules are reckoned here.
SYSTEMTIME ZoneTimeOf(const TZoneRules& rules, const SYSTEMTIME& utc, bool systemConverts = true);

// The machine's own zone: the rules of its catalogue entry (per-year rules included), else the
// system's rule of the moment.
TZoneRules LocalZoneRules(const TOvList<TTimeZoneInfo>& zones);
