#include "options/MemoryStore.h"
#include "options/Opts.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const std::string Key = "SOFTWARE\\Doviz\\Clock";

// The load cases below cover the common texts; these are the edges.
TEST(OvOpts, NumberTextEdges)
{
    struct Case {
        const char* text;
        bool valid;
        std::int32_t value;
    };
    const Case cases[] = {
        {"-17", true, -17},        {"+5", true, 5},           {"007", true, 7},
        {"0X1f", true, 31},        {"0x80000000", true, INT32_MIN}, {"2147483647", true, INT32_MAX},
        {"-2147483648", true, INT32_MIN}, {"$", false, 0},   {"-", false, 0},
        {" 1", false, 0},          {"1 ", false, 0},          {"0x1G", false, 0},
        {"-$1F", false, 0},        {"2147483648", false, 0},  {"-2147483649", false, 0},
        {"$100000000", false, 0},  {"99999999999999999999", false, 0},
    };
    for (const auto& c : cases) {
        std::int32_t value = 12345;
        EXPECT_EQ(ParseOvInteger(c.text, value), c.valid) << c.text;
        EXPECT_EQ(value, c.valid ? c.value : 12345) << c.text;
    }
}

// What a load makes of each stored text.
TEST(OvOpts, LoadAssignsStoredTexts)
{
    struct Case {
        const char* name;
        const char* stored;
        const char* savedBack;
    };
    const Case cases[] = {
        {"Tag", "0x1F", "31"},         {"Tag", "$1F", "31"},          {"Tag", "0x", "0"},
        {"Tag", "abc", "0"},           {"Tag", "", "0"},              {"Tag", "$FFFFFFFF", "-1"},
        {"ShowDate", "2", "2"},        {"ShowDate", "256", "0"},      {"OnTop", "256", "0"},
        {"OnTop", "abc", "1"},         {"DblClickAction", "263", "7"}, {"StorageType", "0x101", "1"},
        {"Name", "clock", "clock"},
    };
    for (const auto& c : cases) {
        TMemoryStore store;
        store.Put(Key, "Options", c.name, {c.stored});
        TClockOptions options(store.Factory());
        options.Load();
        // The memory store ignores StorageType, so the save lands where the load read.
        store.Sections.clear();
        options.Save();
        const auto* saved = store.Find(Key, "Options", c.name);
        ASSERT_NE(saved, nullptr) << c.name;
        EXPECT_EQ(saved->Text, c.savedBack) << c.name << " stored as \"" << c.stored << "\"";
    }
}

TEST(OvOpts, FirstSaveWritesEveryPropertyInNameOrder)
{
    TMemoryStore store;
    {
        TClockOptions options(store.Factory());
        options.SetAutoSave(true);
        options.Load();
        EXPECT_TRUE(store.Sections.empty());  // a load writes nothing
    }
    const std::vector<std::pair<std::string, std::string>> image = {
        {"AutoSave", "1"},   {"AutoSaveData", "1"}, {"DayTime", "0"},     {"DblClickAction", "0"},
        {"IniName", Key},    {"IniSection", "Options"}, {"Name", ""},     {"OnTop", "1"}, {"RepeatSound", "0"},
        {"ShowCaption", "1"}, {"ShowDate", "0"},    {"ShowHint", "0"},    {"ShowSecs", "1"},
        {"ShowTrayIcon", "0"}, {"ShowTZSecs", "0"}, {"StartWithWindows", "0"}, {"StorageType", "0"}, {"Tag", "0"},
        {"VertLayout", "0"}, {"WakeForAlarms", "0"}, {"ZoneDST", "0"},
    };
    ASSERT_EQ(store.Writes.size(), image.size());
    for (std::size_t i = 0; i < image.size(); ++i) {
        EXPECT_EQ(store.Writes[i], image[i].first);
        const auto* value = store.Find(Key, "Options", image[i].first);
        ASSERT_NE(value, nullptr) << image[i].first;
        EXPECT_EQ(value->Text, image[i].second) << image[i].first;
    }
    ASSERT_EQ(store.Opens.size(), 2u);
    EXPECT_FALSE(store.Opens[0].ForSave);
    EXPECT_TRUE(store.Opens[1].ForSave);
    EXPECT_EQ(store.Opens[1].StorageType, eosRegistry);
}

TEST(OvOpts, StoredAutoSaveOffSwitchesTheExitSaveOff)
{
    TMemoryStore store;
    store.Put(Key, "Options", "AutoSave", {"0"});
    {
        TClockOptions options(store.Factory());
        options.SetAutoSave(true);
        options.Load();
        EXPECT_FALSE(options.AutoSave());
        options.SetShowDate(true);
    }
    EXPECT_TRUE(store.Writes.empty());
}

TEST(OvOpts, StoredLocationAppliesAfterTheLoad)
{
    TMemoryStore store;
    store.Put(Key, "Options", "IniName", {"SOFTWARE\\Elsewhere"});
    store.Put(Key, "Options", "IniSection", {"Other"});
    store.Put(Key, "Options", "StorageType", {"1"});
    {
        TClockOptions options(store.Factory());
        options.SetAutoSave(true);
        options.Load();
    }
    ASSERT_EQ(store.Opens.size(), 2u);
    EXPECT_EQ(store.Opens[0].IniName, Key);
    EXPECT_EQ(store.Opens[0].Section, "Options");
    EXPECT_EQ(store.Opens[0].StorageType, eosRegistry);
    EXPECT_EQ(store.Opens[1].IniName, "SOFTWARE\\Elsewhere");
    EXPECT_EQ(store.Opens[1].Section, "Other");
    EXPECT_EQ(store.Opens[1].StorageType, eosIni);
    EXPECT_NE(store.Find("SOFTWARE\\Elsewhere", "Other", "VertLayout"), nullptr);
}

TEST(OvOpts, FailingReadStopsTheLoadWhereItFails)
{
    TMemoryStore store;
    store.Put(Key, "Options", "AutoSaveData", {"0"});
    store.Put(Key, "Options", "DblClickAction", {"4", false});
    store.Put(Key, "Options", "ShowDate", {"1"});
    store.Put(Key, "Options", "VertLayout", {"1"});
    TClockOptions options(store.Factory());
    try {
        options.Load();
        FAIL() << "the load went through";
    } catch (const EOvOptionsError& e) {
        EXPECT_STREQ(e.what(), "Invalid data type for 'DblClickAction'");
    }
    EXPECT_FALSE(options.AutoSaveData);  // before the failure: assigned
    EXPECT_EQ(options.DblClickAction(), dcaRestore);
    EXPECT_FALSE(options.ShowDate());  // after it: the defaults
    EXPECT_FALSE(options.VertLayout());
}

TEST(OvOpts, FailingWriteStopsTheSaveAndReachesTheCaller)
{
    TMemoryStore store;
    store.FailingWrite = "IniName";
    TClockOptions options(store.Factory());
    options.SetAutoSave(true);
    try {
        options.Close();
        FAIL() << "the save went through";
    } catch (const EOvOptionsError& e) {
        EXPECT_STREQ(e.what(), "Failed to set data for 'IniName'");
    }
    EXPECT_EQ(store.Writes, (std::vector<std::string>{"AutoSave", "AutoSaveData", "DayTime", "DblClickAction"}));
}

TEST(OvOpts, DestructorSwallowsAFailedSaveAndCloseSavesOnce)
{
    TMemoryStore failing;
    failing.FailingWrite = "AutoSave";
    {
        TClockOptions options(failing.Factory());
        options.SetAutoSave(true);
    }
    EXPECT_EQ(failing.Opens.size(), 1u);

    TMemoryStore store;
    {
        TClockOptions options(store.Factory());
        options.SetAutoSave(true);
        options.Close();
    }
    EXPECT_EQ(store.Writes.size(), 21u);
}

}  // namespace
