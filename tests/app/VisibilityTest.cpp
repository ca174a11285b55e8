// Hiding to the tray and showing again, from the menus, the tray icon and the program's own
// minimise and restore; and the window following the system's clock.

#include <gtest/gtest.h>

#include "ScratchClock.h"
#include "widgets/TrayIcon.h"

namespace {

class Visibility : public testing::Test, protected TScratchClock {
protected:
    Visibility() : TScratchClock("Visibility") {}

    static void TrayMouse(TClockForm& form, UINT mouseMessage)
    {
        SendMessageA(form.TrayIcon.Handle(), TTrayIcon::CallbackMessage, TTrayIcon::IconId, mouseMessage);
    }
    static bool Shown(const TClockForm& form) { return IsWindowVisible(form.Handle()) != FALSE; }
    void TearDown() override
    {
        TTrayIcon::NotifyHook = nullptr;
        Application.CancelTerminate();
    }
};

TEST_F(Visibility, TrayDoubleClicksToggleTheWindowAndTheIconFollowsTheOption)
{
    TClockForm form(Config());
    form.ShowClock();
    ASSERT_FALSE(form.TrayIcon.Active());
    TrayMouse(form, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(form.Hidden);
    EXPECT_FALSE(Shown(form));
    EXPECT_TRUE(form.TrayIcon.Active());
    TrayMouse(form, WM_LBUTTONDBLCLK);
    EXPECT_FALSE(form.Hidden);
    EXPECT_TRUE(Shown(form));
    EXPECT_FALSE(form.TrayIcon.Active());

    // "Always show tray icon": the icon stays through both.
    form.Options->SetShowTrayIcon(true);
    form.HideItemClick();
    EXPECT_TRUE(form.TrayIcon.Active());
    form.DoDblClick();
    EXPECT_TRUE(form.TrayIcon.Active());
    // Showing a visible window, and hiding a hidden one, change nothing.
    form.DoDblClick();
    EXPECT_FALSE(form.Hidden);
    EXPECT_TRUE(Shown(form));
}

TEST_F(Visibility, HidingWaitsUntilTheShellTakesTheIcon)
{
    TClockForm form(Config());
    form.ShowClock();
    bool accept = false;
    TTrayIcon::NotifyHook = [&](DWORD message, const NOTIFYICONDATAA&) { return message != NIM_ADD || accept; };
    const UINT taskbarCreated = RegisterWindowMessageA("TaskbarCreated");

    // Refused: the clock stays, the only way back to it.
    form.HideItemClick();
    EXPECT_FALSE(form.Hidden);
    EXPECT_TRUE(Shown(form));
    accept = true;
    SendMessageA(form.TrayIcon.Handle(), taskbarCreated, 0, 0);
    EXPECT_TRUE(form.TrayIcon.Active());
    EXPECT_TRUE(form.Hidden);
    EXPECT_FALSE(Shown(form));

    // A show while the hide waits takes the hide back.
    form.DoDblClick();
    accept = false;
    form.HideItemClick();
    form.DoDblClick();
    accept = true;
    SendMessageA(form.TrayIcon.Handle(), taskbarCreated, 0, 0);
    EXPECT_FALSE(form.Hidden);
    EXPECT_TRUE(Shown(form));
    TTrayIcon::NotifyHook = nullptr;
}

TEST_F(Visibility, ClockAddedFromTheTrayWhileHiddenIsThereWhenShown)
{
    StoreOption("DblClickAction", "1");  // dcaAddClock
    TClockForm form(Config());
    form.ShowClock();
    form.HideItemClick();
    TrayMouse(form, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(form.Hidden);
    EXPECT_FALSE(Shown(form));
    ASSERT_EQ(form.Clocks->Count(), 1);
    form.DoDblClick();
    RECT r;
    GetClientRect(form.Handle(), &r);
    EXPECT_EQ(r.right, 150);
    EXPECT_TRUE(IsWindowVisible(form.Clocks->Items(0)->Handle()));
}

TEST_F(Visibility, MinimisingTheProgramHidesAndRestoringShows)
{
    TClockForm form(Config());
    form.ShowClock();
    SendMessageA(Application.Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(form.Hidden);
    EXPECT_FALSE(Shown(form));
    EXPECT_TRUE(form.TrayIcon.Active());
    SendMessageA(Application.Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_FALSE(form.Hidden);
    EXPECT_TRUE(Shown(form));
    // The owner window itself is never shown, so no shell gives the program a taskbar button.
    EXPECT_FALSE(IsWindowVisible(Application.Handle()));
    EXPECT_FALSE(IsIconic(Application.Handle()));
}

TEST_F(Visibility, ShowingBringsBackTheWindowLastWorkedIn)
{
    TClockForm form(Config());
    form.ShowClock();
    TForm other(TestDialog("TVisibilityOther"));
    other.Show();
    SetForegroundWindow(other.Handle());
    PumpMessages();
    ASSERT_EQ(GetForegroundWindow(), other.Handle());
    form.HideItemClick();
    form.DoDblClick();
    EXPECT_EQ(GetForegroundWindow(), other.Handle());
    // Once that window has gone, the clock itself comes to the front.
    other.Hide();
    form.HideItemClick();
    form.DoDblClick();
    EXPECT_EQ(GetForegroundWindow(), form.Handle());
}

TEST_F(Visibility, ShowClockFromTheTrayMenuLeavesTheClockInTheForeground)
{
    TClockForm form(Config());
    form.ShowClock();
    form.HideItemClick();
    // The menu's loop takes these keys: the first item, "&Show clock", is chosen.
    PostMessageA(form.TrayIcon.Handle(), WM_KEYDOWN, VK_DOWN, 0);
    PostMessageA(form.TrayIcon.Handle(), WM_KEYDOWN, VK_RETURN, 0);
    TrayMouse(form, WM_RBUTTONUP);
    PumpMessages();
    EXPECT_FALSE(form.Hidden);
    EXPECT_TRUE(Shown(form));
    EXPECT_EQ(GetForegroundWindow(), form.Handle());
}

TEST_F(Visibility, SettingTheSystemClockShowsTheNewTimeAtOnce)
{
    TFakeClock before(Moment(2026, 12, 8, 9, 0, 0));
    TClockForm form(Config());
    form.ShowClock();
    form.AddItemClick();
    TMyRoVudez& zone = *form.Clocks->Items(0);
    TFakeClock after(Moment(2026, 12, 8, 17, 30, 0));
    SendMessageA(form.Handle(), WM_TIMECHANGE, 0, 0);
    EXPECT_EQ(form.LocalClock->DisplayText(), "17:30:00");
    EXPECT_NE(zone.DisplayText().find("17:30"), std::string::npos) << zone.DisplayText();
}

}  // namespace
