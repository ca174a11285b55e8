// The clock in Wine's desktop shell, used with a real mouse and keyboard: no taskbar button, the
// tray icon's double-click and menu, and what exit writes.

#include <windows.h>

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "E2eSupport.h"
#include "alarms/AlarmFile.h"

namespace {

HWND Taskbar()
{
    HWND bar = FindWindowA("Shell_TrayWnd", nullptr);
    return bar && IsWindowVisible(bar) ? bar : nullptr;
}

// Buttons that stand for windows: every visible child of the taskbar but the start button at its left end.
int WindowButtons()
{
    HWND bar = Taskbar();
    RECT barRect{};
    GetWindowRect(bar, &barRect);
    int count = 0;
    for (HWND child = FindWindowExA(bar, nullptr, nullptr, nullptr); child; child = FindWindowExA(bar, child, nullptr, nullptr)) {
        RECT r{};
        GetWindowRect(child, &r);
        if (IsWindowVisible(child) && r.left > barRect.left) ++count;
    }
    return count;
}

// Where the tray icon is drawn: the run of columns at the taskbar's right end whose pixels differ
// from the bar's own colour. The tray draws its icons itself, without child windows.
bool FindTrayIcon(POINT& centre)
{
    HWND bar = Taskbar();
    if (!bar) return false;
    RECT r{};
    GetWindowRect(bar, &r);
    HDC screen = GetDC(nullptr);
    const COLORREF face = GetPixel(screen, (r.left + r.right) / 2, r.bottom - 2);
    auto marked = [&](int x) {
        for (int y = r.top + 2; y < r.bottom - 2; ++y)
            if (GetPixel(screen, x, y) != face) return true;
        return false;
    };
    int right = r.right - 1;
    while (right > r.right - 60 && !marked(right)) --right;
    int left = right;
    while (left > r.right - 60 && marked(left - 1)) --left;
    ReleaseDC(nullptr, screen);
    centre = {(left + right) / 2, (r.top + r.bottom) / 2};
    return right > r.right - 60 && right - left >= 8;
}

void DoubleClick(POINT at)
{
    Mouse(at, {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP});
}

// The tray menu opened with a right-click on the icon; the item is chosen by its mnemonic.
bool ChooseFromTrayMenu(POINT icon, WORD mnemonic)
{
    Mouse(icon, {MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP});
    if (!WaitUntil([] { return Shown("#32768"); })) return false;
    SendChord({}, mnemonic);
    return WaitUntil([] { return !Shown("#32768"); });
}

bool RegValueThere(const char* key, const char* value)
{
    return RegGetValueA(HKEY_CURRENT_USER, key, value, RRF_RT_ANY, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

// The options of a first start, but with the tray icon and with nothing saved at exit.
void StartingOptionsWithTheTrayIcon()
{
    RegDeleteTreeA(HKEY_CURRENT_USER, "SOFTWARE\\Doviz");
    StoreOption("ShowTrayIcon", "1");
    StoreOption("AutoSaveData", "0");
}

// One stored zone clock and one stored alarm, taken away again however the test ends.
struct TDataFiles {
    std::string Clocks = Beside("RoVudez.clk");
    std::string Alarms = Beside("RoVudez.alm");
    TDataFiles()
    {
        TDataBytes clocks;
        // The local clock, then one zone clock.
        clocks.I32(2);
        for (const char* hint : {"Home", "Away"})
            clocks.I32(-1).U8(0).Str(hint).Str("Arial").I32(9).I32(0).U8(1).I32(0x00FF0000).I32(0x0000FFFF);
        EXPECT_TRUE(WriteBytes(Clocks, clocks.Bytes()));

        TOvList<TAlarm> list;
        TAlarm alarm;
        alarm.Name = "tea";
        alarm.Kind = akUsual;
        alarm.SignalTime.wYear = 2026, alarm.SignalTime.wMonth = 1, alarm.SignalTime.wDay = 1;
        alarm.SignalTime.wHour = 3;
        list.Add(&alarm);
        TMemoryStream stream;
        EXPECT_TRUE(WriteAlarms(stream, list));
        EXPECT_TRUE(WriteBytes(Alarms, stream.Bytes()));
    }
    ~TDataFiles()
    {
        DeleteFileA(Clocks.c_str());
        DeleteFileA(Alarms.c_str());
    }
};

TEST(TrayInTheShell, HidesAndShowsFromTheIconWithNoTaskbarButtonAndExitKeepsTheDataFiles)
{
    RegDeleteTreeA(HKEY_CURRENT_USER, "SOFTWARE\\Doviz");
    StoreOption("ShowTrayIcon", "1");
    StoreOption("DblClickAction", "0");
    StoreOption("AutoSaveData", "0");
    TDataFiles files;
    const TFileState clocksBefore = StateOf(files.Clocks), alarmsBefore = StateOf(files.Alarms);
    ASSERT_FALSE(clocksBefore.Bytes.empty());
    ASSERT_FALSE(alarmsBefore.Bytes.empty());

    TRunningClock clock;
    ASSERT_NE(clock.Window(), nullptr);
    HWND window = clock.Window();
    RECT client{};
    GetClientRect(window, &client);
    // Two faces at least 75 wide each (the stored fonts may make them wider).
    ASSERT_GE(client.right, 150) << "the stored clocks were not read";
    const LONG twoFaces = client.right;
    ASSERT_TRUE(WaitUntil([] { return Taskbar() != nullptr; })) << "Wine's desktop shell shows no taskbar";
    POINT icon{};
    ASSERT_TRUE(WaitUntil([&] { return FindTrayIcon(icon); })) << "no icon in the tray";
    EXPECT_EQ(WindowButtons(), 0);

    // Two real double-clicks on the icon: hidden, then shown again.
    DoubleClick(icon);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(window); })) << "the double-click did not hide the clock";
    EXPECT_EQ(WindowButtons(), 0);
    Sleep(GetDoubleClickTime() + 100);
    DoubleClick(icon);
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(window); })) << "the double-click did not show the clock";
    EXPECT_EQ(WindowButtons(), 0);

    // The tray menu.
    ASSERT_TRUE(ChooseFromTrayMenu(icon, 'H'));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(window); })) << "\"&Hide clock\" did not hide the clock";
    ASSERT_TRUE(ChooseFromTrayMenu(icon, 'S'));
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(window); })) << "\"&Show clock\" did not show the clock";
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == window; }));

    // The shown clock takes its keys at once, without a click.
    SendChord({VK_CONTROL}, 'O');
    ASSERT_TRUE(WaitUntil([] { return Shown("TOptForm"); })) << "Ctrl+O did not reach the clock";
    EXPECT_EQ(WindowButtons(), 0);
    SendChord({}, VK_ESCAPE);
    ASSERT_TRUE(WaitUntil([] { return !Shown("TOptForm"); }));

    // A clock added with auto-save off goes nowhere.
    SendChord({VK_SHIFT}, 'A');
    EXPECT_TRUE(WaitUntil([&] {
        GetClientRect(window, &client);
        return client.right == twoFaces * 3 / 2;
    })) << "Shift+A added no clock";

    ASSERT_TRUE(clock.CloseAndWait());
    EXPECT_TRUE(StateOf(files.Clocks) == clocksBefore) << "the clocks file was written";
    EXPECT_TRUE(StateOf(files.Alarms) == alarmsBefore) << "the alarms file was written";
    EXPECT_TRUE(RegValueThere("SOFTWARE\\Doviz\\Clock\\Options", "OnTop")) << "the options were not saved";
    EXPECT_TRUE(RegValueThere("SOFTWARE\\Doviz\\Clock\\TClockForm", "NormPos")) << "the position was not saved";
}

// The tray menu takes its keys at once; with faceMenu, so does the face's menu after the clock
// came back from the tray.
void MenusTakeTheirKeys(bool faceMenu)
{
    StartingOptionsWithTheTrayIcon();
    TRunningClock clock;
    ASSERT_NE(clock.Window(), nullptr);
    HWND window = clock.Window();
    ASSERT_TRUE(WaitUntil([] { return Taskbar() != nullptr; })) << "Wine's desktop shell shows no taskbar";
    POINT icon{};
    ASSERT_TRUE(WaitUntil([&] { return FindTrayIcon(icon); })) << "no icon in the tray";
    // Keys typed before the menu's loop has taken the input would go to the window beneath it.
    const DWORD thread = GetWindowThreadProcessId(window, nullptr);
    auto openMenu = [thread](POINT at) {
        Mouse(at, {MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP});
        return WaitUntil([thread] {
            GUITHREADINFO info{sizeof info};
            return Shown("#32768") && GetGUIThreadInfo(thread, &info) && (info.flags & GUI_INMENUMODE);
        });
    };
    auto clockWidth = [&] {
        RECT client{};
        GetClientRect(window, &client);
        return client.right;
    };

    // The tray menu: Esc closes it, and the arrows move in it ("&Hide clock" is the second item).
    ASSERT_TRUE(openMenu(icon));
    SendChord({}, VK_ESCAPE);
    ASSERT_TRUE(WaitUntil([] { return !Shown("#32768"); })) << "Esc left the tray menu open";
    ASSERT_TRUE(openMenu(icon));
    SendChord({}, VK_DOWN);
    SendChord({}, VK_DOWN);
    SendChord({}, VK_RETURN);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(window); })) << "the arrows did not reach the tray menu";
    ASSERT_TRUE(WaitUntil([] { return !Shown("#32768"); }));

    if (!faceMenu) {
        ASSERT_TRUE(clock.CloseAndWait());
        return;
    }
    // Back from the tray, the face's menu takes its letters and arrows without a click first.
    ASSERT_TRUE(ChooseFromTrayMenu(icon, 'S'));
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(window); }));
    RECT wr{};
    GetWindowRect(window, &wr);
    const POINT face{wr.left + 30, wr.bottom - 8};
    ASSERT_TRUE(openMenu(face));
    SendChord({}, 'D');
    EXPECT_TRUE(WaitUntil([&] { return clockWidth() == 150; })) << "\"A&dd clock\" was not chosen by its letter";
    ASSERT_TRUE(WaitUntil([] { return !Shown("#32768"); }));
    ASSERT_TRUE(openMenu(face));
    SendChord({}, VK_DOWN);
    SendChord({}, VK_RETURN);
    EXPECT_TRUE(WaitUntil([&] { return clockWidth() == 225; })) << "the arrows did not reach the face's menu";
    ASSERT_TRUE(WaitUntil([] { return !Shown("#32768"); }));

    ASSERT_TRUE(clock.CloseAndWait());
}

TEST(TrayInTheShell, MenusTakeTheirKeysAtOnce)
{
    MenusTakeTheirKeys(false);
}

TEST(TrayInTheShell, FaceMenuTakesItsKeysAfterAReturnFromTheTray)
{
    MenusTakeTheirKeys(true);
}

// Runs xdotool on the X server under Wine's desktop: a click and keys as a user's hands make
// them, which reach the window that has the X focus rather than Windows' foreground window.
// Wine starts the program apart and can't wait for it; the caller waits for what it does.
bool OnTheXServer(const std::string& commands)
{
    std::string cmd = "Z:\\usr\\bin\\xdotool " + commands;
    STARTUPINFOA si{sizeof(si)};
    PROCESS_INFORMATION pi{};
    if (!CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return false;
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return true;
}

TEST(TrayInTheShell, TrayMenuTakesKeysTypedOnTheXServerWhileTheClockIsHidden)
{
    StartingOptionsWithTheTrayIcon();
    TRunningClock clock;
    ASSERT_NE(clock.Window(), nullptr);
    HWND window = clock.Window();
    POINT icon{};
    ASSERT_TRUE(WaitUntil([&] { return FindTrayIcon(icon); })) << "no icon in the tray";
    const std::string rightClick =
        "mousemove " + std::to_string(icon.x) + " " + std::to_string(icon.y) + " click 3 sleep 0.8 key ";

    ASSERT_TRUE(OnTheXServer(rightClick + "h")) << "no xdotool";
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(window); })) << "\"&Hide clock\" was not chosen by its letter";
    ASSERT_TRUE(WaitUntil([] { return !Shown("#32768"); }));
    Sleep(GetDoubleClickTime());

    ASSERT_TRUE(OnTheXServer(rightClick + "Escape"));
    ASSERT_TRUE(WaitUntil([] { return Shown("#32768"); })) << "no tray menu";
    Sleep(300);
    EXPECT_EQ(WindowButtons(), 0) << "the open tray menu brought a taskbar button";
    EXPECT_TRUE(WaitUntil([] { return !Shown("#32768"); })) << "Esc left the tray menu open";
    if (Shown("#32768")) OnTheXServer("mousemove 300 300 click 1");
    ASSERT_TRUE(WaitUntil([] { return !Shown("#32768"); }));
    Sleep(GetDoubleClickTime());

    ASSERT_TRUE(OnTheXServer(rightClick + "s"));
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(window); })) << "\"&Show clock\" was not chosen by its letter";
    ASSERT_TRUE(clock.CloseAndWait());
}


// Back from the tray by a double-click on the icon, the clock takes keys typed on the X server:
// Ctrl+O opens the options, and Esc closes them.
TEST(TrayInTheShell, ClockShownByTheIconsDoubleClickTakesKeysTypedOnTheXServer)
{
    StartingOptionsWithTheTrayIcon();
    StoreOption("DblClickAction", "0");
    TRunningClock clock;
    ASSERT_NE(clock.Window(), nullptr);
    HWND window = clock.Window();
    POINT icon{};
    ASSERT_TRUE(WaitUntil([&] { return FindTrayIcon(icon); })) << "no icon in the tray";
    const std::string onIcon = "mousemove " + std::to_string(icon.x) + " " + std::to_string(icon.y);

    ASSERT_TRUE(OnTheXServer(onIcon + " click --repeat 2 --delay 80 1")) << "no xdotool";
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(window); })) << "the double-click did not hide the clock";
    Sleep(GetDoubleClickTime());

    ASSERT_TRUE(OnTheXServer(onIcon + " click --repeat 2 --delay 80 1"));
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(window); })) << "the double-click did not show the clock";
    Sleep(500);
    ASSERT_TRUE(OnTheXServer("key ctrl+o"));
    EXPECT_TRUE(WaitUntil([] { return Shown("TOptForm"); })) << "Ctrl+O typed on the X server did not reach the clock";
    ASSERT_TRUE(OnTheXServer("key Escape"));
    EXPECT_TRUE(WaitUntil([] { return !Shown("TOptForm"); })) << "Esc did not close the options";
    if (Shown("TOptForm")) PostMessageA(FindWindowA("TOptForm", nullptr), WM_CLOSE, 0, 0);
    ASSERT_TRUE(clock.CloseAndWait());
}

}  // namespace
