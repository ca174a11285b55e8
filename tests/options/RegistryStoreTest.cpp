#include "OptionsWinTestSupport.h"
#include "options/OptionsStore.h"
#include "options/Opts.h"
#include "base/RegKey.h"
#include "options/RegistryStore.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

const std::string Key = "SOFTWARE\\Doviz\\Clock";

struct TStoredValue {
    DWORD Type;
    std::string Data;  // as stored, terminating NUL included
};

std::map<std::string, TStoredValue> ValuesOf(HKEY parent, const std::string& path)
{
    std::map<std::string, TStoredValue> values;
    TRegKey key = TRegKey::Open(parent, path, KEY_READ);
    for (DWORD i = 0; key; ++i) {
        char name[256];
        BYTE data[2048];
        DWORD nameLength = sizeof name, size = sizeof data, type = 0;
        if (RegEnumValueA(key.Handle(), i, name, &nameLength, nullptr, &type, data, &size) != ERROR_SUCCESS) break;
        values[name] = {type, std::string(reinterpret_cast<char*>(data), size)};
    }
    return values;
}

void SetRaw(HKEY parent, const std::string& path, const std::string& name, DWORD type, const std::string& data)
{
    TRegKey key = TRegKey::Create(parent, path, KEY_ALL_ACCESS);
    ASSERT_TRUE(key);
    ASSERT_EQ(RegSetValueExA(key.Handle(), name.c_str(), 0, type, reinterpret_cast<const BYTE*>(data.data()),
                             static_cast<DWORD>(data.size())),
              ERROR_SUCCESS);
}

TEST(OptionsRegistry, FirstRunCreatesTheMainKeyAndTheExitSaveWritesTheImage)
{
    TScratchRegistry registry;
    {
        TClockOptions options(WinOptionsBackEnds(registry.Root()));
        options.SetAutoSave(true);
        options.Load();
        EXPECT_TRUE(TRegKey::Open(registry.Root(), Key, KEY_READ));
        EXPECT_FALSE(TRegKey::Open(registry.Root(), Key + "\\Options", KEY_READ));
        options.Close();
    }
    const std::map<std::string, std::string> image = {
        {"AutoSave", "1"},     {"AutoSaveData", "1"},     {"DayTime", "0"},    {"DblClickAction", "0"},
        {"IniName", Key},      {"IniSection", "Options"}, {"Name", ""},        {"OnTop", "1"}, {"RepeatSound", "0"},
        {"ShowCaption", "1"},  {"ShowDate", "0"},         {"ShowHint", "0"},   {"ShowSecs", "1"},
        {"ShowTrayIcon", "0"}, {"ShowTZSecs", "0"},       {"StartWithWindows", "0"}, {"StorageType", "0"}, {"Tag", "0"},
        {"VertLayout", "0"}, {"WakeForAlarms", "0"}, {"ZoneDST", "0"},
    };
    auto values = ValuesOf(registry.Root(), Key + "\\Options");
    EXPECT_EQ(values.size(), 21u);
    for (const auto& [name, text] : image) {
        ASSERT_TRUE(values.count(name)) << name;
        EXPECT_EQ(values[name].Type, DWORD(REG_SZ)) << name;
        EXPECT_EQ(values[name].Data, text + '\0') << name;  // size = length + 1
    }
}

TEST(OptionsRegistry, NumberTypeStopsTheLoad)
{
    TScratchRegistry registry;
    SetRaw(registry.Root(), Key + "\\Options", "AutoSaveData", REG_SZ, std::string("0", 2));
    SetRaw(registry.Root(), Key + "\\Options", "DblClickAction", REG_DWORD, std::string("\4\0\0\0", 4));
    SetRaw(registry.Root(), Key + "\\Options", "VertLayout", REG_SZ, std::string("1", 2));
    TClockOptions options(WinOptionsBackEnds(registry.Root()));
    try {
        options.Load();
        FAIL() << "the load went through";
    } catch (const EOvOptionsError& e) {
        EXPECT_STREQ(e.what(), "Invalid data type for 'DblClickAction'");
    }
    EXPECT_FALSE(options.AutoSaveData);
    EXPECT_FALSE(options.VertLayout());
}

TEST(OptionsRegistry, ReadsStringsAsStored)
{
    struct Case {
        const char* name;
        DWORD type;
        std::string data;
        std::string nameAfter;
        std::int32_t tagAfter;
    };
    const Case cases[] = {
        {"Name", REG_SZ, std::string("clock", 6), "clock", 0},
        {"Name", REG_EXPAND_SZ, std::string("%TEMP%\\x", 9), "%TEMP%\\x", 0},
        {"Name", REG_SZ, "no terminator", "no terminator", 0},
        {"Name", REG_SZ, std::string("ab\0cd", 6), "ab", 0},
        {"Name", REG_BINARY, "", "", 0},  // no data: empty, whatever the type
        {"Tag", REG_SZ, std::string("0x1F", 5), "before", 31},
        {"Tag", REG_DWORD, "", "before", 0},
    };
    for (const auto& c : cases) {
        TScratchRegistry registry;
        SetRaw(registry.Root(), Key + "\\Options", c.name, c.type, c.data);
        TClockOptions options(WinOptionsBackEnds(registry.Root()));
        options.Name = "before";
        options.Load();
        EXPECT_EQ(options.Name, c.nameAfter) << c.name << " " << c.data;
        EXPECT_EQ(options.Tag, c.tagAfter) << c.name << " " << c.data;
    }
}

TEST(OptionsRegistry, SectionFromTheRoot)
{
    TScratchRegistry registry;
    TClockOptions options(WinOptionsBackEnds(registry.Root()));
    options.IniSection = "\\Elsewhere\\Options";
    options.Tag = -7;
    options.Save();
    EXPECT_EQ(ValuesOf(registry.Root(), "Elsewhere\\Options")["Tag"].Data, std::string("-7", 3));
    EXPECT_TRUE(ValuesOf(registry.Root(), Key + "\\Options").empty());
}

TEST(OptionsRegistry, WriteFailuresNameTheKeyOrTheValue)
{
    TScratchRegistry registry;
    // A volatile key cannot hold a lasting subkey.
    HKEY volatileKey = nullptr;
    ASSERT_EQ(RegCreateKeyExA(registry.Root(), "Volatile", 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr,
                              &volatileKey, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(volatileKey);
    TClockOptions options(WinOptionsBackEnds(registry.Root()));
    options.IniSection = "\\Volatile\\Options";
    try {
        options.Save();
        FAIL() << "the save went through";
    } catch (const EOvOptionsError& e) {
        EXPECT_STREQ(e.what(), "Failed to create key \\Volatile\\Options");
    }

    auto backEnd = OpenRegistryBackEnd(registry.Root(), Key, "Options");
    const std::string tooLong(20000, 'v');
    try {
        backEnd->WriteString(tooLong, "x");
        FAIL() << "the write went through";
    } catch (const EOvOptionsError& e) {
        EXPECT_EQ(e.what(), "Failed to set data for '" + tooLong + "'");
    }
}

}  // namespace
