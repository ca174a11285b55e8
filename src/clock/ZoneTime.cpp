#include "clock/ZoneTime.h"

#include "base/SystemTimeRecord.h"

TIME_ZONE_INFORMATION ToZoneInformation(const TZoneRule& rule)
{
    TIME_ZONE_INFORMATION tzi{};
    tzi.Bias = rule.Bias;
    tzi.StandardBias = rule.StandardBias;
    tzi.DaylightBias = rule.DaylightBias;
    tzi.StandardDate = FromRecord(rule.StandardDate);
    tzi.DaylightDate = FromRecord(rule.DaylightDate);
    return tzi;
}

SYSTEMTIME ZoneTimeOf(const TZoneRules& rules, const SYSTEMTIME& utc, bool systemConverts)
{
    const TSystemTime u = ToRecord(utc);
    if (systemConverts) {
        TIME_ZONE_INFORMATION tzi = ToZoneInformation(rules.ForYear(ZoneRuleYear(rules, u)));
        SYSTEMTIME local;
        if (SystemTimeToTzSpecificLocalTime(&tzi, &utc, &local)) return local;
    }
    return FromRecord(ZoneLocalTime(rules, u));
}
