#include "clock/PlanTime.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int DayMinutes = 24 * 60;

// Whole minutes from a to b.
int MinutesBetween(const TSystemTime& a, const TSystemTime& b)
{
    return static_cast<int>(std::lround((SystemTimeToDateTime(b) - SystemTimeToDateTime(a)) * MinutesPerDay));
}

int OffsetAt(const TPlanZone& zone, const TSystemTime& utc)
{
    return MinutesBetween(utc, PlannedTime(zone, utc));
}

TSystemTime Minute(TSystemTime t)
{
    t.wSecond = 0;
    t.wMilliseconds = 0;
    return t;
}

std::uint32_t Channel(std::uint32_t colour, int shift)
{
    return (((colour >> shift) & 0xFF) + 0x80) / 2 << shift;
}

}  // namespace

TPlanZone ZoneFacePlan(const TTimeZoneBlock& block, const TZoneRules* rules, bool zoneDaylight, bool daylightAdjust)
{
    if (zoneDaylight && rules) return {*rules, 0};
    TPlanZone plan;
    // As the system converts the block: without a daylight date it is Bias alone, period biases
    // unread; with one but no standard date the conversion fails and the face shows UTC.
    if (block.DaylightDate.wMonth == 0)
        plan.Rules.Rule.Bias = block.Bias;
    else if (block.StandardDate.wMonth != 0)
        plan.Rules.Rule = {block.Bias, block.StandardBias, block.DaylightBias, block.StandardDate, block.DaylightDate};
    // Per-zone daylight saving replaces the common hour, also on a face whose rules are unknown.
    plan.ExtraMinutes = daylightAdjust && !zoneDaylight ? 60 : 0;
    return plan;
}

TSystemTime PlannedTime(const TPlanZone& zone, const TSystemTime& utc)
{
    return IncMinutes(ZoneLocalTime(zone.Rules, utc), zone.ExtraMinutes);
}

TSystemTime PlannedUtc(const TPlanZone& zone, const TSystemTime& wall)
{
    // Changes are months apart: a day either side of the reading has the offsets before and
    // after any change near it.
    const int before = OffsetAt(zone, IncMinutes(wall, -DayMinutes));
    const int after = OffsetAt(zone, IncMinutes(wall, DayMinutes));
    bool found = false;
    TSystemTime first;
    for (int offset : {before, after}) {
        const TSystemTime utc = IncMinutes(wall, -offset);
        if (OffsetAt(zone, utc) != offset) continue;
        if (!found || MinutesBetween(utc, first) > 0) first = utc;
        found = true;
    }
    return found ? first : IncMinutes(wall, -before);
}

TSystemTime PlanStart(const TPlanZone& local, const TSystemTime& utcNow)
{
    TSystemTime hour = Minute(PlannedTime(local, utcNow));
    hour.wMinute = 0;
    return PlannedUtc(local, hour);
}

TSystemTime PlanMomentAt(const TSystemTime& start, int step)
{
    return IncMinutes(start, std::clamp(step, 0, PlanSteps) * PlanStepMinutes);
}

int PlanStepOf(const TSystemTime& start, const TSystemTime& moment)
{
    const int minutes = MinutesBetween(start, moment);
    const int step = minutes >= 0 ? minutes / PlanStepMinutes : -((-minutes + PlanStepMinutes - 1) / PlanStepMinutes);
    return std::clamp(step, 0, PlanSteps);
}

bool PlannableDate(const TSystemTime& wall)
{
    const double at = SystemTimeToDateTime(wall);
    return at >= SystemTimeToDateTime(PlanFirstDate) && at <= SystemTimeToDateTime(PlanLastDate);
}

bool InWorkingHours(const TSystemTime& t)
{
    return t.wHour >= 8 && t.wHour < 18;
}

bool SameDate(const TSystemTime& a, const TSystemTime& b)
{
    return a.wYear == b.wYear && a.wMonth == b.wMonth && a.wDay == b.wDay;
}

std::uint32_t DimmedColour(std::uint32_t colour)
{
    return Channel(colour, 0) | Channel(colour, 8) | Channel(colour, 16);
}

std::string PlanLine(const std::vector<TPlanPart>& parts, const std::string& separator)
{
    std::string line;
    for (const TPlanPart& part : parts) {
        if (!line.empty()) line += separator;
        if (part.WithDate) line += part.Date + " ";
        line += part.Time;
        if (!part.Label.empty()) line += " " + part.Label;
    }
    return line;
}
