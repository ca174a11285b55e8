#include "clock/TimeZones.h"

#include <gtest/gtest.h>

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

TEST(TimeZones, BrokenZonesAreKeptOrLeftOutAsTheyShouldBe)
{
    TScratchKey scratch("Zones");
    TRegKey zones = scratch.Open();
    BYTE tzi[44] = {};
    tzi[0] = 0xC4, tzi[1] = 0xFF, tzi[2] = 0xFF, tzi[3] = 0xFF;  // bias -60
    BYTE longTzi[120] = {};
    PutZone(zones, "A zone", "(UTC+01:00) A", tzi, sizeof tzi);
    PutZone(zones, "B no rules", "(UTC) B", nullptr, 0);
    PutZone(zones, std::string("C") + std::string(99, 'x'), "(UTC) too long a name", tzi, sizeof tzi);
    PutZone(zones, "D no display", nullptr, tzi, sizeof tzi);
    PutZone(zones, "E too long a value", std::string(120, 'e').c_str(), longTzi, sizeof longTzi);
    PutZone(zones, "F twin", "(UTC+01:00) A", tzi, sizeof tzi);

    TCatalogue c;
    ASSERT_TRUE(GetTimeZones(c.list, HKEY_CURRENT_USER, scratch.Path().c_str()));
    ASSERT_EQ(c.list.Count(), 5);  // the 100-character name is left out
    const char* keys[] = {"A zone", "B no rules", "D no display", "E too long a value", "F twin"};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(c.list.Items(i)->KeyName, keys[i]);

    EXPECT_EQ(c.list.Items(0)->TZI.Bias, -60);
    EXPECT_TRUE(c.list.Items(1)->TZI.SameBytes(TTimeZoneBlock{}));
    EXPECT_EQ(c.list.Items(1)->DisplayName, "(UTC) B");
    EXPECT_EQ(c.list.Items(2)->DisplayName, "");
    EXPECT_EQ(c.list.Items(2)->TZI.Bias, -60);
    EXPECT_EQ(c.list.Items(3)->DisplayName, "");
    EXPECT_TRUE(c.list.Items(3)->TZI.SameBytes(TTimeZoneBlock{}));
    // Equal blocks are still separate entries.
    EXPECT_NE(c.list.Items(0), c.list.Items(4));
    EXPECT_TRUE(c.list.Items(0)->TZI.SameBytes(c.list.Items(4)->TZI));
}

TEST(TimeZones, NinetyNineCharacterNameStillFits)
{
    TScratchKey scratch("Zones");
    TRegKey zones = scratch.Open();
    PutZone(zones, std::string(99, 'n'), "(UTC) long", nullptr, 0);
    TCatalogue c;
    ASSERT_TRUE(GetTimeZones(c.list, HKEY_CURRENT_USER, scratch.Path().c_str()));
    ASSERT_EQ(c.list.Count(), 1);
    EXPECT_EQ(c.list.Items(0)->KeyName.size(), 99u);
}

}  // namespace
