#include "alarms/frmAlarmProp.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AlarmDialogTestSupport.h"
#include "alarms/frmCronMask.h"
#include "widgets/Application.h"

namespace {

// Every control's state as a user sees it: + enabled, - disabled; x checked, o unchecked.
std::string Flags(const TAlPropForm& f)
{
    std::string s;
    auto on = [&](const char* name, const TControl& c) { s += std::string(name) + (c.Enabled() ? "+ " : "- "); };
    auto box = [&](const char* name, const TControl& c, bool checked) {
        s += std::string(name) + (c.Enabled() ? "+" : "-") + (checked ? "x " : "o ");
    };
    box("Reminder", f.ReminderRB, f.ReminderRB.Checked());
    on("Date", f.DatePicker1);
    on("Time2", f.TimePicker2);
    box("Cron", f.CronRB, f.CronRB.Checked());
    on("Mask", f.CronEdit);
    on("MaskBtn", f.MaskEditBtn);
    box("Once", f.OnceADayCB, f.OnceADayCB.Checked());
    box("Usual", f.UsualRB, f.UsualRB.Checked());
    on("Time1", f.TimePicker1);
    box("Enabled", f.EnabledCB, f.EnabledCB.Checked());
    box("OneTime", f.OneTimeCB, f.OneTimeCB.Checked());
    box("Remove", f.RemoveCB, f.RemoveCB.Checked());
    s += std::string("| Panel") + (f.Panel4.Enabled() ? "+ " : "- ");
    box("Sound", f.SoundCB, f.SoundCB.Checked());
    box("Def", f.DefSoundRB, f.DefSoundRB.Checked());
    box("Custom", f.CustomSoundRB, f.CustomSoundRB.Checked());
    on("File", f.SoundEdit);
    on("Play", f.PlayBtn);
    box("Message", f.MessageCB, f.MessageCB.Checked());
    on("Memo", f.MessageMemo);
    box("Run", f.RunCB, f.RunCB.Checked());
    on("App", f.AppLineEdit);
    on("Dir", f.AppDirEdit);
    s += std::string("DirBtn") + (f.DirBtn.Enabled() ? "+" : "-");
    return s;
}

const char* const NewAlarmFlags =
    "Reminder+o Date- Time2- Cron+o Mask- MaskBtn- Once-o Usual+x Time1+ Enabled+x OneTime+o Remove-o | Panel+ "
    "Sound+x Def+x Custom+o File- Play+ Message+x Memo+ Run+o App- Dir- DirBtn-";

int Hms(const SYSTEMTIME& t)
{
    return t.wHour * 10000 + t.wMinute * 100 + t.wSecond;
}

int Ymd(const SYSTEMTIME& t)
{
    return t.wYear * 10000 + t.wMonth * 100 + t.wDay;
}

TEST(AlPropForm, NewAlarmOkAtOnceGivesTheDefaultAlarm)
{
    std::string flags;
    TModalHook actor([&](TForm& f) {
        auto& d = dynamic_cast<TAlPropForm&>(f);
        EXPECT_EQ(d.NameEdit.Text(), "Unnamed alarm");
        EXPECT_EQ(Hms(d.TimePicker1.Value()), 73015);
        flags = Flags(d);
        Click(d.OkBtn);
    });
    std::unique_ptr<TAlarm> a = NewAlarm(false, Moment(2020, 3, 4, 7, 30, 15));
    ASSERT_TRUE(a);
    EXPECT_EQ(flags, NewAlarmFlags);
    EXPECT_EQ(a->Name, "Unnamed alarm");
    EXPECT_EQ(a->Kind, akUsual);
    // The time of day asked for, on the time field's own date (today), with its true weekday.
    TSystemTime today = Today();
    EXPECT_EQ(Hms(FromRecord(a->SignalTime)), 73015);
    EXPECT_EQ(Ymd(FromRecord(a->SignalTime)), Ymd(FromRecord(today)));
    EXPECT_EQ(a->SignalTime.wDayOfWeek, DateTimeToSystemTime(SystemTimeToDateTime(today)).wDayOfWeek);
    EXPECT_TRUE(a->Enabled && a->SoundOn && a->MessageOn);
    EXPECT_EQ(a->SoundFile, "(Default)");
    EXPECT_EQ(a->MessageText, "Time to signal ...");
    EXPECT_FALSE(a->OneTime || a->RemoveAfterSignal || a->OnceADay || a->RunOn || a->CronFlag);
    EXPECT_EQ(a->CronMask + a->CommandLine + a->StartFolder, "");
    EXPECT_EQ(a->PropDialog, nullptr);
}

TEST(AlPropForm, ReminderFiveMinutesAfter2358ShowsTomorrowAtMidnightPastThree)
{
    TModalHook actor([&](TForm& f) {
        auto& d = dynamic_cast<TAlPropForm&>(f);
        EXPECT_EQ(d.NameEdit.Text(), "Unnamed reminder");
        EXPECT_EQ(FormatDate(d.DatePicker1.Value()), FormatDate(Moment(2027, 1, 1, 0, 0)));
        EXPECT_EQ(Hms(d.TimePicker2.Value()), 300);
        EXPECT_EQ(Flags(d),
                  "Reminder+x Date+ Time2+ Cron+o Mask- MaskBtn- Once+o Usual+o Time1- Enabled+x OneTime+x Remove+x "
                  "| Panel+ Sound+x Def+x Custom+o File- Play+ Message+x Memo+ Run+o App- Dir- DirBtn-");
        Click(d.OkBtn);
    });
    std::unique_ptr<TAlarm> a = NewAlarm(true, IncMinutes(Moment(2026, 12, 31, 23, 58), 5));
    ASSERT_TRUE(a);
    EXPECT_EQ(a->Kind, akReminder);
    EXPECT_EQ(Ymd(FromRecord(a->SignalTime)), 20270101);
    EXPECT_EQ(Hms(FromRecord(a->SignalTime)), 300);
    EXPECT_EQ(a->SignalTime.wDayOfWeek, 5);
    EXPECT_TRUE(a->OneTime && a->RemoveAfterSignal);
    EXPECT_FALSE(a->OnceADay);
}

TEST(AlPropForm, CancelMakesNoAlarm)
{
    TModalHook actor([](TForm& f) { SendMessageA(f.Handle(), WM_CLOSE, 0, 0); });
    EXPECT_EQ(NewAlarm(false, Moment(2026, 1, 1, 8, 0)), nullptr);
    EXPECT_EQ(actor.Shown(), 1);
}

// OK on a mask that matches no minute asks first; No leaves the dialog open on the mask.
TEST(AlPropForm, OkOnAMaskThatNeverMatchesAsksWhetherToKeepIt)
{
    const struct {
        const char* mask;
        int answer;
        bool asked;
        int result;
    } cases[] = {{"0 0 31 * 2", IDNO, true, 0}, {"0 0 31 * 2", IDYES, true, mrOk},
                 {"*/5 * * * *", IDNO, true, 0}, {"0 0 29 * 2", IDNO, false, mrOk}};
    for (const auto& c : cases) {
        TAlPropForm form;
        form.CronRB.SetChecked(true);
        form.CronEdit.SetText(c.mask);
        int asked = 0;
        Application.MessageBoxHook = [&](const std::string& text, const std::string&, UINT) {
            ++asked;
            EXPECT_NE(text.find(c.mask), std::string::npos);
            return c.answer;
        };
        form.OkBtnClick();
        Application.MessageBoxHook = nullptr;
        EXPECT_EQ(asked, c.asked ? 1 : 0) << c.mask;
        EXPECT_EQ(form.ModalResult(), c.result) << c.mask;
    }
}

TEST(AlPropForm, EachRuleFollowsItsControl)
{
    TAlPropForm d;
    d.Show();
    TScratchFolder sounds("Sounds");
    const std::string wav = sounds.Make("ring.wav");
    struct Step {
        std::function<void()> act;
        const char* flags;
    } steps[] = {
        {[] {},
         "Reminder+o Date- Time2- Cron+o Mask- MaskBtn- Once-o Usual+x Time1+ Enabled+x OneTime+o Remove-o | Panel+ "
         "Sound+o Def-x Custom-o File- Play- Message+o Memo- Run+o App- Dir- DirBtn-"},
        {[&] { Click(d.ReminderRB); },
         "Reminder+x Date+ Time2+ Cron+o Mask- MaskBtn- Once+o Usual+o Time1- Enabled+x OneTime+x Remove+x | Panel+ "
         "Sound+o Def-x Custom-o File- Play- Message+o Memo- Run+o App- Dir- DirBtn-"},
        // Unchecking one-time disables the remove box and keeps its check mark.
        {[&] { Click(d.OneTimeCB); },
         "Reminder+x Date+ Time2+ Cron+o Mask- MaskBtn- Once+o Usual+o Time1- Enabled+x OneTime+o Remove-x | Panel+ "
         "Sound+o Def-x Custom-o File- Play- Message+o Memo- Run+o App- Dir- DirBtn-"},
        {[&] { Click(d.CronRB); },
         "Reminder+o Date- Time2- Cron+x Mask+ MaskBtn+ Once+o Usual+o Time1- Enabled+x OneTime+o Remove-x | Panel+ "
         "Sound+o Def-x Custom-o File- Play- Message+o Memo- Run+o App- Dir- DirBtn-"},
        {[&] { Click(d.SoundCB); },
         "Reminder+o Date- Time2- Cron+x Mask+ MaskBtn+ Once+o Usual+o Time1- Enabled+x OneTime+o Remove-x | Panel+ "
         "Sound+x Def+x Custom+o File- Play+ Message+o Memo- Run+o App- Dir- DirBtn-"},
        // A custom sound that doesn't exist can't be played; one that does can.
        {[&] { Click(d.CustomSoundRB); },
         "Reminder+o Date- Time2- Cron+x Mask+ MaskBtn+ Once+o Usual+o Time1- Enabled+x OneTime+o Remove-x | Panel+ "
         "Sound+x Def+o Custom+x File+ Play- Message+o Memo- Run+o App- Dir- DirBtn-"},
        {[&] { d.SoundEdit.SetText(wav); },
         "Reminder+o Date- Time2- Cron+x Mask+ MaskBtn+ Once+o Usual+o Time1- Enabled+x OneTime+o Remove-x | Panel+ "
         "Sound+x Def+o Custom+x File+ Play+ Message+o Memo- Run+o App- Dir- DirBtn-"},
        {[&] { d.SoundEdit.SetText(wav + ".gone"); },
         "Reminder+o Date- Time2- Cron+x Mask+ MaskBtn+ Once+o Usual+o Time1- Enabled+x OneTime+o Remove-x | Panel+ "
         "Sound+x Def+o Custom+x File+ Play- Message+o Memo- Run+o App- Dir- DirBtn-"},
        {[&] { Click(d.MessageCB), Click(d.RunCB); },
         "Reminder+o Date- Time2- Cron+x Mask+ MaskBtn+ Once+o Usual+o Time1- Enabled+x OneTime+o Remove-x | Panel+ "
         "Sound+x Def+o Custom+x File+ Play- Message+x Memo+ Run+x App+ Dir+ DirBtn+"},
        // The panel goes off as a whole, its controls greyed; they keep their own states for when it comes back.
        {[&] { Click(d.EnabledCB); },
         "Reminder+o Date- Time2- Cron+x Mask+ MaskBtn+ Once+o Usual+o Time1- Enabled+o OneTime+o Remove-x | Panel- "
         "Sound-x Def-o Custom-x File- Play- Message-x Memo- Run-x App- Dir- DirBtn-"},
        {[&] { Click(d.EnabledCB), Click(d.SoundCB); },
         "Reminder+o Date- Time2- Cron+x Mask+ MaskBtn+ Once+o Usual+o Time1- Enabled+x OneTime+o Remove-x | Panel+ "
         "Sound+o Def-o Custom-x File- Play- Message+x Memo+ Run+x App+ Dir+ DirBtn+"},
        {[&] { Click(d.MessageCB), Click(d.RunCB), Click(d.UsualRB), Click(d.OneTimeCB); },
         "Reminder+o Date- Time2- Cron+o Mask- MaskBtn- Once-o Usual+x Time1+ Enabled+x OneTime+x Remove+x | Panel+ "
         "Sound+o Def-o Custom-x File- Play- Message+o Memo- Run+o App- Dir- DirBtn-"},
    };
    int n = 0;
    for (const auto& step : steps) {
        step.act();
        EXPECT_EQ(Flags(d), step.flags) << "step " << n;
        ++n;
    }
}

// The line left of OK follows every edit that changes when the alarm rings (a prefix where the
// answer depends on the clock).
TEST(AlPropForm, TheNextRingLineFollowsTheEdits)
{
    TAlPropForm d;
    d.Show();
    SYSTEMTIME past{};
    past.wYear = 2001, past.wMonth = 1, past.wDay = 1;
    SYSTEMTIME ahead = past;
    ahead.wYear = 2100;
    const struct {
        std::function<void()> act;
        const char* text;
    } steps[] = {
        {[&] { Click(d.CronRB); }, "The cron mask never matches"},
        {[&] { d.CronEdit.SetText("* * * * *"); }, "Rings every minute that matches"},
        {[&] { Click(d.OnceADayCB); }, "Rings in 1 min ("},
        {[&] { d.CronEdit.SetText("0 0 31 * 2"); }, "The cron mask never matches"},
        {[&] { Click(d.EnabledCB); }, "Will not ring: the alarm is disabled"},
        // Once a day, a reminder whose moment has passed rings within a second.
        {[&] { Click(d.EnabledCB), Click(d.ReminderRB), d.DatePicker1.SetDate(past); }, "Rings in 1 min ("},
        {[&] { Click(d.OnceADayCB); }, "Will not ring: the moment has passed"},
        {[&] { d.DatePicker1.SetDate(ahead); }, "Rings in "},
        {[&] { Click(d.UsualRB); }, "Rings in "},
    };
    int n = 0;
    for (const auto& step : steps) {
        step.act();
        EXPECT_EQ(d.NextRingLabel.Text().rfind(step.text, 0), 0u) << "step " << n << ": " << d.NextRingLabel.Text();
        ++n;
    }
}

TEST(AlPropForm, KeysOnTheKindButtonsAndActionBoxesRunTheirRules)
{
    TAlPropForm d;
    d.Show();
    // Checked behind the handlers' backs: only the key events can bring the rules up to date.
    auto quietly = [](const TControl& c) { SendMessageA(c.Handle(), BM_SETCHECK, BST_CHECKED, 0); };
    auto press = [](const TControl& c, bool down) {
        SetFocus(c.Handle());
        PostMessageA(c.Handle(), down ? WM_KEYDOWN : WM_KEYUP, VK_SHIFT, down ? 1 : 0xC0000001);
        PumpMessages();
    };
    SendMessageA(d.UsualRB.Handle(), BM_SETCHECK, BST_UNCHECKED, 0);
    quietly(d.CronRB);
    press(d.CronRB, false);
    EXPECT_TRUE(d.CronEdit.Enabled());
    EXPECT_FALSE(d.TimePicker1.Enabled());
    SendMessageA(d.CronRB.Handle(), BM_SETCHECK, BST_UNCHECKED, 0);
    quietly(d.UsualRB);
    press(d.UsualRB, true);
    EXPECT_FALSE(d.CronEdit.Enabled());
    EXPECT_TRUE(d.TimePicker1.Enabled());

    for (auto [box, follower] : {std::pair<TCheckBox*, TControl*>{&d.SoundCB, &d.DefSoundRB},
                                 {&d.MessageCB, &d.MessageMemo}, {&d.RunCB, &d.AppDirEdit}}) {
        quietly(*box);
        EXPECT_FALSE(follower->Enabled());
        press(*box, true);
        EXPECT_TRUE(follower->Enabled()) << box->Text();
    }
}

TEST(AlPropForm, ControlsCarryTheirHints)
{
    TAlPropForm d;
    struct Row {
        const TControl& control;
        const char* hint;
    } rows[] = {
        {d.NameEdit, "Just an alarm name"},
        {d.DatePicker1, "Date to signal"},
        {d.TimePicker2, "Time to signal"},
        {d.CronEdit, "Cron mask"},
        {d.OnceADayCB, "Alarm will be signaled on any time, but only once a day."},
        {d.TimePicker1, "Time to signal"},
        {d.EnabledCB, "Enables or disables alarm"},
        {d.SoundCB, "Play sound"},
        {d.DefSoundRB, "Play Default windows sound"},
        {d.CustomSoundRB, "Play custom sound"},
        {d.SoundEdit, "Path to filename with sound"},
        {d.PlayBtn, "Test selected sound"},
        {d.MessageCB, "Show message"},
        {d.MessageMemo, "Message text"},
        {d.RunCB, "Launch an application"},
        {d.AppLineEdit, "Application command line"},
        {d.AppLineEdit.BrowseBtn, "Browse for file ..."},
        {d.AppDirEdit, "Application startup folder"},
    };
    for (const auto& r : rows) EXPECT_EQ(r.control.Hint(), r.hint);
    // The calendar button carries a hint of its own, over its part of the date field.
    char text[80] = {};
    TTTOOLINFOA ti{};
    ti.cbSize = sizeof ti;
    ti.hwnd = d.DatePicker1.Handle();
    ti.uId = 1;
    ti.lpszText = text;
    SendMessageA(d.ToolTip(), TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&ti));
    EXPECT_STREQ(text, "Show calendar");
    EXPECT_EQ(d.SoundCB.Text() + "|" + d.MessageCB.Text() + "|" + d.OneTimeCB.Text() + "|" + d.RemoveCB.Text(),
              "Play a &sound|Show a &message|Alarm is one-time (reminder)|Remove after signal");
}

}  // namespace
