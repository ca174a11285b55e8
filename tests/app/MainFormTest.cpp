#include "app/Main.h"

#include <gtest/gtest.h>

#include "../support/DataBytes.h"
#include "../support/Input.h"
#include "ScratchClock.h"

namespace {

class MainForm : public testing::Test, protected TScratchClock {
protected:
    MainForm() : TScratchClock("Main") {}
    bool AlarmFileThere() const { return GetFileAttributesA(folder.File("RoVudez.alm").c_str()) != INVALID_FILE_ATTRIBUTES; }
    // Takes the clocks file away, telling whether it was there.
    bool TakeClocksFile() const { return DeleteFileA(folder.File("RoVudez.clk").c_str()) != FALSE; }
    void TearDown() override
    {
        Application.CancelTerminate();
    }
};

SIZE Client(const TClockForm& f)
{
    RECT r;
    GetClientRect(f.Handle(), &r);
    return {r.right, r.bottom};
}

LRESULT HitAt(const TClockForm& f, int x, int y)
{
    POINT p{x, y};
    ClientToScreen(f.Handle(), &p);
    return SendMessageA(f.Handle(), WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y));
}

bool MenuEnabled(TPopupMenu& menu, const char* name)
{
    TMenuItem* item = menu.Find(name);
    UINT state = GetMenuState(menu.Handle(), item->Id(), MF_BYCOMMAND);
    if (!item->Items().empty()) {
        // Submenu items are looked up in the menu that holds them.
        state = GetMenuState(menu.Handle(), item->Id(), MF_BYCOMMAND);
    }
    return !(state & (MF_GRAYED | MF_DISABLED));
}

TEST_F(MainForm, FirstStartShape)
{
    TClockForm form(Config());
    form.ShowClock();
    EXPECT_TRUE(form.CatalogueRead());
    EXPECT_EQ(form.TimeZones.Count(), 139);
    EXPECT_EQ(Client(form).cx, 75);
    EXPECT_EQ(Client(form).cy, 40);
    EXPECT_TRUE(GetWindowLongPtrA(form.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_FALSE(GetWindowLongPtrA(form.Handle(), GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME));
    EXPECT_EQ(form.Caption(), "Doviz Clock");
    HWND owner = GetWindow(form.Handle(), GW_OWNER);
    ASSERT_EQ(owner, Application.Handle());
    EXPECT_TRUE(GetWindowLongPtrA(owner, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    // A shell may give a taskbar button to every visible unowned window: the program shows none.
    int unownedVisible = 0;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND w, LPARAM count) {
            if (IsWindowVisible(w) && !GetWindow(w, GW_OWNER)) ++*reinterpret_cast<int*>(count);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&unownedVisible));
    EXPECT_EQ(unownedVisible, 0);

    TMyRoVudez& local = *form.LocalClock;
    RECT r;
    GetWindowRect(local.Handle(), &r);
    MapWindowPoints(nullptr, form.Handle(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 22);
    EXPECT_EQ(r.right, 75);
    EXPECT_EQ(r.bottom, 40);
    EXPECT_EQ(local.Color(), 0x00FF0000u);
    EXPECT_EQ(local.Font().Color(), 0x0000FFFFu);
    EXPECT_EQ(local.Font().Style(), fsBold);
    EXPECT_EQ(local.Font().Size(), 9);
    EXPECT_EQ(local.Font().Name(), "MS Sans Serif");
    EXPECT_TRUE(local.UseTimer());
    EXPECT_TRUE(local.ShowSeconds);
    EXPECT_TRUE(local.LocalTime);
    EXPECT_EQ(local.Tag, -1);
    EXPECT_EQ(local.Hint(), "Local time");
    EXPECT_EQ(local.PopupMenu, &form.Popup);
    EXPECT_TRUE(form.MainTimer.Enabled());
    EXPECT_TRUE(form.AlarmTimer.Enabled());
    EXPECT_EQ(form.TopWin.TopMost(), true);
}

TEST_F(MainForm, HitTestAnswersCaptionOnTheBandInclusively)
{
    TClockForm form(Config());
    form.ShowClock();
    struct Case {
        int x, y;
        LRESULT hit;
    } cases[] = {
        {0, 0, HTCAPTION}, {74, 0, HTCAPTION}, {0, 21, HTCAPTION}, {74, 21, HTCAPTION}, {37, 11, HTCAPTION},
        {37, 22, HTCAPTION},  // the band's bottom edge counts
        {37, 30, HTCLIENT},   // over the face
    };
    for (const auto& c : cases) EXPECT_EQ(HitAt(form, c.x, c.y), c.hit) << c.x << "," << c.y;
    // The face is a window of its own: points over it never reach the window's test.
    POINT over{37, 30};
    ClientToScreen(form.Handle(), &over);
    EXPECT_EQ(ChildWindowFromPoint(form.Handle(), POINT{37, 30}), form.LocalClock->Handle());
}

TEST_F(MainForm, DoubleClickOnTheBandRunsTheBoundAction)
{
    TClockForm form(Config());
    form.ShowClock();
    // The default action shows and hides the window.
    SendMessageA(form.Handle(), WM_NCLBUTTONDBLCLK, HTCAPTION, 0);
    EXPECT_TRUE(form.Hidden);
    EXPECT_FALSE(IsWindowVisible(form.Handle()));
    form.ToggleVisible();
    EXPECT_FALSE(form.Hidden);
    EXPECT_TRUE(IsWindowVisible(form.Handle()));
    void* sender = nullptr;
    int runs = 0;
    form.DblClickHandler = [&](void* s) {
        sender = s;
        ++runs;
    };
    SendMessageA(form.Handle(), WM_NCLBUTTONDBLCLK, HTCAPTION, 0);
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(sender, &form);
}

TEST_F(MainForm, MenusHoldEveryItemInOrder)
{
    TClockForm form(Config());
    auto captions = [](TMenuItem& root) {
        std::vector<std::string> out;
        for (auto& item : root.Items()) out.push_back(item->IsSeparator() ? "-" : item->Caption() + (item->ShortCut().empty() ? "" : "\t" + item->ShortCut()));
        return out;
    };
    std::vector<std::string> popup = {"A&dd clock\tShift+A", "&Remove clock", "-", "Set &Time zone",
                                      "Switch &12/24 hours format", "Change clock &font",
                                      "Change clock &background color", "-", "Add reminder", "Add a&larm ...\tCtrl+A",
                                      "Alarms ...\tShift+Ctrl+A", "-", "&Hide Doviz Clock", "&Options ...\tCtrl+O",
                                      "Save clock and alarm settings now\tCtrl+S", "E&xit", "-", "&Calendar",
                                      "Plan a time ...\tCtrl+P", "&About ..."};
    EXPECT_EQ(captions(form.Popup.Items()), popup);
    std::vector<std::string> tray = {"&Show clock", "&Hide clock", "-", "Add reminder", "Add a&larm ...\tCtrl+A",
                                     "Alarms ...\tShift+Ctrl+A", "-", "&Options ...", "E&xit", "-", "&Calendar",
                                     "Plan a time ...\tCtrl+P", "&About ..."};
    EXPECT_EQ(captions(form.TrayMenu.Items()), tray);
    for (TPopupMenu* menu : {&form.Popup, &form.TrayMenu}) {
        TMenuItem& reminders = *(menu == &form.Popup ? menu->Find("AddRemindItem") : menu->Find("Addreminder1"));
        std::vector<std::string> sub = {"In &1 minute", "In &5 minutes", "In 1&0 minutes", "In 15 minutes", "-",
                                        "&Custom ..."};
        EXPECT_EQ(captions(reminders), sub);
        std::vector<int> tags;
        for (auto& item : reminders.Items())
            if (!item->IsSeparator()) tags.push_back(item->Tag);
        EXPECT_EQ(tags, (std::vector<int>{1, 5, 10, 15, -1}));
        // What the user sees is the same menu.
        EXPECT_EQ(GetMenuItemCount(menu->Handle()), static_cast<int>(menu->Items().Items().size()));
        char text[128] = {};
        GetMenuStringA(menu->Handle(), 0, text, sizeof text, MF_BYPOSITION);
        EXPECT_EQ(std::string(text), captions(menu->Items())[0]);
    }
}

TEST_F(MainForm, SelectingAFaceEnablesRemoveAndZoneOnlyForZoneClocks)
{
    TClockForm form(Config());
    form.AddItemClick();
    ASSERT_EQ(form.Clocks->Count(), 1);
    TMyRoVudez* zone = form.Clocks->Items(0);
    // Release the right button over each face (without its menu, which would wait for a user).
    for (TMyRoVudez* face : {form.LocalClock.get(), zone, form.LocalClock.get()}) {
        face->PopupMenu = nullptr;
        SendMessageA(face->Handle(), WM_RBUTTONUP, 0, MAKELPARAM(3, 3));
        EXPECT_EQ(form.CurrentClock, face);
        const bool zoneFace = face != form.LocalClock.get();
        EXPECT_EQ(MenuEnabled(form.Popup, "RemoveItem"), zoneFace);
        EXPECT_EQ(MenuEnabled(form.Popup, "SelectTZItem"), zoneFace);
        EXPECT_TRUE(MenuEnabled(form.Popup, "FormatItem"));
    }
}

TEST_F(MainForm, KeyTableRunsOnKeyPressWithExactModifiers)
{
    TClockForm form(Config());
    form.ShowClock();
    TakeClocksFile();
    auto press = [&](WORD key, bool shift, bool ctrl, bool alt) { PressChord(form.Handle(), key, shift, ctrl, alt); };
    press('S', false, true, false);
    EXPECT_TRUE(TakeClocksFile());
    EXPECT_TRUE(AlarmFileThere());
    press('S', false, false, false);
    press('S', true, true, false);
    press('S', false, true, true);
    EXPECT_FALSE(TakeClocksFile());
    press('A', true, false, false);  // Shift+A adds a clock
    EXPECT_EQ(form.Clocks->Count(), 1);
    press('A', true, true, false);  // Shift+Ctrl+A is the alarm list, not a clock
    press('A', true, false, true);  // Alt+Shift+A runs nothing
    EXPECT_EQ(form.Clocks->Count(), 1);
}

TEST_F(MainForm, CloseSavesTheFilesOnlyWithAutoSaveAndEndsTheTimers)
{
    for (bool autoSave : {true, false}) {
        TClockForm form(Config());
        form.ShowClock();
        form.Options->AutoSaveData = autoSave;
        // Ctrl+S saves whatever the option says.
        form.SaveDataItemClick();
        EXPECT_TRUE(TakeClocksFile());
        EXPECT_TRUE(AlarmFileThere());
        DeleteFileA(folder.File("RoVudez.alm").c_str());
        form.CloseItemClick();
        EXPECT_EQ(TakeClocksFile(), autoSave);
        EXPECT_EQ(AlarmFileThere(), autoSave);
        EXPECT_EQ(form.Clocks, nullptr);
        EXPECT_TRUE(Application.Terminated());
        Application.CancelTerminate();
        DeleteFileA(folder.File("RoVudez.alm").c_str());
    }
}

TEST_F(MainForm, UnreadableCatalogueIsReportedAndEndsTheProgram)
{
    std::string text, caption;
    UINT flags = 0;
    Application.MessageBoxHook = [&](const std::string& t, const std::string& c, UINT f) {
        text = t;
        caption = c;
        flags = f;
        return IDOK;
    };
    TClockFormConfig config = Config();
    config.ZoneRoot = HKEY_CURRENT_USER;
    config.ZoneKey = scratch.Path() + "\\NoZones";
    {
        TClockForm form(config);
        EXPECT_FALSE(form.CatalogueRead());
        EXPECT_NE(form.LocalClock, nullptr);  // the other steps still ran
    }
    Application.MessageBoxHook = nullptr;
    EXPECT_EQ(text, "Couldn't get TimeZone information");
    EXPECT_EQ(caption, "Doviz Clock");
    EXPECT_TRUE(flags & MB_ICONERROR);
    EXPECT_TRUE(Application.Terminated());
}

}  // namespace

namespace {

// Writes an alarms file of the given alarms' names (all usual, disabled).
void WriteAlarmsFile(const std::string& path, const std::vector<std::string>& names)
{
    TDataBytes bytes;
    bytes.I32(static_cast<std::int32_t>(names.size()));
    for (const auto& name : names) {
        bytes.I32(3).U8(0).U8(0).U8(0);            // version; enabled, sound, message
        for (int i = 0; i < 8; ++i) bytes.U16(0);  // signal time
        bytes.Str(name).Str("").Str("");           // name, sound file, message
        bytes.U8(0).Str("").U8(0).U8(0).U8(0);     // cron flag, mask, three flags
        bytes.Str("").Str("").U8(0).U8(0);         // command line, folder, kind, once a day
    }
    WriteBytes(path, bytes.Bytes());
}

TEST_F(MainForm, AlarmsFileIsReadAtStartWithoutWritingIt)
{
    const std::string path = folder.File("RoVudez.alm");
    WriteAlarmsFile(path, {"Tea", "Standup"});
    FILETIME before{}, after{};
    HANDLE f = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    GetFileTime(f, nullptr, nullptr, &before);
    CloseHandle(f);
    {
        TClockForm form(Config());
        ASSERT_EQ(Alarms.Count(), 2);
        EXPECT_EQ(Alarms.Items(0)->Name, "Tea");
        EXPECT_EQ(Alarms.Items(1)->Name, "Standup");
        EXPECT_TRUE(form.Options->AutoSaveData);  // switched off only while reading
        f = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        GetFileTime(f, nullptr, nullptr, &after);
        CloseHandle(f);
        EXPECT_EQ(CompareFileTime(&before, &after), 0);
        form.AlarmTimerTimer();  // disabled alarms: the tick runs and signals nothing
        EXPECT_EQ(Alarms.Count(), 2);
    }
    FreeAlarms(Alarms);
}

}  // namespace
