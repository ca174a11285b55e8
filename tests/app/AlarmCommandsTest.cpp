#include "app/Main.h"

#include <gtest/gtest.h>

#include "../alarms/AlarmDialogTestSupport.h"
#include "ScratchClock.h"
#include "alarms/frmAlarmProp.h"
#include "alarms/frmAlarms.h"

namespace {

// The clock window over a folder of the test's own; the alarm list is the one it makes when first
// asked for.
class AlarmCommands : public testing::Test, protected TScratchClock {
protected:
    AlarmCommands() : TScratchClock("AlarmCommands") {}
    std::string file = folder.File("RoVudez.alm");
    std::unique_ptr<TClockForm> clock;

    void SetUp() override { clock = std::make_unique<TClockForm>(Config()); }
    void TearDown() override
    {
        clock.reset();
        Application.CancelTerminate();
        FreeAlarms(Alarms);
    }
    bool FileThere() const { return GetFileAttributesA(file.c_str()) != INVALID_FILE_ATTRIBUTES; }
};

TEST_F(AlarmCommands, AddAlarmAppendsTheAlarmAndItsRowAndSavesWithAutoSave)
{
    clock->AlarmsItemClick();
    TAlarmsForm* list = AlarmsForm;
    ASSERT_NE(list, nullptr);
    {
        TModalHook actor([](TForm& f) {
            auto& d = dynamic_cast<TAlPropForm&>(f);
            EXPECT_TRUE(d.UsualRB.Checked());
            Click(d.CronRB);
            d.CronEdit.SetText("0 12 * * *");
            Click(d.OkBtn);
        });
        clock->FormKeyDown('A', {false, true, false});
        EXPECT_EQ(actor.Shown(), 1);
    }
    ASSERT_EQ(Alarms.Count(), 1);
    EXPECT_EQ(list->AlarmBox.Item(0), "Unnamed alarm (0 12 * * *)");
    EXPECT_TRUE(FileThere());

    // A reminder, with the list hidden and auto-save off: the row is there when it shows, the file is not written.
    list->Hide();
    DeleteFileA(file.c_str());
    clock->Options->AutoSaveData = false;
    {
        TModalHook actor([](TForm& f) {
            auto& d = dynamic_cast<TAlPropForm&>(f);
            Click(d.ReminderRB);
            d.DatePicker1.SetDate(FromRecord(Moment(2027, 3, 1, 0, 0)));
            d.TimePicker2.SetTime(FromRecord(Moment(2000, 1, 1, 0, 0, 0)));
            Click(d.OkBtn);
        });
        clock->Popup.Find("AddAlarmItem")->Click();
    }
    ASSERT_EQ(Alarms.Count(), 2);
    EXPECT_EQ(list->AlarmBox.Item(1), "Unnamed alarm (" + FormatDate(Moment(2027, 3, 1, 0, 0)) + ")");
    EXPECT_FALSE(FileThere());

    // Cancel adds nothing.
    {
        TModalHook actor([](TForm& f) { Click(dynamic_cast<TAlPropForm&>(f).CancelBtn); });
        clock->TrayMenu.Find("Addalarm1")->Click();
    }
    EXPECT_EQ(Alarms.Count(), 2);
}

TEST_F(AlarmCommands, TheDoubleClickActionAddsAnAlarm)
{
    clock->Options->SetDblClickAction(dcaAddAlarm);
    TModalHook actor([](TForm& f) { Click(dynamic_cast<TAlPropForm&>(f).OkBtn); });
    clock->CustDblClick(clock.get());
    EXPECT_EQ(actor.Shown(), 1);
    EXPECT_EQ(Alarms.Count(), 1);
}

TEST_F(AlarmCommands, AlarmsShowsTheListAsItIsNowOrBringsItForward)
{
    auto* tea = new TAlarm;
    tea->Name = "Tea";
    tea->Kind = akCron;
    tea->CronMask = "0 16 * * *";
    Alarms.Add(tea);
    EXPECT_EQ(AlarmsForm, nullptr);
    clock->FormKeyDown('A', {true, true, false});
    TAlarmsForm* list = AlarmsForm;
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(list->Visible());
    EXPECT_EQ(GetFocus(), list->AlarmBox.Handle());
    ASSERT_EQ(list->AlarmBox.Count(), 1);
    EXPECT_EQ(list->AlarmBox.Item(0), "Tea (0 16 * * *)");

    // Shown already: brought forward, restored when minimised, not refilled.
    tea->CronMask = "5 16 * * *";
    ShowWindow(list->Handle(), SW_MINIMIZE);
    clock->TrayMenu.Find("Alarms1")->Click();
    EXPECT_FALSE(IsIconic(list->Handle()));
    EXPECT_EQ(list->AlarmBox.Item(0), "Tea (0 16 * * *)");
    SendMessageA(list->Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(FileThere());  // closed with auto-save on
    clock->Popup.Find("AlarmsItem")->Click();
    EXPECT_EQ(list->AlarmBox.Item(0), "Tea (5 16 * * *)");
}

TEST_F(AlarmCommands, AnAlarmThatCantBeShownKeepsTheListHidden)
{
    auto* cron = new TAlarm;
    cron->Name = "Fine";
    cron->Kind = akCron;
    Alarms.Add(cron);
    Alarms.Add(new TAlarm);  // a usual alarm with an all-zero time
    EXPECT_THROW(clock->AlarmsItemClick(), EConvertError);
    ASSERT_NE(AlarmsForm, nullptr);
    EXPECT_FALSE(AlarmsForm->Visible());
    EXPECT_EQ(AlarmsForm->AlarmBox.Count(), 1);
}

}  // namespace
