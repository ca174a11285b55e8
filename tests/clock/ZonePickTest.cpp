#include "clock/ZonePick.h"

#include <gtest/gtest.h>

namespace {

TEST(ZonePick, AliasFromAZoneTextKeepsItsOffsetAndAnyOtherAliasStaysWhole)
{
    struct Case {
        const char* typed;
        const char* label;
    } cases[] = {
        {"(GMT-05:00) Eastern Time (US & Canada)", "(GMT-05:00)"},
        {"(UTC-05:00) Eastern Time (US & Canada)", "(UTC-05:00)"},
        {"(UTC) Coordinated Universal Time", "(UTC)"},
        {"(GMT+02:00", ""},  // no ")": nothing is left
        {"(GMT)", "(GMT)"},
        {"Home", "Home"},
        {"", ""},
        {"(gmt+01:00) Rome", "(gmt+01:00) Rome"},  // the prefix is case-sensitive
        {" (GMT+01:00) Rome", " (GMT+01:00) Rome"},  // only at the first character
        {"(CET) Berlin (GMT+1)", "(CET) Berlin (GMT+1)"},
        {"(UT", "(UT"},
    };
    for (const auto& c : cases) EXPECT_EQ(AliasFromPick(c.typed), c.label) << c.typed;
}

TEST(ZonePick, ZoneIsFoundByItsWholeBlockAndTheLastMatchWins)
{
    TTimeZoneInfo a, b, c, d;
    a.TZI.Bias = -60;
    b.TZI.Bias = 300;
    c.TZI.Bias = -60;  // equal to a byte for byte
    d.TZI.Bias = -60;
    d.TZI.DaylightDate.wMilliseconds = 1;  // differs in the last bytes only
    TOvList<TTimeZoneInfo> zones;
    for (TTimeZoneInfo* z : {&a, &b, &c, &d}) zones.Add(z);

    EXPECT_EQ(LastMatchingZone(zones, a.TZI), 2);
    EXPECT_EQ(LastMatchingZone(zones, b.TZI), 1);
    EXPECT_EQ(LastMatchingZone(zones, d.TZI), 3);
    TTimeZoneBlock named = a.TZI;
    named.StandardName[31] = 'X';
    EXPECT_EQ(LastMatchingZone(zones, named), -1);
    EXPECT_EQ(LastMatchingZone(TOvList<TTimeZoneInfo>(), a.TZI), -1);
}

}  // namespace
