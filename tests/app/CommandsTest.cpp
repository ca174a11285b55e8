// Every item of both menus, every key and every double-click action, each run once on the clock
// window among the program's other windows, reaching the window or action it stands for.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../alarms/AlarmDialogTestSupport.h"
#include "../support/Input.h"
#include "ClockWindowFixture.h"
#include "alarms/frmAlarmProp.h"
#include "alarms/frmAlarms.h"
#include "calendar/frmCalendar.h"
#include "base/DateTime.h"

namespace {

// The program as it starts: the clock window, which makes the alarm list and the calendar when
// first asked for.
struct TProgram {
    TClockForm Clock;
    TFakeClock Now{Moment(2026, 4, 1, 12, 0, 0)};

    explicit TProgram(const TClockFormConfig& config) : Clock(config)
    {
        Clock.Services.Clock = &Now;
        Clock.ShowClock();
        // A zone clock under the pointer, for the commands that act on the clock the menu came from.
        Clock.AddItemClick();
        Clock.ClockSelected(*Clock.Clocks->Items(0));
    }
};

// Answers every dialog a command opens and notes which it was: a new alarm is accepted, the others cancelled.
class TDialogLog {
public:
    TDialogLog()
    {
        TFontDialog::ShownHook = [this](HWND dialog) { NoteAndCancel("font dialog", dialog); };
        TColorDialog::ShownHook = [this](HWND dialog) { NoteAndCancel("colour dialog", dialog); };
        Application.MessageBoxHook = [this](const std::string& text, const std::string&, UINT) {
            Note("message \"" + text + "\"");
            return IDOK;
        };
    }
    ~TDialogLog()
    {
        TFontDialog::ShownHook = nullptr;
        TColorDialog::ShownHook = nullptr;
        Application.MessageBoxHook = nullptr;
    }
    TDialogLog(const TDialogLog&) = delete;
    TDialogLog& operator=(const TDialogLog&) = delete;

    std::string Seen;
    TModalHook modal{[this](TForm& f) {
        Note(ClassOf(f.Handle()) + Placed(f.Handle()));
        if (auto* prop = dynamic_cast<TAlPropForm*>(&f))
            Click(prop->OkBtn);
        else
            f.SetModalResult(mrCancel);
    }};

private:
    static std::string ClassOf(HWND w)
    {
        char name[64] = {};
        GetClassNameA(w, name, sizeof name);
        return name;
    }
    // A dialog belongs to the clock window and stays above it, shown or hidden; no dialog has a
    // taskbar button of its own.
    static std::string Placed(HWND dialog)
    {
        const bool above = GetWindow(dialog, GW_OWNER) == ClockForm->Handle() &&
                           (GetWindowLongPtrA(dialog, GWL_EXSTYLE) & WS_EX_TOPMOST) &&
                           !(GetWindowLongPtrA(dialog, GWL_EXSTYLE) & WS_EX_APPWINDOW);
        return above ? "" : " not above the clock";
    }
    void Note(const std::string& what) { Seen += (Seen.empty() ? "" : ", ") + what; }
    void NoteAndCancel(const std::string& what, HWND dialog)
    {
        Note(what + Placed(dialog));
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    }
};

// What a command may have done, all of it seen from outside the handlers.
struct TOutcome {
    const char* opened = "";
    int zoneClocks = 1;
    int alarms = 0;
    int reminderMinutes = -1;  // the new alarm's minutes from now when it is a reminder
    bool listShown = false;
    bool calendarShown = false;
    bool hidden = false;
    bool twelveHour = false;
    bool saved = false;
    bool closed = false;
    bool planned = false;
};

struct TCommandRow {
    const char* source;  // "Popup" or "TrayMenu" (an item), "key" (a chord), "caption" or "tray icon" (a double-click)
    const char* name;
    TOutcome expect;
    TDblClickAction action = dcaRestore;
    bool startHidden = false;
};

const TCommandRow Rows[] = {
    {"Popup", "AddItem", {.zoneClocks = 2}},
    {"Popup", "RemoveItem", {.zoneClocks = 0}},
    {"Popup", "SelectTZItem", {.opened = "TTZSelectDlg"}},
    {"Popup", "FormatItem", {.twelveHour = true}},
    {"Popup", "FntItem", {.opened = "font dialog"}},
    {"Popup", "BkColorItem", {.opened = "colour dialog"}},
    {"Popup", "In1minute1", {.opened = "TAlPropForm", .alarms = 1, .reminderMinutes = 1}},
    {"Popup", "In5minutes1", {.opened = "TAlPropForm", .alarms = 1, .reminderMinutes = 5}},
    {"Popup", "In10minutes1", {.opened = "TAlPropForm", .alarms = 1, .reminderMinutes = 10}},
    {"Popup", "In15minutes1", {.opened = "TAlPropForm", .alarms = 1, .reminderMinutes = 15}},
    {"Popup", "CustomItem", {.opened = "TAlPropForm", .alarms = 1, .reminderMinutes = 0}},
    {"Popup", "AddAlarmItem", {.opened = "TAlPropForm", .alarms = 1}},
    {"Popup", "AlarmsItem", {.listShown = true}},
    {"Popup", "HideItem", {.hidden = true}},
    {"Popup", "OptionsItem", {.opened = "TOptForm"}},
    {"Popup", "SaveDataItem", {.saved = true}},
    {"Popup", "CloseItem", {.closed = true}},
    {"Popup", "CalendarItem", {.calendarShown = true}},
    {"Popup", "AboutItem", {.opened = "TAboutBox"}},
    {"Popup", "PlanItem", {.planned = true}},

    {"TrayMenu", "ShowClockItem", {}, dcaRestore, true},
    {"TrayMenu", "HideClockItem", {.hidden = true}},
    {"TrayMenu", "In1minute2", {.opened = "TAlPropForm", .alarms = 1, .reminderMinutes = 1}},
    {"TrayMenu", "In5minutes2", {.opened = "TAlPropForm", .alarms = 1, .reminderMinutes = 5}},
    {"TrayMenu", "In10minutes2", {.opened = "TAlPropForm", .alarms = 1, .reminderMinutes = 10}},
    {"TrayMenu", "In15minutes2", {.opened = "TAlPropForm", .alarms = 1, .reminderMinutes = 15}},
    {"TrayMenu", "Custom1", {.opened = "TAlPropForm", .alarms = 1, .reminderMinutes = 0}},
    {"TrayMenu", "Addalarm1", {.opened = "TAlPropForm", .alarms = 1}},
    {"TrayMenu", "Alarms1", {.listShown = true}},
    {"TrayMenu", "Options1Item", {.opened = "TOptForm"}},
    {"TrayMenu", "Exit1Item", {.closed = true}},
    {"TrayMenu", "Calendar1Item", {.calendarShown = true}},
    {"TrayMenu", "About1Item", {.opened = "TAboutBox"}},
    {"TrayMenu", "Plan1Item", {.planned = true}},
    {"TrayMenu", "Options1Item", {.opened = "TOptForm", .hidden = true}, dcaRestore, true},
    {"TrayMenu", "Addalarm1", {.opened = "TAlPropForm", .alarms = 1, .hidden = true}, dcaRestore, true},

    {"key", "Shift+A", {.zoneClocks = 2}},
    {"key", "Ctrl+A", {.opened = "TAlPropForm", .alarms = 1}},
    {"key", "Shift+Ctrl+A", {.listShown = true}},
    {"key", "Ctrl+O", {.opened = "TOptForm"}},
    {"key", "Ctrl+S", {.saved = true}},
    {"key", "Ctrl+P", {.planned = true}},
    // Only the exact chords count.
    {"key", "Alt+Shift+A", {}},
    {"key", "A", {}},
    {"key", "Shift+Ctrl+O", {}},
    {"key", "Ctrl+D", {}},

    {"caption", "dcaRestore", {.hidden = true}, dcaRestore},
    {"caption", "dcaAddClock", {.zoneClocks = 2}, dcaAddClock},
    {"caption", "dcaAddAlarm", {.opened = "TAlPropForm", .alarms = 1}, dcaAddAlarm},
    {"caption", "dcaAddReminder", {.opened = "TAlPropForm", .alarms = 1, .reminderMinutes = 0}, dcaAddReminder},
    {"caption", "dcaCalendar", {.calendarShown = true}, dcaCalendar},
    {"caption", "dcaOptions", {.opened = "TOptForm"}, dcaOptions},
    {"caption", "dcaPlan", {.planned = true}, dcaPlan},
    {"tray icon", "dcaRestore", {}, dcaRestore, true},
    {"tray icon", "dcaRestore", {.hidden = true}, dcaRestore},
    {"tray icon", "dcaAddClock", {.zoneClocks = 2, .hidden = true}, dcaAddClock, true},
    {"tray icon", "dcaAddAlarm", {.opened = "TAlPropForm", .alarms = 1}, dcaAddAlarm},
    {"tray icon", "dcaAddReminder", {.opened = "TAlPropForm", .alarms = 1, .reminderMinutes = 0}, dcaAddReminder},
    {"tray icon", "dcaCalendar", {.calendarShown = true}, dcaCalendar},
    {"tray icon", "dcaOptions", {.opened = "TOptForm"}, dcaOptions},
    {"tray icon", "dcaPlan", {.planned = true}, dcaPlan},
};

// A chord as the table names it ("Ctrl+Shift+S").
void PressNamedChord(HWND window, const std::string& chord)
{
    auto held = [&](const char* modifier) { return chord.find(modifier) != std::string::npos; };
    PressChord(window, static_cast<WORD>(chord.back()), held("Shift+"), held("Ctrl+"), held("Alt+"));
}

class Commands : public ClockWindow {
protected:
    void SetUp() override
    {
        ClockWindow::SetUp();
        // Files are then written only when a command asks for it.
        StoreOption("AutoSaveData", "0");
    }
    void TearDown() override
    {
        ClockWindow::TearDown();
        FreeAlarms(Alarms);
    }

    void Run(TProgram& p, const TCommandRow& row)
    {
        const std::string source = row.source;
        if (source == "Popup" || source == "TrayMenu") {
            TPopupMenu& menu = source == "Popup" ? p.Clock.Popup : p.Clock.TrayMenu;
            TMenuItem* item = menu.Find(row.name);
            ASSERT_NE(item, nullptr);
            // The item the user sees is the one that runs.
            ASSERT_TRUE(item->Enabled());
            ASSERT_EQ(menu.Items().FindById(item->Id()), item);
            char text[128] = {};
            GetMenuStringA(menu.Handle(), item->Id(), text, sizeof text, MF_BYCOMMAND);
            EXPECT_EQ(text, item->Caption() + (item->ShortCut().empty() ? "" : "\t" + item->ShortCut()));
            // The tray's hidden window is the active one while its menu is open.
            if (source == "TrayMenu") SetForegroundWindow(p.Clock.TrayIcon.Handle());
            item->Click();
        } else if (source == "key") {
            PressNamedChord(p.Clock.Handle(), row.name);
        } else if (source == "caption") {
            SendMessageA(p.Clock.Handle(), WM_NCLBUTTONDBLCLK, HTCAPTION, 0);
        } else {
            SendMessageA(p.Clock.TrayIcon.Handle(), TTrayIcon::CallbackMessage, TTrayIcon::IconId, WM_LBUTTONDBLCLK);
        }
        PumpMessages();
    }

    void Check(TProgram& p, const TDialogLog& log, const TOutcome& expect)
    {
        EXPECT_EQ(log.Seen, expect.opened);
        const bool closed = !p.Clock.Clocks && Application.Terminated();
        EXPECT_EQ(closed, expect.closed);
        if (!closed) {
            EXPECT_EQ(p.Clock.Clocks->Count(), expect.zoneClocks);
            EXPECT_EQ(p.Clock.Hidden, expect.hidden);
            EXPECT_EQ(IsWindowVisible(p.Clock.Handle()) != FALSE, !expect.hidden);
            // The icon is there exactly while the window is hidden ("Always show tray icon" is off).
            EXPECT_EQ(p.Clock.TrayIcon.Active(), expect.hidden);
        }
        EXPECT_EQ(Alarms.Count(), expect.alarms);
        if (expect.alarms == 1) {
            const TAlarm& added = *Alarms.Items(0);
            EXPECT_EQ(added.Kind == akReminder, expect.reminderMinutes >= 0);
            if (expect.reminderMinutes >= 0) {
                const double minutes = (SystemTimeToDateTime(added.SignalTime) - SystemTimeToDateTime(p.Now.Now)) * 1440;
                EXPECT_NEAR(minutes, expect.reminderMinutes, 0.01);
            }
        }
        EXPECT_EQ(AlarmsForm && AlarmsForm->Visible(), expect.listShown);
        EXPECT_EQ(CalendarForm && CalendarForm->Visible(), expect.calendarShown);
        EXPECT_EQ(!closed && p.Clock.Planner() && p.Clock.Planner()->Visible(), expect.planned);
        EXPECT_EQ(p.Clock.Clocks && p.Clock.Clocks->Count() > 0 && p.Clock.Clocks->Items(0)->AM_PM, expect.twelveHour);
        EXPECT_EQ(GetFileAttributesA(folder.File("RoVudez.clk").c_str()) != INVALID_FILE_ATTRIBUTES, expect.saved);
        EXPECT_EQ(GetFileAttributesA(folder.File("RoVudez.alm").c_str()) != INVALID_FILE_ATTRIBUTES, expect.saved);
        // The list, opened now, holds every alarm the command made.
        if (!closed) {
            p.Clock.AlarmsItemClick();
            ASSERT_NE(AlarmsForm, nullptr);
            EXPECT_EQ(AlarmsForm->AlarmBox.Count(), expect.alarms);
        }
    }
};

TEST_F(Commands, EachReachesItsWindowOrAction)
{
    for (const TCommandRow& row : Rows) {
        SCOPED_TRACE(std::string(row.source) + " " + row.name);
        {
            TProgram p(Config());
            p.Clock.Options->SetDblClickAction(row.action);
            if (row.startHidden) p.Clock.HideItemClick();
            TDialogLog log;
            Run(p, row);
            Check(p, log, row.expect);
        }
        FreeAlarms(Alarms);
        Application.CancelTerminate();
        folder.Empty();
    }
}

TEST_F(Commands, TheTableHoldsEveryMenuItem)
{
    TProgram p(Config());
    auto rowFor = [](const std::string& source, const std::string& name) {
        for (const TCommandRow& row : Rows)
            if (row.source == source && row.name == name) return true;
        return false;
    };
    std::vector<std::string> missing;
    std::function<void(const std::string&, const TMenuItem&)> walk = [&](const std::string& source, const TMenuItem& item) {
        for (const auto& child : item.Items()) {
            if (child->IsSeparator()) continue;
            if (!child->Items().empty())
                walk(source, *child);
            else if (!rowFor(source, child->Name()))
                missing.push_back(source + " " + child->Name());
        }
    };
    walk("Popup", p.Clock.Popup.Items());
    walk("TrayMenu", p.Clock.TrayMenu.Items());
    EXPECT_EQ(missing, std::vector<std::string>{});
}

TEST_F(Commands, ExitWithEveryWindowOpenLeavesNoWindowOnAnAlarm)
{
    auto* alarm = new TAlarm;
    alarm->Name = "tea";
    alarm->Enabled = true;
    alarm->MessageOn = true;
    alarm->SignalTime = Moment(2026, 4, 1, 12, 0, 0);
    {
        TProgram p(Config());
        Alarms.Add(alarm);
        p.Clock.SignalAlarm(*alarm);
        p.Clock.SignalAlarm(*alarm);
        ASSERT_EQ(alarm->MessageWindows.Count(), 2);
        p.Clock.AlarmsItemClick();
        p.Clock.CalendarItemClick();
        p.Clock.TrayMenu.Find("Exit1Item")->Click();
        PumpMessages();
    }
    // Every window has gone and none still refers to the alarm, which outlives them all.
    EXPECT_EQ(alarm->MessageWindows.Count(), 0);
    for (const char* window : {"TMessageForm", "TAlarmsForm", "TCalendarForm", "TClockForm", "TCronMaskForm"})
        EXPECT_EQ(FindWindowA(window, nullptr), nullptr) << window;
    EXPECT_EQ(AlarmsForm, nullptr);
    EXPECT_EQ(CalendarForm, nullptr);
    EXPECT_EQ(Alarms.Count(), 1);
}

TEST_F(Commands, NoWindowOfTheProgramCanHaveATaskbarButton)
{
    // A shell gives a button to every visible unowned window, whatever its style; only the two
    // hidden windows that are never shown go without an owner.
    TProgram p(Config());
    p.Clock.AlarmsItemClick();
    p.Clock.CalendarItemClick();
    p.Clock.PlanItemClick(nullptr);
    p.Clock.HideItemClick();
    struct TFound {
        HWND allowed[2];
        std::vector<std::string> unowned;
    } found{{Application.Handle(), p.Clock.TrayIcon.Handle()}, {}};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND w, LPARAM lParam) -> BOOL {
            auto* f = reinterpret_cast<TFound*>(lParam);
            char name[64] = {};
            GetClassNameA(w, name, sizeof name);
            const std::string className = name;
            // Ours, and the tool tips that our windows create; not the system's own helpers.
            const bool ours = className[0] == 'T' || className == "tooltips_class32";
            if (ours && !GetWindow(w, GW_OWNER) && w != f->allowed[0] && w != f->allowed[1])
                f->unowned.push_back(className);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    EXPECT_EQ(found.unowned, std::vector<std::string>{});
    EXPECT_FALSE(IsWindowVisible(Application.Handle()));
    EXPECT_FALSE(IsWindowVisible(p.Clock.TrayIcon.Handle()));
}

// While a dialog is modal, the tray menu's commands that open windows bring it forward instead of
// opening another over it.
TEST_F(Commands, TrayCommandsBringAnOpenDialogForward)
{
    TProgram p(Config());
    int shown = 0;
    TModalHook hook([&](TForm& dialog) {
        if (++shown == 1) {
            for (const char* name : {"Addalarm1", "Alarms1", "Options1Item", "In5minutes2", "About1Item"}) {
                SetForegroundWindow(p.Clock.TrayIcon.Handle());
                p.Clock.TrayMenu.Find(name)->Click();
                PumpMessages();
                EXPECT_EQ(GetForegroundWindow(), dialog.Handle()) << name;
            }
        }
        dialog.SetModalResult(mrCancel);
    });
    p.Clock.AddAlarmItemClick();
    EXPECT_EQ(shown, 1);
    EXPECT_FALSE(AlarmsForm && AlarmsForm->Visible());
    EXPECT_EQ(Alarms.Count(), 0);
}

}  // namespace
