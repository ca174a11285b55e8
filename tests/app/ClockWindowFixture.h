#pragma once
// A clock window of the tests' own: its registry, its data folder and a small zone catalogue.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "../support/ModalHook.h"
#include "../support/WinTestSupport.h"
#include "ScratchClock.h"
#include "app/ClocksCodec.h"
#include "app/Main.h"
#include "clock/TimeZones.h"
#include "base/WinFileAccess.h"

struct TTestZone {
    const char* key;
    const char* display;
    std::int32_t bias;
};

// Registry order is the registry's business; the tests find entries by key name.
inline const TTestZone TestZones[] = {
    {"Eastern", "(UTC-05:00) Eastern Time (US & Canada)", 300},
    {"Athens", "(GMT+02:00) Athens, Bucharest", -120},
    {"Bogota", "(UTC-05:00) Bogota, Lima, Quito", 300},  // the same block as Eastern
    {"Broken", "(GMT+01:00 Nowhere", -60},
    {"Plain", "Anchorage", 540},
};

class ClockWindow : public testing::Test, protected TScratchClock {
protected:
    ClockWindow() : TScratchClock("ClockWindow") {}
    TWinFileAccess files;

    void SetUp() override
    {
        TRegKey zones = scratch.Open("Zones");
        for (const TTestZone& z : TestZones) {
            TRegKey zone = TRegKey::Create(zones.Handle(), z.key, KEY_ALL_ACCESS);
            zone.WriteString("Display", z.display);
            BYTE tzi[44] = {};
            memcpy(tzi, &z.bias, 4);
            RegSetValueExA(zone.Handle(), "TZI", 0, REG_BINARY, tzi, sizeof tzi);
        }
        scratch.Open("NoZones");
    }
    void TearDown() override
    {
        TForm::ModalHook = nullptr;
        Application.CancelTerminate();
    }

    TClockFormConfig Config(const char* zones = "Zones") const
    {
        TClockFormConfig c = TScratchClock::Config();
        c.ZoneRoot = HKEY_CURRENT_USER;
        c.ZoneKey = scratch.Path() + "\\" + zones;
        return c;
    }

    static int ZoneIndex(const TClockForm& form, const std::string& key)
    {
        for (int i = 0; i < form.TimeZones.Count(); ++i)
            if (form.TimeZones.Items(i)->KeyName == key) return i;
        ADD_FAILURE() << "no zone " << key;
        return -1;
    }

    // The key name of the catalogue's entry at index, as a window would read it.
    std::string ZoneKeyAt(int index) const
    {
        TOvList<TTimeZoneInfo> zones;
        EXPECT_TRUE(GetTimeZones(zones, HKEY_CURRENT_USER, Config().ZoneKey.c_str()));
        std::string key = index < zones.Count() ? zones.Items(index)->KeyName : std::string();
        FreeTimeZones(zones);
        return key;
    }

    std::string ClocksPath() const { return folder.File("RoVudez.clk"); }
    bool ClocksFileThere() const { return GetFileAttributesA(ClocksPath().c_str()) != INVALID_FILE_ATTRIBUTES; }
    TBytes ClocksBytes()
    {
        TBytes bytes;
        files.ReadWholeFile(ClocksPath(), bytes);
        return bytes;
    }
    void WriteClocksBytes(const TBytes& bytes) { ASSERT_TRUE(files.ReplaceWholeFile(ClocksPath(), bytes)); }
    void WriteClocksFile(const std::vector<TClockRecord>& records, const TBytes& trailing = {})
    {
        TMemoryStream stream;
        ASSERT_TRUE(WriteClocks(stream, records));
        TBytes bytes = stream.Bytes();
        bytes.insert(bytes.end(), trailing.begin(), trailing.end());
        WriteClocksBytes(bytes);
    }
    // The records of the file as it is now, as far as they can be read.
    std::vector<TReadClock> StoredReads(std::size_t zoneCount = 1000)
    {
        TMemoryStream stream(ClocksBytes());
        return ReadClocks(stream, TZoneKeys(zoneCount));
    }
    // The records of the file as it is now, each expected whole.
    std::vector<TClockRecord> StoredClocks()
    {
        std::vector<TClockRecord> out;
        for (const TReadClock& r : StoredReads()) {
            EXPECT_TRUE(r.Complete());
            out.push_back(r.Record);
        }
        return out;
    }
};

// Runs the modal dialog that `open` shows; act works on it as a user would and closes it.
template <class TDialog>
void WithDialog(const std::function<void(TDialog&)>& act, const std::function<void()>& open)
{
    TModalHook hook([&](TForm& f) {
        auto* dialog = dynamic_cast<TDialog*>(&f);
        if (dialog)
            act(*dialog);
        else
            ADD_FAILURE() << "another dialog opened";
    });
    open();
    EXPECT_GT(hook.Shown(), 0) << "no dialog was shown";
}
