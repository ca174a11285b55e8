#include "clock/clock.h"

#include <gtest/gtest.h>

#include "../support/Poll.h"
#include "../support/WinTestSupport.h"
#include "widgets/Form.h"

namespace {

class ClockFace : public testing::Test {
protected:
    TForm host{{}};
    TFakeClock clock{Moment(2026, 12, 8, 14, 5, 7), 3600};
    void TearDown() override { DaylightAdjust = false; }
};

TEST_F(ClockFace, ZoneFaceShowsUtcMinusBiasAndMovesWithDaylightAdjust)
{
    TRoVudez zone(host.Handle());
    zone.TimeZone.Bias = -120;
    zone.ShowSeconds = true;
    zone.UpdateDisplay();
    EXPECT_EQ(zone.DisplayText(), "15:05:07");
    DaylightAdjust = true;
    zone.UpdateDisplay();
    EXPECT_EQ(zone.DisplayText(), "16:05:07");

    TRoVudez local(host.Handle());
    local.LocalTime = true;
    local.ShowSeconds = true;
    local.UpdateDisplay();
    EXPECT_EQ(local.DisplayText(), "14:05:07");  // never moves with the adjustment
}

TEST_F(ClockFace, ZoneWithoutRulesAcrossMidnightChangesTheDate)
{
    TFakeClock late(Moment(2026, 12, 31, 23, 30));
    TRoVudez zone(host.Handle());
    zone.TimeZone.Bias = -60;
    zone.SetShowDate(true);
    EXPECT_EQ(zone.DisplayText(), FormatDate(Moment(2027, 1, 1, 0, 30)) + "\r\n00:30");
}

TEST_F(ClockFace, FourTimePictures)
{
    TRoVudez face(host.Handle());
    face.LocalTime = true;
    TFakeClock pm(Moment(2026, 12, 8, 13, 5, 9));
    struct Case {
        bool amPm, seconds;
        std::string text;
    } cases[] = {
        {false, true, "13:05:09"},
        {false, false, "13:05"},
        {true, true, "1:05:09 " + PmDesignator()},
        {true, false, "1:05 " + PmDesignator()},
    };
    for (const auto& c : cases) {
        face.AM_PM = c.amPm;
        face.ShowSeconds = c.seconds;
        face.UpdateDisplay();
        EXPECT_EQ(face.DisplayText(), c.text);
    }
}

TEST_F(ClockFace, LabelDateAndTimeLinesAndTheHeldButton)
{
    TRoVudez face(host.Handle());
    face.LocalTime = true;
    face.SetHint("Home & away");
    face.SetShowDate(true);
    face.SetLabels(true);
    const std::string date = FormatDate(Moment(2026, 12, 8, 14, 5));
    EXPECT_EQ(face.DisplayText(), "Home & away\r\n" + date + "\r\n14:05");

    SendMessageA(face.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_TRUE(face.ButtonDown());
    EXPECT_EQ(face.DisplayText(), date);
    SendMessageA(face.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_FALSE(face.ButtonDown());
    EXPECT_EQ(face.DisplayText(), "Home & away\r\n" + date + "\r\n14:05");

    face.SetLabels(false);
    EXPECT_EQ(face.DisplayText(), date + "\r\n14:05");
}

TEST_F(ClockFace, SettingSecondsOnlyTakesEffectAtTheNextUpdate)
{
    TRoVudez face(host.Handle());
    face.LocalTime = true;
    face.UpdateDisplay();
    face.ShowSeconds = true;
    EXPECT_EQ(face.DisplayText(), "14:05");
    face.UpdateDisplay();
    EXPECT_EQ(face.DisplayText(), "14:05:07");
}

TEST_F(ClockFace, OwnTimerExistsOnceAndCanBeTurnedOff)
{
    const int before = TTimer::RunningCount();
    {
        TRoVudez face(host.Handle());
        EXPECT_TRUE(face.UseTimer());
        EXPECT_EQ(TTimer::RunningCount(), before + 1);
        face.SetUseTimer(true);
        face.SetUseTimer(true);
        EXPECT_EQ(TTimer::RunningCount(), before + 1);
        face.SetUseTimer(false);
        EXPECT_FALSE(face.UseTimer());
        EXPECT_EQ(TTimer::RunningCount(), before);
        face.SetUseTimer(true);
        EXPECT_EQ(TTimer::RunningCount(), before + 1);
    }
    EXPECT_EQ(TTimer::RunningCount(), before);  // freed with the face
}

TEST_F(ClockFace, TimerTickRefreshesTheText)
{
    TRoVudez face(host.Handle());
    face.LocalTime = true;
    EXPECT_EQ(face.DisplayText(), "");
    // Wait for the face's own one-second tick.
    WaitUntil([&] {
        PumpMessages();
        return !face.DisplayText().empty();
    });
    EXPECT_EQ(face.DisplayText(), "14:05");
}

bool NeedsPaint(const TRoVudez& face)
{
    return GetUpdateRect(face.Handle(), nullptr, FALSE) != FALSE;
}

// A face repaints only when what it shows changes; its window text is always what it shows.
TEST_F(ClockFace, RepaintsOnlyWhenWhatItShowsChanges)
{
    host.Show();
    TRoVudez zone(host.Handle());
    zone.UpdateDisplay();
    UpdateWindow(zone.Handle());
    ASSERT_FALSE(NeedsPaint(zone));
    {
        TFakeClock later(Moment(2026, 12, 8, 14, 5, 8), 3600);
        zone.UpdateDisplay();  // a second on, no seconds shown
        EXPECT_FALSE(NeedsPaint(zone));
    }
    {
        TFakeClock nextMinute(Moment(2026, 12, 8, 14, 6, 0), 3600);
        zone.UpdateDisplay();
        EXPECT_TRUE(NeedsPaint(zone));
        char text[64] = {};
        GetWindowTextA(zone.Handle(), text, sizeof text);
        EXPECT_EQ(text, zone.DisplayText());
        EXPECT_EQ(zone.DisplayText(), "13:06");
    }
    UpdateWindow(zone.Handle());
    zone.SetColor(zone.Color());
    zone.SetFont(TFont(zone.Font()));
    EXPECT_FALSE(NeedsPaint(zone));
    zone.SetColor(0x00FF0000);
    EXPECT_TRUE(NeedsPaint(zone));
    UpdateWindow(zone.Handle());
    TFont bold = zone.Font();
    bold.SetStyle(fsBold);
    zone.SetFont(bold);
    EXPECT_TRUE(NeedsPaint(zone));
    UpdateWindow(zone.Handle());
    zone.SetHint("Home");
    zone.SetLabels(true);
    EXPECT_TRUE(NeedsPaint(zone));
}

}  // namespace
