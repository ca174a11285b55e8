#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "../support/Input.h"
#include "../support/ModalHook.h"
#include "../support/WinTestSupport.h"
#include "RecordingTarget.h"
#include "options/MemoryStore.h"
#include "options/frmOpt.h"

namespace {

// Runs the dialog on the options; act works on it as a user would and must close it.
void RunDialog(TClockOptions& options, const std::function<void(TOptForm&)>& act)
{
    TModalHook hook([&](TForm& f) { act(static_cast<TOptForm&>(f)); });
    RunOptionsDialog(options);
}

struct TBoxRow {
    const char* option;
    TCheckBox TOptForm::*box;
    bool (*get)(const TClockOptions&);
    void (*set)(TClockOptions&, bool);
    const char* call;  // what the window is told when the box is turned over from the default
};

#define DOVIZ_BOX(option, box, call)                                                                 \
    {#option, &TOptForm::box, [](const TClockOptions& o) { return bool(o.option()); },              \
     [](TClockOptions& o, bool v) { o.Set##option(v); }, call}

const TBoxRow boxes[] = {
    DOVIZ_BOX(OnTop, OnTopCB, "SetTopMost 0"),
    DOVIZ_BOX(ShowDate, DateCB, "ApplyLayout -CD-"),
    DOVIZ_BOX(ShowCaption, CaptionCB, "ApplyLayout ----"),
    DOVIZ_BOX(ShowHint, HintCB, "ApplyLayout -C-L"),
    DOVIZ_BOX(ShowTrayIcon, ShowTrayCB, "SetTrayIconAlways 1"),
    DOVIZ_BOX(ShowSecs, ShowSecCB, "SetLocalSeconds 0"),
    DOVIZ_BOX(DayTime, DayTimeCB, "SetDaylightAdjust 1"),
    DOVIZ_BOX(ShowTZSecs, ShowTZSecsCB, "SetZoneSeconds 1"),
    DOVIZ_BOX(StartWithWindows, StartWithWindowsCB, "SetStartWithWindows 1"),
    DOVIZ_BOX(ZoneDST, ZoneDSTCB, "SetZoneDaylight 1"),
    {"AutoSaveData", &TOptForm::AutoSaveDataCB, [](const TClockOptions& o) { return bool(o.AutoSaveData); },
     [](TClockOptions& o, bool v) { o.AutoSaveData = v; }, nullptr},
    {"RepeatSound", &TOptForm::RepeatSoundCB, [](const TClockOptions& o) { return bool(o.RepeatSound); },
     [](TClockOptions& o, bool v) { o.RepeatSound = v; }, nullptr},
    {"WakeForAlarms", &TOptForm::WakeForAlarmsCB, [](const TClockOptions& o) { return bool(o.WakeForAlarms); },
     [](TClockOptions& o, bool v) { o.WakeForAlarms = v; }, nullptr},
};

#undef DOVIZ_BOX

std::string Shown(const TOptForm& form)
{
    std::string s;
    for (const auto& row : boxes) s += std::string(row.option) + "=" + ((form.*row.box).Checked() ? "1 " : "0 ");
    s += std::string("Horz=") + (form.HorzRB.Checked() ? "1" : "0") + " Vert=" + (form.VertRB.Checked() ? "1" : "0");
    return s + " Action=" + std::to_string(form.ActionCombo.ItemIndex());
}

std::string Held(const TClockOptions& options)
{
    std::string s;
    for (const auto& row : boxes) s += std::string(row.option) + "=" + (row.get(options) ? "1 " : "0 ");
    s += std::string("Horz=") + (options.VertLayout() ? "0" : "1") + " Vert=" + (options.VertLayout() ? "1" : "0");
    return s + " Action=" + std::to_string(int(options.DblClickAction()));
}

TEST(OptForm, ShowsEveryControlWhereAndAsTheDialogTableSays)
{
    TOptForm form;
    struct Row {
        const TControl& control;
        const TControl* panel;
        const char* caption;
        int left, top;
        const char* hint;
    };
    const TControl* upper = &form.UpperPanel;
    const TControl* lower = &form.LowerPanel;
    const Row rows[] = {
        {form.OnTopCB, upper, "Always on top", 8, 8, "Clock always stays on top"},
        {form.DateCB, upper, "Show dates", 168, 8, "Show date in every clock"},
        {form.CaptionCB, upper, "Show caption", 8, 32, "Show clock caption"},
        {form.HintCB, upper, "Show labels", 168, 32, "Show clock labels in every clock"},
        {form.ShowTrayCB, upper, "Always show tray icon", 8, 56,
         "Show Doviz Clock icon in tray (left to the system clock) \r\neven when the clock is not minimized"},
        {form.ShowSecCB, upper, "Seconds for local time", 168, 56, "Show seconds in local-time clock"},
        {form.DayTimeCB, upper, "Daylight time adjustment", 8, 80,
         "Correct time acording to daylight saving time adjustment"},
        {form.ShowTZSecsCB, upper, "Seconds for other clocks", 168, 80, "Show seconds in time zone clocks"},
        {form.AutoSaveDataCB, upper, "Autosave clock && alarm settings", 8, 104,
         "Automatically save clock and alarms settings on change"},
        {form.StartWithWindowsCB, upper, "Start with Windows", 8, 128,
         "Start Doviz Clock whenever you log on to Windows"},
        {form.ZoneDSTCB, upper, "Daylight saving per zone", 168, 128,
         "Each time-zone clock follows its own zone's daylight saving rules"},
        {form.RepeatSoundCB, upper, "Repeat the sound until the message is closed", 8, 152,
         "A ringing alarm keeps sounding until its message window is closed or reminded later"},
        {form.WakeForAlarmsCB, upper, "Wake the computer for alarms", 8, 176,
         "Wakes the computer from sleep for the next alarm, where the computer allows it"},
        // The new rows move everything under them down by their height.
        {form.Label2, upper, "Double-click action:", 8, 200, ""},
        {form.ActionCombo, upper, "", 104, 200,
         "Action to be taken, when tray icon or caption \r\nis double-clicked with the left mouse button"},
        {form.LowerPanel, nullptr, "", 0, 241, "Clock layout"},
        {form.Label1, lower, "Layout:", 8, 8, ""},
        {form.HorzRB, lower, "Horizontal", 56, 8, ""},
        {form.VertRB, lower, "Vertical", 144, 8, ""},
        {form.OkBtn, nullptr, "OK", 81, 280, ""},
        {form.CancelBtn, nullptr, "Cancel", 161, 280, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.caption);
        HWND parent = row.panel ? row.panel->Handle() : form.Handle();
        EXPECT_EQ(GetParent(row.control.Handle()), parent);
        EXPECT_EQ(row.control.Text(), row.caption);
        RECT r = row.control.BoundsInParent();
        EXPECT_EQ(r.left, row.left);
        EXPECT_EQ(r.top, row.top);
        EXPECT_EQ(ToolTipText(form, row.control), row.hint);
        // Inside its parent and clear of its siblings.
        RECT client, overlap;
        GetClientRect(parent, &client);
        EXPECT_TRUE(r.right <= client.right && r.bottom <= client.bottom) << "sticks out of its parent";
        for (const auto& other : rows) {
            RECT o = other.control.BoundsInParent();
            if (&other != &row && other.panel == row.panel) {
                EXPECT_FALSE(IntersectRect(&overlap, &r, &o)) << "overlaps " << other.caption;
            }
        }
    }
}

TEST(OptForm, HasItsButtonsAndActions)
{
    TOptForm form;
    // Esc presses Cancel; OK is no default button, so Enter presses nothing.
    EXPECT_EQ(form.CancelButton, &form.CancelBtn);
    EXPECT_EQ(form.DefaultButton, nullptr);
    EXPECT_EQ(GetWindowLongPtrA(form.OkBtn.Handle(), GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON);
    for (const TButton* b : {&form.OkBtn, &form.CancelBtn}) {
        BUTTON_IMAGELIST bil{};
        SendMessageA(b->Handle(), BCM_GETIMAGELIST, 0, reinterpret_cast<LPARAM>(&bil));
        EXPECT_GT(ImageList_GetImageCount(bil.himl), 0) << b->Text() << " has no glyph";
    }

    std::vector<std::string> items;
    for (int i = 0; i < form.ActionCombo.Count(); ++i) items.push_back(form.ActionCombo.Item(i));
    EXPECT_EQ(items, (std::vector<std::string>{"Show/hide clock ", "Add clock", "Add alarm", "Add reminder",
                                               "Show calendar", "Set options", "Plan a time"}));
    EXPECT_EQ(GetWindowLongPtrA(form.ActionCombo.Handle(), GWL_STYLE) & 3, CBS_DROPDOWNLIST);
    EXPECT_TRUE(form.HorzRB.Checked());
    EXPECT_FALSE(form.VertRB.Checked());
}

TEST(OptForm, TabVisitsTheControlsInTheirOrderAndWrapsAround)
{
    TOptForm form;
    form.Show();
    const TControl* order[] = {&form.OnTopCB,   &form.DateCB,       &form.CaptionCB,      &form.HintCB,
                               &form.ShowTrayCB, &form.ShowSecCB,   &form.DayTimeCB,      &form.ShowTZSecsCB,
                               &form.AutoSaveDataCB, &form.StartWithWindowsCB, &form.ZoneDSTCB,
                               &form.RepeatSoundCB, &form.WakeForAlarmsCB, &form.ActionCombo, &form.HorzRB,     &form.OkBtn,
                               &form.CancelBtn,  &form.OnTopCB};
    HWND at = form.OnTopCB.Handle();
    for (std::size_t i = 1; i < std::size(order); ++i) {
        HWND next = GetNextDlgTabItem(form.Handle(), at, FALSE);
        EXPECT_EQ(next, order[i]->Handle()) << "after " << TControl::FromHandle(at)->Text();
        at = order[i]->Handle();
    }
    form.Hide();
}

TEST(OptForm, FillsEachControlFromItsOption)
{
    std::vector<std::function<void(TClockOptions&)>> changes = {
        [](TClockOptions&) {},
        [](TClockOptions& o) { o.SetVertLayout(true); },
        [](TClockOptions& o) { o.SetDblClickAction(dcaCalendar); },
    };
    // Each box turned over from its default alone, so that two boxes swapped show.
    for (const auto& row : boxes) changes.push_back([&row](TClockOptions& o) { row.set(o, !row.get(o)); });
    for (const auto& change : changes) {
        TClockOptions options(nullptr);
        change(options);
        std::string shown;
        RunDialog(options, [&](TOptForm& f) {
            shown = Shown(f);
            Click(f.CancelBtn);
        });
        EXPECT_EQ(shown, Held(options));
    }
}

TEST(OptForm, OkAppliesEachBoxToItsOwnOptionOnly)
{
    for (const auto& row : boxes) {
        TRecordingTarget target;
        TClockOptions options(nullptr, &target);
        TClockOptions expected(nullptr);
        row.set(expected, !row.get(expected));
        RunDialog(options, [&](TOptForm& f) {
            Click(f.*row.box);
            Click(f.OkBtn);
        });
        EXPECT_EQ(Held(options), Held(expected)) << row.option;
        std::vector<std::string> calls = {"BindDblClick 0"};
        if (row.call) calls.insert(calls.begin(), row.call);
        EXPECT_EQ(target.Calls, calls) << row.option;
    }
}

TEST(OptForm, OkAppliesAllChangesInTheWindowsOrder)
{
    TRecordingTarget target;
    TClockOptions options(nullptr, &target);
    RunDialog(options, [&](TOptForm& f) {
        for (const auto& row : boxes) Click(f.*row.box);
        Click(f.VertRB);
        f.ActionCombo.SetItemIndex(dcaOptions);
        Click(f.OkBtn);
    });
    EXPECT_EQ(target.Calls, (std::vector<std::string>{
                                "ApplyLayout VC--", "SetTopMost 0", "ApplyLayout V---", "ApplyLayout V-D-",
                                "ApplyLayout V-DL", "SetLocalSeconds 0", "SetZoneSeconds 1", "SetDaylightAdjust 1",
                                "SetTrayIconAlways 1", "SetZoneDaylight 1", "SetStartWithWindows 1",
                                "BindDblClick 5"}));
    EXPECT_FALSE(options.AutoSaveData);
}

// No selection in the action list counts as no change: the action held is kept and bound again.
TEST(OptForm, OkWithoutChangeOnlyBindsTheActionAgain)
{
    const std::function<void(TClockOptions&)> setups[] = {
        [](TClockOptions&) {},
        [](TClockOptions& o) {
            for (const auto& row : boxes) row.set(o, !row.get(o));
            o.SetVertLayout(true);
            o.SetDblClickAction(dcaAddAlarm);
        },
    };
    for (const auto& setup : setups)
        for (bool unselect : {false, true}) {
            TRecordingTarget target;
            TClockOptions options(nullptr, &target);
            setup(options);
            std::string before = Held(options);
            target.Calls.clear();
            RunDialog(options, [&](TOptForm& f) {
                if (unselect) f.ActionCombo.SetItemIndex(-1);
                Click(f.OkBtn);
            });
            EXPECT_EQ(Held(options), before) << unselect;
            EXPECT_EQ(target.Calls,
                      std::vector<std::string>{"BindDblClick " + std::to_string(int(options.DblClickAction()))});
        }
}

TEST(OptForm, VerticalWithoutCaptionInOneGoEqualsTwoOpenings)
{
    TRecordingTarget oneGoTarget, twoGoesTarget;
    TClockOptions oneGo(nullptr, &oneGoTarget), twoGoes(nullptr, &twoGoesTarget);
    RunDialog(oneGo, [](TOptForm& f) {
        Click(f.VertRB);
        Click(f.CaptionCB);
        Click(f.OkBtn);
    });
    RunDialog(twoGoes, [](TOptForm& f) {
        Click(f.VertRB);
        Click(f.OkBtn);
    });
    RunDialog(twoGoes, [](TOptForm& f) {
        Click(f.CaptionCB);
        Click(f.OkBtn);
    });
    EXPECT_EQ(Held(oneGo), Held(twoGoes));
    EXPECT_EQ(LayoutText(oneGo.Layout()), "V---");
    EXPECT_EQ(oneGoTarget.Calls, (std::vector<std::string>{"ApplyLayout VC--", "ApplyLayout V---", "BindDblClick 0"}));
    EXPECT_EQ(twoGoesTarget.Calls, (std::vector<std::string>{"ApplyLayout VC--", "BindDblClick 0",
                                                              "ApplyLayout V---", "BindDblClick 0"}));
}

TEST(OptForm, CancelEscAndCloseChangeNothing)
{
    const struct {
        const char* how;
        void (*close)(TOptForm&);
    } ways[] = {
        {"Cancel", [](TOptForm& f) { Click(f.CancelBtn); }},
        {"Esc", [](TOptForm& f) { FocusAndPress(f.DateCB.Handle(), VK_ESCAPE); }},
        {"Close box", [](TOptForm& f) { SendMessageA(f.Handle(), WM_CLOSE, 0, 0); }},
    };
    for (const auto& way : ways) {
        TRecordingTarget target;
        TClockOptions options(nullptr, &target);
        std::string before = Held(options);
        RunDialog(options, [&](TOptForm& f) {
            for (const auto& row : boxes) Click(f.*row.box);
            Click(f.VertRB);
            f.ActionCombo.SetItemIndex(dcaCalendar);
            way.close(f);
            EXPECT_EQ(f.ModalResult(), mrCancel) << way.how;
        });
        EXPECT_EQ(Held(options), before) << way.how;
        EXPECT_TRUE(target.Calls.empty()) << way.how;
    }
}

TEST(OptForm, ZonesOwnRulesDisableTheHourButKeepItsValue)
{
    for (bool dayTime : {false, true}) {
        TClockOptions options(nullptr);
        options.SetDayTime(dayTime);
        options.SetZoneDST(true);
        bool enabledOnOpen = true, enabledAfterUncheck = false, checkedOnOpen = !dayTime;
        RunDialog(options, [&](TOptForm& f) {
            enabledOnOpen = f.DayTimeCB.Enabled();
            checkedOnOpen = f.DayTimeCB.Checked();
            Click(f.ZoneDSTCB);
            enabledAfterUncheck = f.DayTimeCB.Enabled();
            Click(f.ZoneDSTCB);
            Click(f.OkBtn);
        });
        EXPECT_FALSE(enabledOnOpen);
        EXPECT_EQ(checkedOnOpen, dayTime);
        EXPECT_TRUE(enabledAfterUncheck);
        EXPECT_EQ(options.DayTime(), dayTime);
        EXPECT_TRUE(options.ZoneDST());
    }
}

TEST(OptForm, EnterPressesNoButton)
{
    TClockOptions options(nullptr);
    int result = -1;
    RunDialog(options, [&](TOptForm& f) {
        FocusAndPress(f.OnTopCB.Handle(), VK_RETURN);
        result = f.ModalResult();
        Click(f.CancelBtn);
    });
    EXPECT_EQ(result, mrNone);
}

TEST(OptForm, StoredActionOutsideTheListShowsNoSelectionAndOkBindsNothing)
{
    TMemoryStore store;
    store.Put("SOFTWARE\\Doviz\\Clock", "Options", "DblClickAction", {"9"});
    TRecordingTarget target;
    TClockOptions options(store.Factory(), &target);
    options.Load();
    ASSERT_EQ(int(options.DblClickAction()), 9);
    ASSERT_TRUE(target.Calls.empty());
    int shown = 0;
    RunDialog(options, [&](TOptForm& f) {
        shown = f.ActionCombo.ItemIndex();
        Click(f.OkBtn);
    });
    EXPECT_EQ(shown, -1);
    EXPECT_TRUE(target.Calls.empty());
    options.Save();
    EXPECT_EQ(store.Find("SOFTWARE\\Doviz\\Clock", "Options", "DblClickAction")->Text, "9");
}

}  // namespace
