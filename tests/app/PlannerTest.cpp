// The planner on the clock window: the faces show its moment until it closes.

#include <gtest/gtest.h>

#include "../alarms/AlarmDialogTestSupport.h"
#include "../support/Input.h"
#include "ClockWindowFixture.h"
#include "alarms/frmAlarmProp.h"
#include "base/SystemTimeRecord.h"

namespace {

class Planner : public ClockWindow {
protected:
    // Local time is UTC here, whatever the machine's zone.
    TFakeClock clock{Moment(2026, 12, 15, 14, 5, 7)};

    void TearDown() override
    {
        FreeAlarms(Alarms);
        ClockWindow::TearDown();
    }

    // The local clock, New York (Eastern) and Athens, in that order.
    void ThreeFaces(TClockForm& form)
    {
        form.LocalZone = TZoneRules{};
        form.ShowClock();
        for (const auto& [key, alias] : {std::pair{"Eastern", "New York"}, std::pair{"Athens", "Athens"}}) {
            form.AddItemClick();
            TMyRoVudez& face = *form.Clocks->Items(form.Clocks->Count() - 1);
            face.Tag = ZoneIndex(form, key);
            face.LocalTime = false;
            face.TimeZone = form.TimeZones.Items(face.Tag)->TZI;
            face.SetHint(alias);
        }
    }
    static std::string Shown(const TMyRoVudez& face)
    {
        const std::string& text = face.DisplayText();
        return text.substr(text.rfind('\n') + 1);
    }
    static std::string Clipboard()
    {
        std::string text;
        if (!OpenClipboard(nullptr)) return text;
        if (HANDLE data = GetClipboardData(CF_TEXT)) {
            text = static_cast<const char*>(GlobalLock(data));
            GlobalUnlock(data);
        }
        CloseClipboard();
        return text;
    }
};

TEST_F(Planner, TypedTimeSliderKeysCopyAndEscMoveTheFacesAndBringThemBack)
{
    TClockForm form(Config());
    ThreeFaces(form);
    TMyRoVudez& local = *form.LocalClock;
    TMyRoVudez& newYork = *form.Clocks->Items(0);
    TMyRoVudez& athens = *form.Clocks->Items(1);
    form.ClockSelected(newYork);
    form.Popup.Find("PlanItem")->Click();
    PumpMessages();
    TPlanForm* plan = form.Planner();
    ASSERT_NE(plan, nullptr);
    ASSERT_TRUE(plan->Visible());
    EXPECT_EQ(plan->TimeLabel.Text(), "Time in New York:");
    EXPECT_EQ(GetFocus(), plan->Slider.Handle());
    RECT clockRect, planRect;
    GetWindowRect(form.Handle(), &clockRect);
    GetWindowRect(plan->Handle(), &planRect);
    EXPECT_EQ(planRect.top, clockRect.bottom) << "below the clock";
    // Now, without seconds.
    EXPECT_EQ(Shown(local), "14:05");
    EXPECT_TRUE(local.Planned() && newYork.Planned() && athens.Planned());

    struct Step {
        const char* name;
        std::function<void()> act;
        const char* shown[3];  // local, New York, Athens
        bool dimmed[3];
        const char* newYorkField;
    } steps[] = {
        {"09:00 typed in New York", [&] { plan->TimeEdit.SetValue(FromRecord(Moment(2026, 12, 15, 9, 0))); },
         {"14:00", "09:00", "16:00"}, {false, false, false}, "09:00"},
        {"a step on", [&] { PressKey(plan->Slider.Handle(), VK_RIGHT); }, {"14:15", "09:15", "16:15"}, {false, false, false}, "09:15"},
        {"an hour on", [&] { PressKey(plan->Slider.Handle(), VK_NEXT); }, {"15:15", "10:15", "17:15"}, {false, false, false}, "10:15"},
        {"07:00 typed", [&] { plan->TimeEdit.SetValue(FromRecord(Moment(2026, 12, 15, 7, 0))); }, {"12:00", "07:00", "14:00"}, {false, true, false}, "07:00"},
        {"23:00 typed", [&] { plan->TimeEdit.SetValue(FromRecord(Moment(2026, 12, 15, 23, 0))); }, {"04:00", "23:00", "06:00"}, {true, true, true}, "23:00"},
        {"Home: now", [&] { PressKey(plan->Slider.Handle(), VK_HOME); }, {"14:05", "09:05", "16:05"}, {false, false, false}, "09:05"},
    };
    for (const Step& s : steps) {
        s.act();
        const TMyRoVudez* faces[] = {&local, &newYork, &athens};
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(Shown(*faces[i]), s.shown[i]) << s.name << ", face " << i;
            EXPECT_EQ(faces[i]->Dimmed(), s.dimmed[i]) << s.name << ", face " << i;
        }
        // The time field shows the moment in New York.
        const SYSTEMTIME field = plan->TimeEdit.Value();
        char text[16] = {};
        GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &field, "HH':'mm", text, sizeof text);
        EXPECT_STREQ(text, s.newYorkField) << s.name;
    }

    // A date the reckoning can't look past is not taken: the fields go back to the moment.
    plan->DateEdit.SetValue(FromRecord(Moment(9999, 12, 31, 0, 0)));
    EXPECT_EQ(Shown(newYork), "09:05");
    EXPECT_EQ(plan->DateEdit.Value().wYear, 2026);

    // 23:00 in New York is the next day everywhere else: New York's face shows its date.
    plan->TimeEdit.SetValue(FromRecord(Moment(2026, 12, 15, 23, 0)));
    EXPECT_EQ(newYork.DisplayText(), FormatDate(Moment(2026, 12, 15, 0, 0)) + "\r\n23:00");
    EXPECT_EQ(athens.DisplayText(), "\r\n06:00");
    Click(plan->CopyBtn);
    char date[64] = {};
    const SYSTEMTIME wed = FromRecord(Moment(2026, 12, 16, 0, 0));
    const SYSTEMTIME tue = FromRecord(Moment(2026, 12, 15, 0, 0));
    GetDateFormatA(LOCALE_USER_DEFAULT, 0, &wed, "ddd d MMM yyyy", date, sizeof date);
    std::string line = std::string(date) + " 04:00 Local time \xB7 ";
    GetDateFormatA(LOCALE_USER_DEFAULT, 0, &tue, "ddd d MMM yyyy", date, sizeof date);
    line += std::string(date) + " 23:00 New York \xB7 06:00 Athens";
    EXPECT_EQ(Clipboard(), line);

    // Esc, as the message loop hands it over, closes the planner: the faces are live again.
    PressKey(plan->Slider.Handle(), VK_ESCAPE);
    EXPECT_FALSE(plan->Visible());
    EXPECT_EQ(local.DisplayText(), "14:05:07");
    EXPECT_EQ(newYork.DisplayText(), "09:05");
    EXPECT_FALSE(local.Planned() || newYork.Planned() || athens.Planned() || local.Dimmed());
}

TEST_F(Planner, TrayKeyAndCloseButtonsPlanInLocalTimeAndAddReminderProposesTheMoment)
{
    StoreOption("AutoSaveData", "0");
    TClockForm form(Config());
    ThreeFaces(form);
    TMyRoVudez& newYork = *form.Clocks->Items(0);
    for (const char* way : {"tray", "close box", "Close"}) {
        if (std::string(way) == "tray")
            form.TrayMenu.Find("Plan1Item")->Click();
        else
            form.PlanItemClick(nullptr);
        PumpMessages();
        TPlanForm& plan = *form.Planner();
        EXPECT_EQ(plan.TimeLabel.Text(), "Local time:") << way;
        plan.TimeEdit.SetValue(FromRecord(Moment(2026, 12, 15, 18, 30)));
        EXPECT_EQ(Shown(newYork), "13:30") << way;
        if (std::string(way) == "tray") {
            WithDialog<TAlPropForm>([](TAlPropForm& dialog) { Click(dialog.OkBtn); }, [&] { Click(plan.ReminderBtn); });
            ASSERT_EQ(Alarms.Count(), 1);
            EXPECT_EQ(Alarms.Items(0)->Kind, akReminder);
            EXPECT_EQ(Alarms.Items(0)->SignalTime.wHour, 18);
            EXPECT_EQ(Alarms.Items(0)->SignalTime.wMinute, 30);
            EXPECT_EQ(Alarms.Items(0)->SignalTime.wDay, 15);
            EXPECT_TRUE(plan.Visible()) << "the planner stays";
            Click(plan.CloseBtn);
        } else if (std::string(way) == "close box") {
            SendMessageA(plan.Handle(), WM_CLOSE, 0, 0);
        } else {
            Click(plan.CloseBtn);
        }
        EXPECT_FALSE(plan.Visible()) << way;
        EXPECT_EQ(newYork.DisplayText(), "09:05") << way;
    }
}

}  // namespace
