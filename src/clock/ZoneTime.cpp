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

TZoneRules LocalZoneRules(const TOvList<TTimeZoneInfo>& zones)
{
    TZoneRules rules;
    DYNAMIC_TIME_ZONE_INFORMATION dynamic{};
    if (GetDynamicTimeZoneInformation(&dynamic) != TIME_ZONE_ID_INVALID) {
        char key[128] = {};
        WideCharToMultiByte(CP_ACP, 0, dynamic.TimeZoneKeyName, -1, key, sizeof key, nullptr, nullptr);
        for (int i = 0; *key && !dynamic.DynamicDaylightTimeDisabled && i < zones.Count(); ++i)
            if (zones.Items(i)->KeyName == key) return zones.Items(i)->Rules;
        rules.Rule = {dynamic.Bias, dynamic.StandardBias, dynamic.DaylightBias, ToRecord(dynamic.StandardDate),
                      ToRecord(dynamic.DaylightDate)};
        // With automatic daylight saving off the clock keeps standard time all year.
        if (dynamic.DynamicDaylightTimeDisabled) rules.Rule.StandardDate = rules.Rule.DaylightDate = {};
    }
    return rules;
}
