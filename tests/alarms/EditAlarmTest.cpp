#include "alarms/frmAlarmProp.h"

#include <gtest/gtest.h>

#include <mmsystem.h>

#include <string>
#include <vector>

#include "../support/Input.h"
#include "AlarmDialogTestSupport.h"
#include "alarms/frmCronMask.h"
#include "widgets/Application.h"
#include "widgets/FileDialogs.h"

namespace {

std::unique_ptr<TAlarm> UsualAlarm()
{
    auto a = std::make_unique<TAlarm>();
    a->Name = "Tea";
    a->Kind = akUsual;
    a->SignalTime = Moment(2026, 5, 6, 16, 45, 10);
    a->Enabled = true;
    return a;
}

// Edits the alarm; act works in the open dialog and closes it.
bool Edit(TAlarm& alarm, const std::function<void(TAlPropForm&)>& act)
{
    TModalHook actor([&](TForm& f) {
        auto& d = dynamic_cast<TAlPropForm&>(f);
        EXPECT_EQ(alarm.PropDialog, &d);
        act(d);
    });
    return EditAlarm(alarm);
}

TEST(EditAlarm, OkWithoutTouchingAnythingWritesBackWhatTheControlsShow)
{
    struct Case {
        const char* what;
        std::function<void(TAlarm&)> set;
        std::function<void(const TAlarm&)> check;
    } cases[] = {
        {"sound off with a custom file: the file becomes the default",
         [](TAlarm& a) { a.SoundOn = false, a.SoundFile = "C:\\bell.wav"; },
         [](const TAlarm& a) { EXPECT_FALSE(a.SoundOn); EXPECT_EQ(a.SoundFile, "(Default)"); }},
        {"sound on with a custom file that doesn't exist: kept",
         [](TAlarm& a) { a.SoundOn = true, a.SoundFile = "C:\\no\\such.wav"; },
         [](const TAlarm& a) { EXPECT_TRUE(a.SoundOn); EXPECT_EQ(a.SoundFile, "C:\\no\\such.wav"); }},
        {"message off: its text is emptied",
         [](TAlarm& a) { a.MessageOn = false, a.MessageText = "old"; },
         [](const TAlarm& a) { EXPECT_FALSE(a.MessageOn); EXPECT_EQ(a.MessageText, ""); }},
        {"message on: its text, line breaks and all",
         [](TAlarm& a) { a.MessageOn = true, a.MessageText = "one\r\ntwo"; },
         [](const TAlarm& a) { EXPECT_EQ(a.MessageText, "one\r\ntwo"); }},
        {"run off: the old command line and folder stay",
         [](TAlarm& a) { a.RunOn = false, a.CommandLine = "notepad.exe", a.StartFolder = "C:\\"; },
         [](const TAlarm& a) { EXPECT_FALSE(a.RunOn); EXPECT_EQ(a.CommandLine + a.StartFolder, "notepad.exeC:\\"); }},
        {"cron, once a day",
         [](TAlarm& a) { a.Kind = akCron, a.CronMask = "0;12 * * * *", a.OnceADay = true, a.SignalTime = {}; },
         [](const TAlarm& a) { EXPECT_EQ(a.Kind, akCron); EXPECT_EQ(a.CronMask, "0;12 * * * *"); EXPECT_TRUE(a.OnceADay); }},
        {"a reminder that is not one-time: Reminder checks one-time, the alarm's value unchecks it again",
         [](TAlarm& a) {
             a.Kind = akReminder, a.SignalTime = Moment(2027, 2, 28, 9, 5, 7), a.OneTime = false;
             a.RemoveAfterSignal = false;
         },
         [](const TAlarm& a) {
             EXPECT_EQ(a.Kind, akReminder); EXPECT_FALSE(a.OneTime); EXPECT_FALSE(a.RemoveAfterSignal);
             EXPECT_EQ(a.SignalTime, Moment(2027, 2, 28, 9, 5, 7)) << a.SignalTime.wDayOfWeek;
         }},
        {"one-time without removal", [](TAlarm& a) { a.OneTime = true, a.RemoveAfterSignal = false; },
         [](const TAlarm& a) { EXPECT_TRUE(a.OneTime); EXPECT_FALSE(a.RemoveAfterSignal); }},
        {"disabled", [](TAlarm& a) { a.Enabled = false; }, [](const TAlarm& a) { EXPECT_FALSE(a.Enabled); }},
        {"usual: its time of day", [](TAlarm&) {},
         [](const TAlarm& a) {
             EXPECT_EQ(a.Kind, akUsual);
             EXPECT_EQ(a.SignalTime.wHour * 10000 + a.SignalTime.wMinute * 100 + a.SignalTime.wSecond, 164510);
         }},
        {"a reminder once a day", [](TAlarm& a) { a.Kind = akReminder, a.OnceADay = true; },
         [](const TAlarm& a) { EXPECT_EQ(a.Kind, akReminder); EXPECT_TRUE(a.OnceADay); }},
    };
    // The semicolon mask matches no minute: asked, it is kept as typed.
    Application.MessageBoxHook = [](const std::string&, const std::string&, UINT) { return IDYES; };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto alarm = UsualAlarm();
        c.set(*alarm);
        EXPECT_TRUE(Edit(*alarm, [](TAlPropForm& d) { Click(d.OkBtn); }));
        c.check(*alarm);
        EXPECT_EQ(alarm->Name, "Tea");
        EXPECT_EQ(alarm->PropDialog, nullptr);
    }
    Application.MessageBoxHook = nullptr;
}

TEST(EditAlarm, ChangesMadeInTheDialogReachTheAlarmOnlyOnOk)
{
    auto alarm = UsualAlarm();
    alarm->Kind = akCron;
    alarm->CronMask = "0 8 * * *";
    alarm->CommandLine = "old.exe";
    alarm->StartFolder = "C:\\old";
    // Cancel leaves every field as it was.
    EXPECT_FALSE(Edit(*alarm, [](TAlPropForm& d) {
        d.NameEdit.SetText("Changed");
        Click(d.UsualRB);
        Click(d.CancelBtn);
    }));
    EXPECT_EQ(alarm->Name, "Tea");
    EXPECT_EQ(alarm->Kind, akCron);
    EXPECT_EQ(alarm->PropDialog, nullptr);

    // Cron to usual keeps the mask; run switched on stores the new command line.
    EXPECT_TRUE(Edit(*alarm, [](TAlPropForm& d) {
        EXPECT_EQ(d.CronEdit.Text(), "0 8 * * *");
        Click(d.UsualRB);
        d.TimePicker1.SetTime(FromRecord(Moment(2000, 1, 1, 6, 15, 0)));
        Click(d.RunCB);
        d.AppLineEdit.SetText("new.exe /x");
        d.AppDirEdit.SetText("C:\\new");
        Click(d.EnabledCB);
        Click(d.OkBtn);
    }));
    EXPECT_EQ(alarm->Kind, akUsual);
    EXPECT_EQ(alarm->CronMask, "0 8 * * *");
    EXPECT_EQ(alarm->SignalTime.wHour * 100 + alarm->SignalTime.wMinute, 615);
    EXPECT_TRUE(alarm->RunOn);
    EXPECT_EQ(alarm->CommandLine + "|" + alarm->StartFolder, "new.exe /x|C:\\new");
    // The actions are stored although the disabled alarm greyed them out.
    EXPECT_FALSE(alarm->Enabled);

    // Run switched off again: the command line and folder stay.
    EXPECT_TRUE(Edit(*alarm, [](TAlPropForm& d) {
        EXPECT_EQ(d.AppLineEdit.Text(), "new.exe /x");
        Click(d.RunCB);
        d.AppLineEdit.SetText("ignored.exe");
        Click(d.OkBtn);
    }));
    EXPECT_FALSE(alarm->RunOn);
    EXPECT_EQ(alarm->CommandLine, "new.exe /x");
}

TEST(EditAlarm, ARecordThatCantBeShownFailsBeforeTheDialogOpens)
{
    struct Case {
        TAlarmKind kind;
        TSystemTime time;
        const char* sound;
        const char* error;
    } cases[] = {
        {akUsual, TSystemTime{}, "(Default)", "Invalid argument to date encode"},
        {akReminder, TSystemTime{2026, 2, 0, 30, 8}, "(Default)", "Invalid argument to date encode"},
        {akUsual, Moment(2026, 2, 3, 25, 0), "(Default)", "Invalid argument to time encode"},
        {akUsual, Moment(2026, 2, 3, 8, 0), "bad|name.wav", "Invalid file name - bad|name.wav"},
    };
    for (const auto& c : cases) {
        TAlarm alarm;
        alarm.Kind = c.kind;
        alarm.SignalTime = c.time;
        alarm.SoundOn = true;
        alarm.SoundFile = c.sound;
        TModalHook actor([](TForm& f) { f.SetModalResult(mrOk); });
        try {
            EditAlarm(alarm);
            ADD_FAILURE() << "no error for " << c.error;
        } catch (const std::exception& e) {
            EXPECT_STREQ(e.what(), c.error);
        }
        EXPECT_EQ(actor.Shown(), 0);
        EXPECT_EQ(alarm.PropDialog, nullptr);
        EXPECT_EQ(alarm.SignalTime, c.time);
    }
    // A cron alarm never looks at its time.
    TAlarm cron;
    cron.Kind = akCron;
    cron.CronMask = "* * * * *";
    EXPECT_TRUE(Edit(cron, [](TAlPropForm& d) { Click(d.OkBtn); }));
}

// Deleted from the alarm list while its dialog is open: OK and Cancel alike write nothing, and the
// user is told why the dialog went.
TEST(EditAlarm, AnAlarmDeletedWhileItsDialogIsOpenIsNotWrittenTo)
{
    std::vector<std::string> told;
    Application.MessageBoxHook = [&](const std::string& text, const std::string&, UINT) {
        told.push_back(text);
        return IDOK;
    };
    for (bool ok : {true, false}) {
        TOvList<TAlarm> list;
        list.Add(UsualAlarm().release());
        TAlarm& alarm = *list.Items(0);
        EXPECT_FALSE(Edit(alarm, [&](TAlPropForm& d) {
            d.NameEdit.SetText("Changed");
            DeleteAlarm(list, 0);
            EXPECT_EQ(d.Alarm(), nullptr);
            Click(ok ? d.OkBtn : d.CancelBtn);
        }));
        EXPECT_EQ(list.Count(), 0);
    }
    Application.MessageBoxHook = nullptr;
    EXPECT_EQ(told, std::vector<std::string>(2, "This alarm has been deleted."));
}

TEST(EditAlarm, ModifyOnAnAlarmWhoseDialogIsOpenBringsThatDialogForward)
{
    auto alarm = UsualAlarm();
    HWND other = CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr,
                                 nullptr, nullptr);
    bool second = true, forward = false;
    int calls = 0;
    TModalHook actor([&](TForm& f) {
        if (++calls == 1) {
            SetForegroundWindow(other);
            second = EditAlarm(*alarm);
            forward = GetForegroundWindow() == f.Handle();
        }
        f.SetModalResult(mrCancel);
    });
    EXPECT_FALSE(EditAlarm(*alarm));
    DestroyWindow(other);
    EXPECT_EQ(actor.Shown(), 1);
    EXPECT_FALSE(second);
    EXPECT_TRUE(forward);
}

TEST(EditAlarm, EscInTheMessageBoxCancelsAndTabLeavesIt)
{
    auto alarm = UsualAlarm();
    alarm->SoundOn = alarm->MessageOn = alarm->RunOn = true;
    alarm->MessageText = "Kettle";
    alarm->CommandLine = "tea.exe";
    EXPECT_FALSE(Edit(*alarm, [](TAlPropForm& d) {
        auto key = [&](WORD vk) { FocusAndPress(d.MessageMemo.Handle(), vk); };
        key(VK_TAB);
        EXPECT_EQ(GetFocus(), d.RunCB.Handle());
        d.NameEdit.SetText("Changed");
        key(VK_ESCAPE);
        EXPECT_EQ(d.ModalResult(), mrCancel);
        EXPECT_TRUE(IsWindow(d.MessageMemo.Handle()));
    }));
    EXPECT_EQ(alarm->Name, "Tea");
    EXPECT_TRUE(alarm->SoundOn && alarm->MessageOn && alarm->RunOn);
    EXPECT_EQ(alarm->MessageText + "|" + alarm->CommandLine, "Kettle|tea.exe");
}

TEST(AlPropCommands, PlayPlaysTheDefaultOrAnExistingFileOnly)
{
    struct TPlayed : TSoundPlayer {
        void PlayAlias(const std::string& alias) override { heard.push_back("alias " + alias); }
        void PlayFile(const std::string& file) override { heard.push_back("file " + file); }
        void Loop(const std::string& sound, bool) override { heard.push_back("loop " + sound); }
        void Stop() override { heard.push_back("stop"); }
        std::vector<std::string> heard;
    } played;
    PropSoundPlayer = &played;
    TScratchFolder sounds("Sounds");
    const std::string wav = sounds.Make("ring.wav");
    {
        TAlPropForm d;
        d.SoundCB.SetChecked(true);
        Click(d.PlayBtn);
        d.CustomSoundRB.SetChecked(true);
        d.SoundEdit.SetText(wav + ".gone");
        d.PlayBtnClick();
        d.SoundEdit.SetText(wav);
        Click(d.PlayBtn);
    }
    PropSoundPlayer = nullptr;
    EXPECT_EQ(played.heard, (std::vector<std::string>{"alias .Default", "file " + wav}));
}

TEST(AlPropCommands, BrowseButtonsFillTheirFields)
{
    TAlPropForm d;
    d.SoundCB.SetChecked(true);
    d.CustomSoundRB.SetChecked(true);
    d.RunCB.SetChecked(true);
    d.AppDirEdit.SetText("C:\\was");
    d.AppLineEdit.SetText("\"C:\\Program Files\\a.exe\" /x y");
    std::vector<std::string> titles, starts;
    OpenFileHook = [&](OPENFILENAMEA& ofn) {
        titles.push_back(ofn.lpstrTitle);
        starts.push_back(ofn.lpstrFile);
        strcpy(ofn.lpstrFile, titles.size() == 1 ? "C:\\a.wav" : "C:\\Program Files\\b.exe");
        return TRUE;
    };
    std::string folderTitle, folderStart;
    BrowseFolderHook = [&](const BROWSEINFOA& bi) -> std::optional<std::string> {
        folderTitle = bi.lpszTitle;
        return std::string("C:\\chosen");
    };
    Click(d.SoundEdit.BrowseBtn);
    Click(d.AppLineEdit.BrowseBtn);
    Click(d.DirBtn);
    OpenFileHook = nullptr;
    BrowseFolderHook = nullptr;
    EXPECT_EQ(titles, (std::vector<std::string>{"Sounds", "Application "}));
    // The program browsed from is the command line's; the chosen one is quoted, the arguments stay.
    EXPECT_EQ(starts, (std::vector<std::string>{"", "C:\\Program Files\\a.exe"}));
    EXPECT_EQ(d.SoundEdit.Text() + "|" + d.AppLineEdit.Text() + "|" + d.AppDirEdit.Text(),
              "C:\\a.wav|\"C:\\Program Files\\b.exe\" /x y|C:\\chosen");
    EXPECT_EQ(folderTitle, "Startup folder");
}

TEST(AlPropCommands, MaskButtonEditsTheMaskInAFreshCronEditor)
{
    TAlPropForm d;
    d.CronRB.SetChecked(true);
    d.CronEdit.SetText("0 8 * * *");
    std::string shown;
    {
        TModalHook actor([&](TForm& f) {
            auto& editor = dynamic_cast<TCronMaskForm&>(f);
            shown = editor.MaskEdit.Text();
            editor.MinList.SetSelected(30, true);
            editor.MasksFromLists();
            Click(editor.OkBtn);
        });
        Click(d.MaskEditBtn);
    }
    EXPECT_EQ(shown, "0 8 * * *");
    EXPECT_EQ(d.CronEdit.Text(), "0,30 8 * * *");
    {
        TModalHook actor([&](TForm& f) {
            auto& editor = dynamic_cast<TCronMaskForm&>(f);
            editor.MaskEdit.SetText("5 8 * * *");
            SendMessageA(f.Handle(), WM_CLOSE, 0, 0);
        });
        Click(d.MaskEditBtn);
    }
    EXPECT_EQ(d.CronEdit.Text(), "0,30 8 * * *");
}

}  // namespace
