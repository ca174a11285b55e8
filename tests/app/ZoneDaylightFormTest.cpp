// The option ZoneDST on the clock window: zone faces in the system's zones, by its rules.

#include "ClockWindowFixture.h"

#include "clock/TimeZones.h"

namespace {

class ZoneDaylightWindow : public ClockWindow {
protected:
    void TearDown() override
    {
        ZoneDaylight = DaylightAdjust = false;
        ClockWindow::TearDown();
    }
    TClockFormConfig SystemZones() const
    {
        TClockFormConfig c = Config();
        c.ZoneRoot = HKEY_LOCAL_MACHINE;
        c.ZoneKey.clear();
        return c;
    }
};

TClockRecord ZoneClock(std::int32_t index)
{
    return {index, false, "", "MS Sans Serif", 9, 1, fsBold, 0x00FF0000, 0x0000FFFF};
}

// New York, London, Sydney, Tokyo and Santiago at noon UTC in January and in July, with the
// option on and off (DayTime stored on throughout: it has no say while ZoneDST is on).
TEST_F(ZoneDaylightWindow, FiveZoneClocksShowTheirTrueHourAllYear)
{
    const char* keys[] = {"Eastern Standard Time", "GMT Standard Time", "AUS Eastern Standard Time",
                          "Tokyo Standard Time", "Pacific SA Standard Time"};
    struct Step {
        const char* zoneDst;
        TSystemTime utc;
        const char* shown[5];
    } steps[] = {
        {"1", Moment(2026, 1, 15, 12, 0), {"07:00", "12:00", "23:00", "21:00", "09:00"}},
        {"1", Moment(2026, 7, 15, 12, 0), {"08:00", "13:00", "22:00", "21:00", "08:00"}},
        // Off: the zone's standard time and the common hour.
        {"0", Moment(2026, 1, 15, 12, 0), {"08:00", "13:00", "23:00", "22:00", "09:00"}},
        {"0", Moment(2026, 7, 15, 12, 0), {"08:00", "13:00", "23:00", "22:00", "09:00"}},
    };
    TOvList<TTimeZoneInfo> catalogue;
    ASSERT_TRUE(GetTimeZones(catalogue));
    std::vector<TClockRecord> records{ZoneClock(-1)};
    for (const char* key : keys) {
        int index = -1;
        for (int i = 0; i < catalogue.Count(); ++i)
            if (catalogue.Items(i)->KeyName == key) index = i;
        ASSERT_GE(index, 0) << key;
        records.push_back(ZoneClock(index));
    }
    FreeTimeZones(catalogue);
    WriteClocksFile(records);
    StoreOption("DayTime", "1");
    for (int k = 0; k < 4; ++k) {
        const Step& step = steps[k];
        const Step& other = steps[(k + 2) % 4];
        StoreOption("ZoneDST", step.zoneDst);
        TFakeClock clock(step.utc);
        TClockForm form(SystemZones());
        ASSERT_EQ(form.Clocks->Count(), 5);
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(form.Clocks->Items(i)->DisplayText(), step.shown[i])
                << keys[i] << ", ZoneDST " << step.zoneDst << ", month " << step.utc.wMonth;
        // Switched while running, the faces follow at once.
        form.Options->SetZoneDST(other.zoneDst[0] == '1');
        for (int i = 0; i < 5; ++i) EXPECT_EQ(form.Clocks->Items(i)->DisplayText(), other.shown[i]) << keys[i];
    }
}

// The system's zones were updated while the program runs: a time-zone change message makes the
// faces follow the new rules at once.
TEST_F(ZoneDaylightWindow, UpdatedRulesApplyAfterTheSystemsMessages)
{
    TOvList<TTimeZoneInfo> zones;
    ASSERT_TRUE(GetTimeZones(zones, HKEY_CURRENT_USER, Config().ZoneKey.c_str()));
    int athensIndex = -1;
    for (int i = 0; i < zones.Count(); ++i)
        if (zones.Items(i)->KeyName == "Athens") athensIndex = i;
    FreeTimeZones(zones);
    WriteClocksFile({ZoneClock(-1), ZoneClock(athensIndex)});
    StoreOption("ZoneDST", "1");
    TFakeClock clock(Moment(2026, 7, 15, 12, 0));
    TClockForm form(Config());
    TMyRoVudez& face = *form.Clocks->Items(0);
    EXPECT_EQ(face.DisplayText(), "14:00");
    // Athens gains European summer time.
    BYTE tzi[44] = {0x88, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0xC4, 0xFF, 0xFF, 0xFF};
    tzi[12 + 2] = 10, tzi[12 + 6] = 5, tzi[12 + 8] = 4;
    tzi[28 + 2] = 3, tzi[28 + 6] = 5, tzi[28 + 8] = 3;
    TRegKey athens = scratch.Open("Zones\\Athens");
    RegSetValueExA(athens.Handle(), "TZI", 0, REG_BINARY, tzi, sizeof tzi);
    SendMessageA(form.Handle(), WM_SETTINGCHANGE, 0, 0);
    EXPECT_EQ(face.DisplayText(), "15:00");
    // Back, announced as a time change.
    tzi[12 + 2] = tzi[28 + 2] = 0;
    RegSetValueExA(athens.Handle(), "TZI", 0, REG_BINARY, tzi, sizeof tzi);
    SendMessageA(form.Handle(), WM_TIMECHANGE, 0, 0);
    EXPECT_EQ(face.DisplayText(), "14:00");
}

}  // namespace
