// Zone faces that follow their own zone's daylight saving, by the system's catalogue and
// conversion; and the rules the catalogue reads.

#include <gtest/gtest.h>

#include <map>

#include "../support/WinTestSupport.h"
#include "base/SystemTimeRecord.h"
#include "clock/TimeZones.h"
#include "clock/ZoneTime.h"

namespace {

struct TCatalogue {
    TOvList<TTimeZoneInfo> list;
    TCatalogue() { GetTimeZones(list); }
    ~TCatalogue() { FreeTimeZones(list); }
    const TTimeZoneInfo* Find(const std::string& key) const
    {
        for (int i = 0; i < list.Count(); ++i)
            if (list.Items(i)->KeyName == key) return list.Items(i);
        ADD_FAILURE() << "no zone " << key;
        return nullptr;
    }
};

class ZoneDaylightFaces : public testing::Test {
protected:
    TForm host{{}};
    TCatalogue system;
    void TearDown() override { ZoneDaylight = DaylightAdjust = false; }

    std::string Shown(const std::string& key, const TSystemTime& utc)
    {
        TFakeClock clock(utc);
        TRoVudez face(host.Handle());
        const TTimeZoneInfo* zone = system.Find(key);
        if (!zone) return {};
        face.TimeZone = zone->TZI;
        face.Rules = &zone->Rules;
        face.UpdateDisplay();
        return face.DisplayText();
    }
};

TEST_F(ZoneDaylightFaces, TheFaceChangesAtTheMomentOfTheTransition)
{
    ZoneDaylight = true;
    // London: 01:00 UTC on the last Sunday of March 2026.
    EXPECT_EQ(Shown("GMT Standard Time", Moment(2026, 3, 29, 0, 59)), "00:59");
    EXPECT_EQ(Shown("GMT Standard Time", Moment(2026, 3, 29, 1, 0)), "02:00");
}

// The system's conversion with the year's rules and the program's own reckoning agree for
// every zone of the catalogue at every hour of a year.
TEST_F(ZoneDaylightFaces, SystemConversionAndOwnReckoningAgreeAllYear)
{
    std::map<std::string, int> disagreements;
    for (int i = 0; i < system.list.Count(); ++i) {
        const TTimeZoneInfo& zone = *system.list.Items(i);
        for (SYSTEMTIME utc = FromRecord(Moment(2026, 1, 1, 0, 30)); utc.wYear == 2026;
             utc = FromRecord(IncMinutes(ToRecord(utc), 60))) {
            const SYSTEMTIME bySystem = ZoneTimeOf(zone.Rules, utc);
            const SYSTEMTIME own = ZoneTimeOf(zone.Rules, utc, false);
            if (ToRecord(bySystem) != ToRecord(own)) ++disagreements[zone.KeyName];
        }
    }
    EXPECT_TRUE(disagreements.empty()) << disagreements.size() << " zones, first " << disagreements.begin()->first
                                       << ": " << disagreements.begin()->second << " hours";
}

TEST(ZoneRulesCatalogue, SystemRulesAreReadInTheSystemsOrder)
{
    TCatalogue c;
    const TTimeZoneInfo* pacific = c.Find("Pacific Standard Time");
    ASSERT_TRUE(pacific);
    const TZoneRule& r = pacific->Rules.Rule;
    EXPECT_EQ(r.Bias, 480);
    EXPECT_EQ(r.DaylightBias, -60);
    EXPECT_EQ(r.StandardDate.wMonth, 11);
    EXPECT_EQ(r.DaylightDate.wMonth, 3);
    EXPECT_EQ(r.DaylightDate.wDay, 2);
    // The block beside it stays as it always was.
    EXPECT_EQ(pacific->TZI.DaylightDate.wMonth, 0);
}

void PutRule(const TRegKey& key, const char* name, std::int32_t bias, std::uint16_t daylightMonth)
{
    BYTE value[44] = {};
    memcpy(value, &bias, 4);
    const std::int32_t daylightBias = -60;
    memcpy(value + 8, &daylightBias, 4);
    if (daylightMonth) {
        value[12 + 2] = 10, value[12 + 6] = 5, value[12 + 8] = 2;  // last Sunday of October, 2:00
        value[28 + 2] = static_cast<BYTE>(daylightMonth), value[28 + 6] = 5, value[28 + 8] = 1;
    }
    RegSetValueExA(key.Handle(), name, 0, REG_BINARY, value, sizeof value);
}

TEST(ZoneRulesCatalogue, PerYearRulesAndReadingThemAgain)
{
    TScratchKey scratch("ZoneRules");
    TRegKey zone = scratch.Open("Changing");
    PutRule(zone, "TZI", -60, 3);
    TRegKey dynamic = scratch.Open("Changing\\Dynamic DST");
    dynamic.WriteDword("FirstEntry", 2010);
    dynamic.WriteDword("LastEntry", 2012);
    PutRule(dynamic, "2010", -60, 0);
    PutRule(dynamic, "2012", -120, 3);  // 2011 has no value: the zone's own rules
    TRegKey broken = scratch.Open("Broken\\Dynamic DST");
    broken.WriteDword("FirstEntry", 2012);
    broken.WriteDword("LastEntry", 2010);

    TOvList<TTimeZoneInfo> list;
    ASSERT_TRUE(GetTimeZones(list, HKEY_CURRENT_USER, scratch.Path().c_str()));
    ASSERT_EQ(list.Count(), 2);
    const TZoneRules& broke = list.Items(0)->Rules;
    EXPECT_TRUE(broke.Years.empty());
    const TZoneRules& rules = list.Items(1)->Rules;
    EXPECT_EQ(rules.FirstYear, 2010);
    ASSERT_EQ(rules.Years.size(), 3u);
    EXPECT_EQ(rules.Years[0].DaylightDate.wMonth, 0);
    EXPECT_EQ(rules.Years[1], rules.Rule);
    EXPECT_EQ(rules.Years[2].Bias, -120);
    EXPECT_EQ(ZoneTimeOf(rules, FromRecord(Moment(2010, 7, 1, 12, 0))).wHour, 13);
    EXPECT_EQ(ZoneTimeOf(rules, FromRecord(Moment(2011, 7, 1, 12, 0))).wHour, 14);
    EXPECT_EQ(ZoneTimeOf(rules, FromRecord(Moment(2026, 7, 1, 12, 0))).wHour, 15);

    // The system's zones updated: the rules are read again, the entry and its block stay.
    const TTimeZoneBlock block = list.Items(1)->TZI;
    const TTimeZoneInfo* entry = list.Items(1);
    RegDeleteTreeA(zone.Handle(), "Dynamic DST");
    PutRule(zone, "TZI", -180, 0);
    RereadZoneRules(list, HKEY_CURRENT_USER, scratch.Path().c_str());
    EXPECT_EQ(list.Items(1), entry);
    EXPECT_TRUE(entry->TZI.SameBytes(block));
    EXPECT_TRUE(entry->Rules.Years.empty());
    EXPECT_EQ(ZoneTimeOf(entry->Rules, FromRecord(Moment(2026, 7, 1, 12, 0))).wHour, 15);
    FreeTimeZones(list);
}

}  // namespace
