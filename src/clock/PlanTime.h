#pragma once
// Planning a moment across the faces: one moment (in UTC) shown in each face's zone, a time
// typed in one face's zone turned back into that moment, and the text that the planner copies.

#include <cstdint>
#include <string>
#include <vector>

#include "base/DateTime.h"
#include "clock/TimeZoneBlock.h"
#include "clock/ZoneRules.h"

// How a face reckons a moment: by its zone's rules, then the common daylight hour if it has one.
struct TPlanZone {
    TZoneRules Rules;
    int ExtraMinutes = 0;
};

// A zone face as it shows the time now: its zone's own rules while it follows them (zone
// daylight saving on and rules known), else its block as the system converts it, plus the
// common hour while that option is on.
TPlanZone ZoneFacePlan(const TTimeZoneBlock& block, const TZoneRules* rules, bool zoneDaylight, bool daylightAdjust);

// The face's time at a UTC moment.
TSystemTime PlannedTime(const TPlanZone& zone, const TSystemTime& utc);

// The UTC moment a face's time names. A time that occurs twice (clocks set back) names its
// first occurrence; a time that does not occur (clocks set forward) is read on the clock
// before the change, so it names the moment as far past the change as the time is.
TSystemTime PlannedUtc(const TPlanZone& zone, const TSystemTime& wall);

// The first and last dates on which a time can be planned: its reckoning looks a day either side.
constexpr TSystemTime PlanFirstDate{1753, 1, 0, 2, 0, 0, 0, 0};
constexpr TSystemTime PlanLastDate{9999, 12, 0, 29, 23, 59, 59, 999};
bool PlannableDate(const TSystemTime& wall);

// The planner's slider: 15-minute steps over 48 hours, from the local face's current hour.
constexpr int PlanStepMinutes = 15;
constexpr int PlanSteps = 48 * 60 / PlanStepMinutes;

// The UTC moment at which the local face's current hour began.
TSystemTime PlanStart(const TPlanZone& local, const TSystemTime& utcNow);
TSystemTime PlanMomentAt(const TSystemTime& start, int step);
// The step at or before a moment, kept within the slider.
int PlanStepOf(const TSystemTime& start, const TSystemTime& moment);

// Working hours: 08:00 up to 18:00.
bool InWorkingHours(const TSystemTime& t);
bool SameDate(const TSystemTime& a, const TSystemTime& b);

// A colour (0x00BBGGRR) halfway to grey: a face planned outside its working hours.
std::uint32_t DimmedColour(std::uint32_t colour);

// One face in the copied line, already formatted: "15:00 Local time", or with its date first.
struct TPlanPart {
    std::string Date;
    std::string Time;
    std::string Label;
    bool WithDate = false;
};

// "Tue 15 Dec 2026 15:00 Local time · 09:00 New York · 23:00 Tokyo", joined by separator.
std::string PlanLine(const std::vector<TPlanPart>& parts, const std::string& separator);
