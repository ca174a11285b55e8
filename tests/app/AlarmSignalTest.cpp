#include "app/Main.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "../support/ModalHook.h"
#include "../support/WinTestSupport.h"
#include "alarms/AlarmFile.h"
#include "base/SystemClock.h"
#include "base/SystemTimeRecord.h"
#include "alarms/frmAlarmProp.h"
#include "alarms/frmAlarms.h"
#include "alarms/frmMessage.h"

namespace {

class TRecorder : public TSoundPlayer, public TProcessStarter {
public:
    void PlayAlias(const std::string& alias) override { actions.push_back("alias " + alias); }
    void PlayFile(const std::string& fileName) override { actions.push_back("file " + fileName); }
    void Loop(const std::string& sound, bool alias) override { actions.push_back("loop " + sound + (alias ? " alias" : "")); }
    void Stop() override { actions.push_back("stop"); }
    void Start(const std::string& commandLine, const std::string& startFolder) override
    {
        if (failStart) throw std::runtime_error("no thread");
        actions.push_back("start " + commandLine + " in " + startFolder);
    }
    std::vector<std::string> actions;
    bool failStart = false;
};

class TWakeRecorder : public TWakeTimer {
public:
    bool Set(std::int64_t utc, bool resume) override
    {
        calls.push_back("set " + std::to_string(utc) + (resume ? " resume" : ""));
        return true;
    }
    void Cancel() override { calls.push_back("cancel"); }
    std::vector<std::string> calls;
};

std::string SetAt(int y, int mo, int d, int h, int mi)
{
    std::int64_t s = 0;
    SecondsOf(Moment(y, mo, d, h, mi, 0), s);
    return "set " + std::to_string(s) + " resume";
}

class AlarmSignal : public testing::Test {
protected:
    AlarmSignal()
    {
        form.Services = {&recorder, &recorder, &clock};
        AlarmsForm = &list;
        list.AutoSaveData = [this] { return form.AutoSaveData(); };
        list.SaveAlarms = [this] { form.SaveAlarms(); };
    }
    ~AlarmSignal() override
    {
        FreeAlarms(Alarms);
        PumpMessages();
        AlarmsForm = nullptr;
        Application.CancelTerminate();
        DeleteFileA(AlarmFile().c_str());
        RemoveDirectoryA(folder.c_str());
    }

    TAlarm& Add(const std::string& name)
    {
        auto* alarm = new TAlarm;
        alarm->Name = name;
        alarm->Enabled = true;
        alarm->Kind = akReminder;
        alarm->SignalTime = clock.Now;
        Alarms.Add(alarm);
        list.AddAlarmRow(*alarm);
        return *alarm;
    }
    TAlarm& OneTimeRemovable(const std::string& name, bool message)
    {
        TAlarm& a = Add(name);
        a.OneTime = true;
        a.RemoveAfterSignal = true;
        a.MessageOn = message;
        return a;
    }
    std::string AlarmFile() const { return folder + "RoVudez.alm"; }
    // The names of the alarms in the file, or "none" when there is no file.
    std::string FileNames() const
    {
        TOvList<TAlarm> read;
        TWinFileAccess files;
        if (GetFileAttributesA(AlarmFile().c_str()) == INVALID_FILE_ATTRIBUTES) return "none";
        ReadAlarmsFile(read, folder, files);
        std::string names;
        for (int i = 0; i < read.Count(); ++i) names += read.Items(i)->Name + (read.Items(i)->Enabled ? ";" : " off;");
        FreeAlarms(read);
        return names;
    }
    std::vector<std::string> Rows() const
    {
        std::vector<std::string> rows;
        for (int i = 0; i < list.AlarmBox.Count(); ++i) rows.push_back(list.AlarmBox.Item(i));
        return rows;
    }
    static TMessageForm& Window(TAlarm& alarm, int index)
    {
        return *dynamic_cast<TMessageForm*>(alarm.MessageWindows.Items(index));
    }
    static void Close(TMessageForm& window)
    {
        SendMessageA(window.OkBtn.Handle(), BM_CLICK, 0, 0);
        PumpMessages();
    }
    void TickAt(const TSystemTime& now)
    {
        clock.Now = now;
        form.AlarmTimerTimer();
    }

    TScratchKey scratch{"Signal"};
    TRegKey root = scratch.Open();
    TScratchFolder scratchFolder{"Signal"};
    std::string folder = scratchFolder.Path();
    TClockForm form{[this] {
        TClockFormConfig c;
        c.DataFolder = folder;
        c.RegistryRoot = root.Handle();
        return c;
    }()};
    TAlarmsForm list;
    TRecorder recorder;
    TFakeClock clock{Moment(2026, 4, 1, 12, 0, 0)};
};

TEST_F(AlarmSignal, SoundFollowsTheAlarm)
{
    const struct {
        bool on;
        const char* file;
        const char* played;
    } cases[] = {{true, "(Default)", "alias .Default"},
                 {true, "C:\\ring.wav", "file C:\\ring.wav"},
                 {true, "(default)", "file (default)"},  // only the exact text means the system's sound
                 {false, "C:\\ring.wav", nullptr},
                 {false, "(Default)", nullptr}};
    for (const auto& c : cases) {
        recorder.actions.clear();
        TAlarm& a = Add("sound");
        a.SoundOn = c.on;
        a.SoundFile = c.file;
        form.SignalAlarm(a);
        EXPECT_EQ(recorder.actions, c.played ? std::vector<std::string>{c.played} : std::vector<std::string>{})
            << c.file;
    }
}

TEST_F(AlarmSignal, ActionsRunInOrderAndAFailedStartHoldsUpNothing)
{
    TAlarm& a = Add("all");
    a.SoundOn = true;
    a.SoundFile = "(Default)";
    a.MessageOn = true;
    a.RunOn = true;
    a.CommandLine = "notepad.exe note.txt";
    a.StartFolder = "C:\\notes";
    form.SignalAlarm(a);
    EXPECT_EQ(recorder.actions, (std::vector<std::string>{"alias .Default", "start notepad.exe note.txt in C:\\notes"}));
    ASSERT_EQ(a.MessageWindows.Count(), 1);
    EXPECT_EQ(GetForegroundWindow(), Window(a, 0).Handle());
    EXPECT_TRUE(a.Enabled);

    recorder.failStart = true;
    a.OneTime = true;
    form.SignalAlarm(a);
    EXPECT_EQ(a.MessageWindows.Count(), 2);  // each signal opens another window
    EXPECT_FALSE(a.Enabled);
}

TEST_F(AlarmSignal, OneTimeRemovableWithoutMessageGoesAtOnce)
{
    TAlarm& keep = Add("keep");
    OneTimeRemovable("gone", false);
    list.AlarmBox.SetItemIndex(1);
    TickAt(clock.Now);
    ASSERT_EQ(Alarms.Count(), 1);
    EXPECT_EQ(Alarms.Items(0), &keep);
    EXPECT_EQ(Rows().size(), 1u);
    EXPECT_FALSE(list.DelBtn.Enabled());
    EXPECT_EQ(FileNames(), "keep;");
}

TEST_F(AlarmSignal, NothingIsWrittenWithAutoSaveOff)
{
    form.Options->AutoSaveData = false;
    OneTimeRemovable("gone", false);
    TickAt(clock.Now);
    EXPECT_EQ(Alarms.Count(), 0);
    EXPECT_EQ(FileNames(), "none");
}

TEST_F(AlarmSignal, WithAMessageItStaysDisabledUntilItsWindowCloses)
{
    TAlarm& a = OneTimeRemovable("tea", true);
    TickAt(clock.Now);
    ASSERT_EQ(Alarms.Count(), 1);
    EXPECT_FALSE(a.Enabled);
    EXPECT_EQ(Rows().size(), 1u);
    EXPECT_EQ(FileNames(), "tea off;");
    Close(Window(a, 0));
    EXPECT_EQ(Alarms.Count(), 0);
    EXPECT_TRUE(Rows().empty());
    EXPECT_EQ(FileNames(), "");
}

// Written at once, once for the tick, so that a program ended any other way keeps it.
TEST_F(AlarmSignal, WhatATickDisablesOrDeletesIsSavedAtOnce)
{
    OneTimeRemovable("gone", false);
    Add("tea").OneTime = true;
    Add("stays");
    TickAt(clock.Now);
    EXPECT_EQ(FileNames(), "tea off;stays;");
}

TEST_F(AlarmSignal, AtExitAnAlarmOnlyItsMessageWindowKeepsGoesBeforeTheSave)
{
    Add("keep");
    TAlarm& kept = OneTimeRemovable("kept by its dialog", true);
    OneTimeRemovable("tea", true);
    TickAt(clock.Now);
    ASSERT_EQ(Alarms.Count(), 3);
    kept.PropDialog = &Window(kept, 0);  // stands for its open properties dialog
    form.CloseItemClick();
    kept.PropDialog = nullptr;
    EXPECT_EQ(FileNames(), "keep;kept by its dialog off;");
    EXPECT_EQ(Rows().size(), 2u);
}

// Passed while the program was closed: an hour late, and the window says when it was due.
TEST_F(AlarmSignal, AMissedOneTimeReminderRingsAtTheFirstTick)
{
    const struct {
        const char* name;
        bool oneTime, enabled, remove;
    } cases[] = {{"missed", true, true, false}, {"missed, removed", true, true, true},
                 {"not one-time", false, true, false}, {"disabled", true, false, false}};
    // A file written before the program kept what it had judged: no trailer after the records.
    TMemoryStream file;
    ASSERT_TRUE(WriteInt32(file, 4));
    for (const auto& c : cases) {
        auto* a = new TAlarm;
        a->Name = c.name;
        a->Kind = akReminder;
        a->SignalTime = Moment(2026, 4, 1, 11, 0, 0);
        a->OneTime = c.oneTime;
        a->Enabled = c.enabled;
        a->RemoveAfterSignal = c.remove;
        a->MessageOn = !c.remove;
        a->MessageText = "call back";
        ASSERT_TRUE(a->WriteToStream(file));
        delete a;
    }
    TWinFileAccess files;
    ASSERT_TRUE(files.ReplaceWholeFile(AlarmFile(), file.Bytes()));
    form.LoadAlarms();
    ASSERT_EQ(Alarms.Count(), 4);
    TAlarm& missed = *Alarms.Items(0);
    TickAt(clock.Now);
    TickAt(Moment(2026, 4, 1, 12, 0, 1));
    EXPECT_EQ(FileNames(), "missed off;not one-time;disabled off;");
    ASSERT_EQ(missed.MessageWindows.Count(), 1);
    for (int i = 1; i < Alarms.Count(); ++i) EXPECT_EQ(Alarms.Items(i)->MessageWindows.Count(), 0);
    SYSTEMTIME due = FromRecord(Moment(2026, 4, 1, 11, 0, 0));
    char time[64] = {};
    GetTimeFormatA(LOCALE_USER_DEFAULT, TIME_NOSECONDS, &due, nullptr, time, sizeof time);
    EXPECT_EQ(Window(missed, 0).TextMemo.Text(), std::string("Due at ") + time + "\r\ncall back");
}

// "Remind later" proposes now in the dialog: ticks meanwhile leave the alarm alone, and Cancel
// leaves it exactly as it was, so nothing rings again.
TEST_F(AlarmSignal, TicksWhileItsDialogIsOpenLeaveTheAlarmAlone)
{
    TAlarm& a = OneTimeRemovable("tea", true);
    a.Kind = akReminder;
    a.SignalTime = clock.Now;
    TickAt(clock.Now);
    ASSERT_EQ(a.MessageWindows.Count(), 1);
    const TSystemTime rang = a.SignalTime;
    clock.Now = Moment(2026, 4, 1, 12, 0, 30, 100);
    TModalHook hook([&](TForm& dialog) {
        for (int s = 30; s < 33; ++s) TickAt(Moment(2026, 4, 1, 12, 0, s, 900));
        dialog.SetModalResult(mrCancel);
    });
    SendMessageA(Window(a, 0).LaterBtn.Handle(), BM_CLICK, 0, 0);
    for (int s = 34; s < 37; ++s) TickAt(Moment(2026, 4, 1, 12, 0, s, 900));
    ASSERT_EQ(Alarms.Count(), 1);
    EXPECT_EQ(a.MessageWindows.Count(), 1);
    EXPECT_FALSE(a.Enabled);
    EXPECT_EQ(a.SignalTime, rang);
}

TEST_F(AlarmSignal, SignalledTwiceAfterRemindLaterGoesWithItsLastWindow)
{
    TAlarm& a = OneTimeRemovable("tea", true);
    form.SignalAlarm(a);
    Window(a, 0).ResheduleMenu.Find("In1minuteItem")->Click();
    EXPECT_TRUE(a.Enabled);
    form.SignalAlarm(a);
    ASSERT_EQ(a.MessageWindows.Count(), 2);
    Close(Window(a, 0));
    ASSERT_EQ(Alarms.Count(), 1);
    Close(Window(a, 0));
    EXPECT_EQ(Alarms.Count(), 0);
}

TEST_F(AlarmSignal, RemindLaterReenablesSoClosingDeletesNothing)
{
    TAlarm& a = OneTimeRemovable("tea", true);
    TickAt(clock.Now);
    ASSERT_EQ(FileNames(), "tea off;");
    clock.Now = Moment(2026, 4, 1, 23, 58, 10);
    Window(a, 0).ResheduleMenu.Find("In5minutesItem")->Click();
    // On disk at once: a crash now keeps the snooze.
    EXPECT_EQ(FileNames(), "tea;");
    EXPECT_EQ(a.SignalTime.wDay, 2);
    EXPECT_EQ(a.SignalTime.wHour * 10000 + a.SignalTime.wMinute * 100 + a.SignalTime.wSecond, 310);
    EXPECT_NE(Rows()[0].find(FormatDate(Moment(2026, 4, 2, 0, 3, 10))), std::string::npos) << Rows()[0];
    Close(Window(a, 0));
    EXPECT_EQ(Alarms.Count(), 1);
    EXPECT_TRUE(a.Enabled);
}

TEST_F(AlarmSignal, UsualAlarmTakesTheNewTimeOfDayForGood)
{
    TAlarm& a = Add("wake");
    a.Kind = akUsual;
    a.MessageOn = true;
    a.SignalTime = Moment(2026, 1, 1, 7, 0, 0);
    std::vector<std::string> signalled;
    auto tick = [&](int day, int h, int m, int s) {
        const int before = a.MessageWindows.Count();
        TickAt(Moment(2026, 4, day, h, m, s));
        if (a.MessageWindows.Count() > before) signalled.push_back(std::to_string(day) + " " + std::to_string(h * 10000 + m * 100 + s));
    };
    tick(1, 6, 59, 59);
    tick(1, 7, 0, 0);
    clock.Now = Moment(2026, 4, 1, 7, 0, 20);
    Window(a, 0).ResheduleMenu.Find("In10minutesItem")->Click();
    for (int day : {1, 2}) {
        tick(day, 6, 59, 59);
        tick(day, 7, 0, 1);
        tick(day, 7, 10, 19);
        tick(day, 7, 10, 21);  // a late tick still catches 07:10:20
        tick(day, 7, 10, 21);
    }
    EXPECT_EQ(signalled, (std::vector<std::string>{"1 70000", "1 71021", "2 71021"}));
}

TEST_F(AlarmSignal, CustomWhileItsDialogIsOpenOnlyBringsTheDialogForward)
{
    TAlarm& a = Add("tea");
    a.MessageOn = true;
    form.SignalAlarm(a);
    TMessageForm& window = Window(a, 0);
    int dialogs = 0;
    bool forward = false;
    TModalHook hook([&](TForm& dialog) {
        ++dialogs;
        if (dialogs == 1) {
            const TSystemTime before = a.SignalTime;
            SetForegroundWindow(window.Handle());
            window.ResheduleMenu.Find("ModifyItem")->Click();
            forward = GetForegroundWindow() == dialog.Handle();
            window.ResheduleMenu.Find("In1minuteItem")->Click();
            EXPECT_EQ(a.SignalTime, before);
        }
        dialog.SetModalResult(mrCancel);
    });
    EXPECT_FALSE(EditAlarm(a));
    EXPECT_EQ(dialogs, 1);
    EXPECT_TRUE(forward);
    EXPECT_EQ(a.PropDialog, nullptr);
}

TEST_F(AlarmSignal, CustomOpensTheDialogAndOkUpdatesTheRow)
{
    TAlarm& a = Add("tea");
    a.MessageOn = true;
    form.SignalAlarm(a);
    clock.Now = Moment(2026, 4, 1, 9, 30, 0);
    TModalHook hook([&](TForm& dialog) {
        auto& prop = static_cast<TAlPropForm&>(dialog);
        EXPECT_EQ(prop.Alarm(), &a);
        prop.NameEdit.SetText("tea at nine thirty");
        dialog.SetModalResult(mrOk);
    });
    SendMessageA(Window(a, 0).LaterBtn.Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(a.Name, "tea at nine thirty");
    EXPECT_EQ(a.SignalTime.wHour * 100 + a.SignalTime.wMinute, 930);
    EXPECT_TRUE(a.Enabled);
    EXPECT_NE(Rows()[0].find("tea at nine thirty"), std::string::npos);
}

TEST_F(AlarmSignal, AddReminderProposesTheMomentAndCancelAddsNothing)
{
    clock.Now = Moment(2026, 4, 1, 10, 0, 0);
    TMenuItem& in15 = *form.Popup.Find("In15minutes1");
    EXPECT_EQ(in15.Tag, 15);
    for (int result : {mrCancel, mrOk}) {
        TModalHook hook([&](TForm& dialog) {
            auto& prop = static_cast<TAlPropForm&>(dialog);
            EXPECT_TRUE(prop.ReminderRB.Checked());
            TAlarm proposed;
            prop.WriteBack(proposed);
            EXPECT_EQ(proposed.SignalTime.wHour * 100 + proposed.SignalTime.wMinute, 1015);
            EXPECT_EQ(proposed.Kind, akReminder);
            dialog.SetModalResult(result);
        });
        in15.Click();
    }
    ASSERT_EQ(Alarms.Count(), 1);
    EXPECT_EQ(Alarms.Items(0)->Kind, akReminder);
    EXPECT_EQ(Rows().size(), 1u);
    EXPECT_EQ(FileNames(), Alarms.Items(0)->Name + ";");
}

TEST_F(AlarmSignal, EveryAddReminderItemPresetsItsMinutes)
{
    clock.Now = Moment(2026, 4, 1, 23, 50, 0);
    form.Options->SetDblClickAction(dcaAddReminder);
    const struct {
        TPopupMenu* menu;  // none: a double-click on the caption band
        const char* item;
        int minutes;
    } cases[] = {{&form.Popup, "In1minute1", 1},       {&form.Popup, "In10minutes1", 10},
                 {&form.Popup, "CustomItem", 0},       {&form.TrayMenu, "In5minutes2", 5},
                 {&form.TrayMenu, "In15minutes2", 15}, {&form.TrayMenu, "Custom1", 0},
                 {nullptr, "double-click", 0}};
    for (const auto& c : cases) {
        int proposed = -1;
        TModalHook hook([&](TForm& dialog) {
            TAlarm a;
            static_cast<TAlPropForm&>(dialog).WriteBack(a);
            proposed = static_cast<int>(SystemTimeToDateTime(a.SignalTime) * 1440 + 0.5) -
                       static_cast<int>(SystemTimeToDateTime(clock.Now) * 1440 + 0.5);
            dialog.SetModalResult(mrCancel);
        });
        if (c.menu)
            c.menu->Find(c.item)->Click();
        else
            SendMessageA(form.Handle(), WM_NCLBUTTONDBLCLK, HTCAPTION, 0);
        EXPECT_EQ(proposed, c.minutes) << c.item;
    }
    EXPECT_EQ(Alarms.Count(), 0);
}

TEST_F(AlarmSignal, DeletingTheAlarmInTheListDisablesRemindLater)
{
    TAlarm& a = Add("tea");
    a.MessageOn = true;
    form.SignalAlarm(a);
    TMessageForm& window = Window(a, 0);
    list.AlarmBox.SetItemIndex(0);
    list.DelBtnClick();
    EXPECT_EQ(Alarms.Count(), 0);
    EXPECT_EQ(window.Alarm, nullptr);
    EXPECT_FALSE(window.LaterBtn.Enabled());
    EXPECT_TRUE(window.Visible());
    window.ModifyItemClick(nullptr);  // nothing to remind of
    Close(window);
    EXPECT_EQ(FindWindowA("TMessageForm", nullptr), nullptr);
}

TEST_F(AlarmSignal, OpenWindowsDoNotOutliveTheClockWindow)
{
    TAlarm* a = nullptr;
    {
        TClockFormConfig c;
        c.DataFolder = folder;
        c.RegistryRoot = root.Handle();
        TClockForm other(c);
        other.Services = {&recorder, &recorder, &clock};
        a = &Add("tea");
        a->MessageOn = true;
        other.SignalAlarm(*a);
        other.SignalAlarm(*a);
    }
    EXPECT_EQ(a->MessageWindows.Count(), 0);
    EXPECT_EQ(FindWindowA("TMessageForm", nullptr), nullptr);
}


// The tray tip names the soonest alarm, in the program's code page, and follows the alarms at the
// next tick, however they were changed.
TEST_F(AlarmSignal, TheTrayTipNamesTheNextAlarm)
{
    TickAt(Moment(2026, 3, 2, 12, 0, 0));
    EXPECT_EQ(form.TrayIcon.Tip(), "Doviz Clock");
    TAlarm& wake = Add("Wake up");
    wake.SignalTime = Moment(2026, 3, 3, 7, 30, 0);
    TAlarm& later = Add("Later");
    later.SignalTime = Moment(2026, 3, 4, 7, 30, 0);
    TickAt(Moment(2026, 3, 2, 12, 0, 1));
    EXPECT_EQ(form.TrayIcon.Tip(), "Doviz Clock \x96 next alarm Tue 07:30 Wake up");
    wake.Enabled = false;
    TickAt(Moment(2026, 3, 2, 12, 0, 2));
    EXPECT_EQ(form.TrayIcon.Tip(), "Doviz Clock \x96 next alarm Wed 07:30 Later");
    later.Enabled = false;
    TickAt(Moment(2026, 3, 2, 12, 0, 3));
    EXPECT_EQ(form.TrayIcon.Tip(), "Doviz Clock");
}

// With RepeatSound on, a message window's sound repeats: the newest window's alone, until that
// window is answered (OK, Esc, the close box, "Remind later") or ten minutes have gone by, when
// the window says so. Without a window the sound plays once. (Esc and the close box close the
// window as OK does.)
TEST_F(AlarmSignal, ASoundRepeatsUntilItsWindowIsAnswered)
{
    form.Options->RepeatSound = true;
    TAlarm& first = Add("first");
    first.Kind = akUsual;
    first.SoundOn = first.MessageOn = true;
    first.SoundFile = "(Default)";
    TAlarm& second = Add("second");
    second.SoundOn = second.MessageOn = true;
    second.SoundFile = "C:\\ring.wav";
    TAlarm& quiet = Add("quiet");
    quiet.SoundOn = true;
    quiet.SoundFile = "(Default)";
    second.SignalTime = quiet.SignalTime = Moment(2026, 4, 1, 12, 1, 0);
    TMenuItem fiveMinutes("later5", "In 5 minutes", {}, 5);
    const struct {
        const char* what;
        std::function<void()> act;
        std::vector<std::string> heard;
    } steps[] = {
        {"the first rings", [&] { TickAt(Moment(2026, 4, 1, 12, 0, 0)); }, {"loop .Default alias"}},
        {"a newer one takes over; one without a window plays once",
         [&] { TickAt(Moment(2026, 4, 1, 12, 1, 0)); }, {"loop C:\\ring.wav", "alias .Default"}},
        {"OK on the newest: the first sounds again", [&] { Close(Window(second, 0)); }, {"loop .Default alias"}},
        {"ten minutes after the first", [&] { TickAt(Moment(2026, 4, 1, 12, 10, 0)); }, {"stop"}},
        {"it rings again", [&] { TickAt(Moment(2026, 4, 2, 12, 0, 0)); }, {"loop .Default alias"}},
        {"Remind later on its second window",
         [&] { Window(first, 1).ModifyItemClick(&fiveMinutes); }, {"stop"}},
        {"and the close box on the first", [&] { SendMessageA(Window(first, 0).Handle(), WM_CLOSE, 0, 0); }, {}},
    };
    for (const auto& step : steps) {
        recorder.actions.clear();
        step.act();
        EXPECT_EQ(recorder.actions, step.heard) << step.what;
        if (std::string(step.what) == "ten minutes after the first") {
            EXPECT_EQ(Window(first, 0).TextMemo.Text().rfind("Rang for 10 minutes\r\n", 0), 0u);
        }
    }
    while (first.MessageWindows.Count() > 0) Close(Window(first, 0));
}

// While WakeForAlarms is on, the wake timer stands at the next alarm, in UTC and with resume,
// after every kind of change; off cancels it. The system hears only of a new moment.
TEST_F(AlarmSignal, TheWakeTimerFollowsTheNextAlarm)
{
    TWakeRecorder wake;
    form.Services.Wake = &wake;
    TAlarm& daily = Add("daily");
    daily.Kind = akUsual;
    daily.SignalTime = Moment(2026, 1, 1, 7, 30, 0);
    TAlarm* sooner = nullptr;
    const struct {
        const char* what;
        std::function<void()> act;
        std::vector<std::string> calls;
    } steps[] = {
        {"off: nothing", [] {}, {}},
        {"on", [&] { form.Options->WakeForAlarms = true; }, {SetAt(2026, 4, 2, 7, 30)}},
        {"a tick that changes nothing", [] {}, {}},
        {"a sooner alarm added",
         [&] {
             sooner = &Add("sooner");
             sooner->SignalTime = Moment(2026, 4, 1, 18, 0, 0);
         },
         {SetAt(2026, 4, 1, 18, 0)}},
        {"its signal", [&] { clock.Now = Moment(2026, 4, 1, 18, 0, 0); }, {SetAt(2026, 4, 2, 7, 30)}},
        {"a zone two hours east", [&] { clock.East = 7200; }, {SetAt(2026, 4, 2, 5, 30)}},
        {"the clock set forward past it, as after a resume",
         [&] { clock.Now = Moment(2026, 4, 2, 8, 0, 0); }, {SetAt(2026, 4, 3, 5, 30)}},
        {"a resume: set again, since the timer that woke the computer is spent",
         [&] { SendMessageA(form.Handle(), WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 0); },
         {SetAt(2026, 4, 3, 5, 30)}},
        {"the alarm disabled", [&] { daily.Enabled = false; }, {"cancel"}},
        {"enabled again, the option off", [&] { daily.Enabled = true, form.Options->WakeForAlarms = false; }, {}},
        {"on again", [&] { form.Options->WakeForAlarms = true; }, {SetAt(2026, 4, 3, 5, 30)}},
        {"off", [&] { form.Options->WakeForAlarms = false; }, {"cancel"}},
    };
    for (const auto& step : steps) {
        wake.calls.clear();
        step.act();
        form.AlarmTimerTimer();
        EXPECT_EQ(wake.calls, step.calls) << step.what;
    }
    while (sooner && sooner->MessageWindows.Count() > 0) Close(Window(*sooner, 0));
    form.Services.Wake = nullptr;
}

// The system's timer is set with resume and signals when due, into a program that is awake.
TEST(WinWakeTimer, SignalsWhenDue)
{
    TWinWakeTimer timer;
    std::int64_t utc = 0;
    ASSERT_TRUE(SecondsOf(SystemClock().UtcNow(), utc));
    ASSERT_TRUE(timer.Set(utc + 3600, true));
    EXPECT_EQ(WaitForSingleObject(timer.Handle(), 100), WAIT_TIMEOUT);
    ASSERT_TRUE(timer.Set(utc + 1, true));
    EXPECT_EQ(WaitForSingleObject(timer.Handle(), 5000), WAIT_OBJECT_0);
    timer.Cancel();
}

}  // namespace
