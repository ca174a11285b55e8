#include "clock/TimeZones.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "../support/WinTestSupport.h"
#include "clock/ZoneCities.h"

namespace {

struct TCatalogue {
    TOvList<TTimeZoneInfo> list;
    ~TCatalogue() { FreeTimeZones(list); }
};

void PutZone(const TRegKey& zones, const std::string& name, const char* display, const BYTE* tzi, DWORD tziSize)
{
    TRegKey zone = TRegKey::Create(zones.Handle(), name, KEY_ALL_ACCESS);
    if (display) zone.WriteString("Display", display);
    if (tzi) RegSetValueExA(zone.Handle(), "TZI", 0, REG_BINARY, tzi, tziSize);
}

// CLDR names cities for every zone of the system's list but these.
TEST(TimeZones, EveryZoneOfTheSystemsListHasItsBigCities)
{
    TCatalogue catalogue;
    ASSERT_TRUE(GetTimeZones(catalogue.list));
    std::vector<std::string> without;
    for (int i = 0; i < catalogue.list.Count(); ++i)
        if (!*ZoneCities(catalogue.list.Items(i)->KeyName)) without.push_back(catalogue.list.Items(i)->KeyName);
    EXPECT_EQ(without, (std::vector<std::string>{"Dateline Standard Time", "UTC"}));
}

TEST(TimeZones, SystemCatalogueIsCompleteAndStable)
{
    TCatalogue first, second;
    ASSERT_TRUE(GetTimeZones(first.list));
    ASSERT_TRUE(GetTimeZones(second.list));
    EXPECT_EQ(first.list.Count(), 139);
    ASSERT_EQ(first.list.Count(), second.list.Count());
    int pacific = -1;
    for (int i = 0; i < first.list.Count(); ++i) {
        const TTimeZoneInfo* a = first.list.Items(i);
        ASSERT_EQ(a->KeyName, second.list.Items(i)->KeyName);
        EXPECT_EQ(a->DisplayName.rfind("(UTC", 0), 0u) << a->KeyName;
        EXPECT_EQ(a->TZI.StandardDate.wMonth, 0) << a->KeyName;
        if (a->KeyName == "Pacific Standard Time") pacific = i;
    }
    ASSERT_GE(pacific, 0);
    const TTimeZoneInfo* p = first.list.Items(pacific);
    EXPECT_EQ(p->TZI.Bias, 480);
    EXPECT_EQ(p->TZI.DaylightDate.wMonth, 0);
    EXPECT_EQ(p->DisplayName, "(UTC-08:00) Pacific Time (US & Canada)");
}

TEST(TimeZones, MissingKeyFailsAndLeavesTheListAlone)
{
    TScratchKey scratch("Zones");
    TCatalogue c;
    EXPECT_FALSE(GetTimeZones(c.list, HKEY_CURRENT_USER, (scratch.Path() + "\\Nothing").c_str()));
    EXPECT_EQ(c.list.Count(), 0);
}

TEST(TimeZones, EmptyKeyGivesAnEmptyCatalogue)
{
    TScratchKey scratch("Zones");
    TCatalogue c;
    EXPECT_TRUE(GetTimeZones(c.list, HKEY_CURRENT_USER, scratch.Path().c_str()));
    EXPECT_EQ(c.list.Count(), 0);
}

// Long names and values are read whole; a value of a type no zone has leaves its zone out.
TEST(TimeZones, BrokenZonesAreKeptOrLeftOutAsTheyShouldBe)
{
    TScratchKey scratch("Zones");
    TRegKey zones = scratch.Open();
    BYTE tzi[44] = {};
    tzi[0] = 0xC4, tzi[1] = 0xFF, tzi[2] = 0xFF, tzi[3] = 0xFF;  // bias -60
    BYTE longTzi[120] = {};
    std::copy_n(tzi, sizeof tzi, longTzi);
    const std::string longName = std::string("C") + std::string(199, 'x');
    const std::string longDisplay = "(UTC+01:00) " + std::string(300, 'e');
    PutZone(zones, "A zone", "(UTC+01:00) A", tzi, sizeof tzi);
    PutZone(zones, "B no rules", "(UTC) B", nullptr, 0);
    PutZone(zones, longName, "(UTC) a long name", tzi, sizeof tzi);
    PutZone(zones, "D no display", nullptr, tzi, sizeof tzi);
    PutZone(zones, "E long values", longDisplay.c_str(), longTzi, sizeof longTzi);
    PutZone(zones, "F twin", "(UTC+01:00) A", tzi, sizeof tzi);
    PutZone(zones, "G rules as text", "(UTC) G", nullptr, 0);
    TRegKey::Open(zones.Handle(), "G rules as text", KEY_ALL_ACCESS).WriteString("TZI", "not a rule");
    PutZone(zones, "H display as a number", nullptr, tzi, sizeof tzi);
    TRegKey::Open(zones.Handle(), "H display as a number", KEY_ALL_ACCESS).WriteDword("Display", 7);

    TCatalogue c;
    ASSERT_TRUE(GetTimeZones(c.list, HKEY_CURRENT_USER, scratch.Path().c_str()));
    const std::vector<std::string> keys{"A zone", "B no rules", longName, "D no display", "E long values", "F twin"};
    std::vector<std::string> read;
    for (int i = 0; i < c.list.Count(); ++i) read.push_back(c.list.Items(i)->KeyName);
    ASSERT_EQ(read, keys);

    struct TRow {
        const char* Display;
        int Bias;
    } rows[] = {{"(UTC+01:00) A", -60}, {"(UTC) B", 0}, {"(UTC) a long name", -60},
                {"", -60}, {longDisplay.c_str(), -60}, {"(UTC+01:00) A", -60}};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(c.list.Items(i)->DisplayName, rows[i].Display) << keys[i];
        EXPECT_EQ(c.list.Items(i)->TZI.Bias, rows[i].Bias) << keys[i];
    }
    EXPECT_TRUE(c.list.Items(1)->TZI.SameBytes(TTimeZoneBlock{}));
    // Equal blocks are still separate entries.
    EXPECT_NE(c.list.Items(0), c.list.Items(5));
    EXPECT_TRUE(c.list.Items(0)->TZI.SameBytes(c.list.Items(5)->TZI));
}

}  // namespace
