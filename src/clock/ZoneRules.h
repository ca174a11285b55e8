#pragma once
// A zone's daylight-saving rules as the system keeps them (the "TZI" value in its own field
// order, and the per-year rules where there are some), and the offset they give a UTC moment.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "base/DateTime.h"

// One year's rules. A transition date with month 0 means the zone keeps standard time; with
// year 0 it recurs: the wDay-th (5 = last) wDayOfWeek of the month, at the given local time.
// The daylight date is read on the standard-time clock, the standard date on the daylight one.
struct TZoneRule {
    std::int32_t Bias = 0;  // minutes; UTC = zone time + Bias (+ the period's own bias)
    std::int32_t StandardBias = 0;
    std::int32_t DaylightBias = 0;
    TSystemTime StandardDate;
    TSystemTime DaylightDate;

    friend bool operator==(const TZoneRule&, const TZoneRule&) = default;
};

struct TZoneRules {
    TZoneRule Rule;               // the "TZI" value: the rules for any year without its own
    int FirstYear = 0;            // of Years
    std::vector<TZoneRule> Years;  // per-year rules, FirstYear onwards; empty when there are none

    // Years before the first and after the last take the nearest year's rules.
    const TZoneRule& ForYear(int year) const;
};

// The value in the system's own order: bias, standard bias, daylight bias, standard date,
// daylight date. Bytes past the data count as zero.
TZoneRule DecodeZoneRule(const std::uint8_t* data, std::size_t size);

// Minutes to add to UTC for the zone's local time at that UTC moment (-(Bias + period bias)).
int ZoneOffsetAt(const TZoneRule& rule, const TSystemTime& utc);

// The year whose rules apply to a UTC moment: the year on the zone's standard-time clock.
int ZoneRuleYear(const TZoneRules& rules, const TSystemTime& utc);

// The zone's local time at a UTC moment, by the rules of its year.
TSystemTime ZoneLocalTime(const TZoneRules& rules, const TSystemTime& utc);
