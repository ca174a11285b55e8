#pragma once
// When an alarm will next ring, reckoned by the scheduler's own rule, for the properties dialog's
// live text and the tray icon's tip. Moments are whole local seconds since 1970 (SecondsOf).

#include "alarms/Alarm.h"

#include <optional>
#include <string>

// The first moment after `after` at which the scheduler, ticking every second from there, rings
// the alarm as it stands; none when it never will. A once-a-day reminder rings at the first
// second of a day it may ring on; a cron alarm at the start of its minute or at its "Remind later"
// moment. A mask that matches no minute is known as such without a search.
std::optional<std::int64_t> NextRing(const TAlarm& alarm, std::int64_t after);

// The soonest next ring among the enabled alarms, and which alarm it is; nullptr when none rings.
const TAlarm* SoonestAlarm(const TOvList<TAlarm>& alarms, std::int64_t after, std::int64_t& moment);

// The properties dialog's line for the alarm as edited, at `now`: "Rings in 7 h 12 min (Tue 07:30)"
// and the like.
std::string NextRingText(const TAlarm& alarm, std::int64_t now);

// The tray icon's tip: "Doviz Clock – next alarm Tue 07:30 Wake up", in code page 1252; the
// program's name alone while no alarm will ring.
std::string NextAlarmTip(const TOvList<TAlarm>& alarms, std::int64_t now);

// When the computer is to wake for the alarms, in UTC seconds since 1970: the soonest next ring,
// moved by the zone's offset as it stands now. None while no alarm will ring.
std::optional<std::int64_t> NextWakeUtc(const TOvList<TAlarm>& alarms, std::int64_t localNow, std::int64_t utcNow);
