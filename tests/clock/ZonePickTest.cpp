#include "clock/ZonePick.h"

#include "clock/ZoneCities.h"

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

TEST(ZonePick, AFaceIsOnItsOwnEntryByNameThenIndexAndOnlyThenByItsBlock)
{
    // Tokyo and Yakutsk have the same block, as in the system's list.
    TTimeZoneInfo tokyo{"Tokyo Standard Time", "(UTC+09:00) Osaka, Sapporo, Tokyo", {}};
    TTimeZoneInfo yakutsk{"Yakutsk Standard Time", "(UTC+09:00) Yakutsk", {}};
    TTimeZoneInfo utc{"UTC", "(UTC) Coordinated Universal Time", {}};
    tokyo.TZI.Bias = yakutsk.TZI.Bias = -540;
    TOvList<TTimeZoneInfo> zones;
    for (TTimeZoneInfo* z : {&utc, &tokyo, &yakutsk}) zones.Add(z);
    struct Case {
        const char* name;
        std::string key;
        int index;
        int expected;
    } cases[] = {
        {"by name and index", "Tokyo Standard Time", 1, 1},
        {"the name wins over a stale index", "Tokyo Standard Time", 2, 1},
        {"a name that is gone: the index", "Gone", 0, 0},
        {"no name: the index", "", 1, 1},
        {"neither: the last equal block", "Gone", 7, 2},
        {"a new face on local time", "", -1, 2},
    };
    for (const auto& c : cases) EXPECT_EQ(FaceZone(zones, c.key, c.index, tokyo.TZI), c.expected) << c.name;
    TTimeZoneBlock other;
    other.Bias = 1;
    EXPECT_EQ(FaceZone(zones, "", -1, other), -1);
}

const std::vector<std::string> Rows = {
    "(UTC+09:00) Osaka, Sapporo, Tokyo",     "(UTC+09:00) Yakutsk",
    "(UTC+10:00) Canberra, Melbourne, Sydney", "(UTC+05:30) Chennai, Kolkata, Mumbai, New Delhi",
    "(UTC-03:30) Newfoundland",              "(UTC-05:00) Eastern Time (US & Canada)",
};

TEST(ZonePick, TypedTextMatchesTheStartOfAnyWord)
{
    struct Case {
        const char* typed;
        std::size_t row;
        bool match;
    } cases[] = {
        {"tok", 0, true},  {"TOKYO", 0, true}, {"kyo", 0, false},      {"tokyo!", 0, false},
        {"sap", 0, true},  {"09", 0, true},    {"utc+", 0, true},      {"(", 0, false},
        {"new d", 3, true}, {"new", 4, true},  {"us & c", 5, true},    {"", 0, false},
    };
    for (const auto& c : cases) EXPECT_EQ(RowHasWordStarting(Rows[c.row], c.typed), c.match) << c.typed;
    EXPECT_TRUE(RowHasWordStarting("(UTC+01:00) \xC5land", "\xC5"));  // a code page letter begins a word
}

TEST(ZonePick, TypingSelectsTheNextRowWithSuchAWordAndAPauseStartsAgain)
{
    struct Key {
        char key;
        std::uint32_t time;
        int selects;  // -1: the selection stays
    };
    struct Case {
        const char* name;
        int current;
        std::vector<Key> keys;
    } cases[] = {
        {"tok", 1, {{'t', 0, 5}, {'o', 300, 0}, {'k', 600, 0}}},  // "t" first finds "Time"
        {"syd", 0, {{'s', 0, 2}, {'y', 50, 2}, {'d', 90, 2}}},
        {"new, from no selection", -1, {{'n', 0, 3}, {'e', 10, 3}, {'w', 20, 3}}},
        {"the same letter again after a pause moves on", 0, {{'n', 0, 3}, {'n', 1000, 4}, {'n', 2500, 3}}},
        {"a shorter pause goes on with the text", 4, {{'n', 0, 3}, {'e', 999, 3}, {'w', 1998, 3}, {'f', 2997, 4}}},
        {"no row: the selection stays", 2, {{'x', 0, -1}, {'o', 1, -1}}},
        {"the tick count wraps", 1, {{'s', 0xFFFFFF00u, 2}, {'y', 0x10, 2}}},
    };
    for (const auto& c : cases) {
        TZoneTypeSearch search;
        int current = c.current;
        for (const Key& k : c.keys) {
            int row = search.Type(k.key, k.time, Rows, current);
            EXPECT_EQ(row, k.selects) << c.name << ", key " << k.key;
            if (row >= 0) current = row;
        }
    }
    TZoneTypeSearch empty;
    EXPECT_EQ(empty.Type('a', 0, {}, -1), -1);
}

// The rows as the zone list searches them: their text, then their zones' cities.
TEST(ZonePick, TypingFindsAZoneByItsBigCities)
{
    const std::vector<std::string> rows = {
        ZoneSearchText("(UTC-05:00) Eastern Time (US & Canada)", "Eastern Standard Time"),
        ZoneSearchText("(UTC-08:00) Pacific Time (US & Canada)", "Pacific Standard Time"),
        ZoneSearchText("(UTC+08:00) Beijing, Chongqing, Hong Kong, Urumqi", "China Standard Time"),
        ZoneSearchText("(UTC-03:30) Newfoundland", "Newfoundland Standard Time"),
        ZoneSearchText("(UTC) Coordinated Universal Time", "UTC"),
    };
    struct Case {
        const char* typed;
        int row;
    } cases[] = {
        {"new y", 0}, {"los", 1}, {"shang", 2}, {"toronto", 0}, {"vanc", 1}, {"st j", 3}, {"new", 0}, {"coord", 4},
        {"york", 0}, {"angeles", 1}, {"canada) n", -1},  // the row's text does not run on into its cities
    };
    for (const auto& c : cases) {
        TZoneTypeSearch search;
        int row = -1;
        for (const char* k = c.typed; *k; ++k) row = search.Type(*k, 0, rows, row);
        EXPECT_EQ(row, c.row) << c.typed;
    }
    EXPECT_STREQ(ZoneCities("UTC"), "");  // CLDR names no city for it
    EXPECT_STREQ(ZoneCities("No Such Zone"), "");
    for (std::size_t i = 1; i < ZoneCitiesCount; ++i)
        EXPECT_LT(std::string(ZoneCitiesTable[i - 1].KeyName), ZoneCitiesTable[i].KeyName) << "sorted, once each";
}

}  // namespace
