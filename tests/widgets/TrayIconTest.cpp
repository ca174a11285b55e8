// The tray icon as the shell sees it: what it tells the shell and when, and what its mouse messages do.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "../support/WinTestSupport.h"
#include "widgets/Menu.h"
#include "widgets/TrayIcon.h"

namespace {

struct TNotified {
    DWORD Message;
    HICON Icon;
    std::string Tip;
    friend bool operator==(const TNotified&, const TNotified&) = default;
};

std::ostream& operator<<(std::ostream& out, const TNotified& n)
{
    static const char* const names[] = {"NIM_ADD", "NIM_MODIFY", "NIM_DELETE"};
    return out << (n.Message < 3 ? names[n.Message] : "?") << " " << n.Icon << " \"" << n.Tip << "\"";
}

// Stands in for the shell while it lives, keeping every notification and checking what each must carry.
class TShell {
public:
    explicit TShell(const TTrayIcon& icon)
    {
        TTrayIcon::NotifyHook = [this, &icon](DWORD message, const NOTIFYICONDATAA& d) {
            EXPECT_EQ(d.cbSize, sizeof d);
            EXPECT_EQ(d.hWnd, icon.Handle());
            EXPECT_EQ(d.uID, TTrayIcon::IconId);
            EXPECT_EQ(d.uFlags, static_cast<UINT>(NIF_ICON | NIF_TIP | NIF_MESSAGE));
            EXPECT_EQ(d.uCallbackMessage, TTrayIcon::CallbackMessage);
            Seen.push_back({message, d.hIcon, d.szTip});
            return message != NIM_ADD || AcceptAdd;
        };
    }
    ~TShell() { TTrayIcon::NotifyHook = nullptr; }
    TShell(const TShell&) = delete;
    TShell& operator=(const TShell&) = delete;

    std::vector<TNotified> Take() { return std::exchange(Seen, {}); }

    std::vector<TNotified> Seen;
    bool AcceptAdd = true;
};

HICON Icon(LPCSTR id) { return LoadIconA(nullptr, id); }

TEST(TrayIcon, TellsTheShellOfEveryChangeWhileInTheTrayAndOfNoneOutside)
{
    TTrayIcon tray;
    TShell shell(tray);
    const HICON a = Icon(IDI_APPLICATION), b = Icon(IDI_INFORMATION);

    // No picture, no icon.
    tray.SetActive(true);
    EXPECT_FALSE(tray.Active());
    EXPECT_EQ(shell.Take(), std::vector<TNotified>{});

    // Changes outside the tray are kept for the next add.
    tray.SetIcon(a);
    tray.SetHint("Doviz Clock|more");
    EXPECT_EQ(shell.Take(), std::vector<TNotified>{});
    tray.SetActive(true);
    EXPECT_TRUE(tray.Active());
    tray.SetActive(true);
    EXPECT_EQ(shell.Take(), (std::vector<TNotified>{{NIM_ADD, a, "Doviz Clock"}}));

    tray.SetIcon(b);
    tray.SetHint("Alarm at noon");
    EXPECT_EQ(shell.Take(), (std::vector<TNotified>{{NIM_MODIFY, b, "Doviz Clock"}, {NIM_MODIFY, b, "Alarm at noon"}}));

    tray.SetActive(false);
    tray.SetActive(false);
    EXPECT_FALSE(tray.Active());
    EXPECT_EQ(shell.Take(), (std::vector<TNotified>{{NIM_DELETE, b, "Alarm at noon"}}));

    // A shell that refuses the icon leaves it out of the tray.
    shell.AcceptAdd = false;
    tray.SetActive(true);
    EXPECT_FALSE(tray.Active());
    tray.SetHint("again");
    EXPECT_EQ(shell.Take(), (std::vector<TNotified>{{NIM_ADD, b, "Alarm at noon"}}));
}

TEST(TrayIcon, ComesBackWhenTheShellRestarts)
{
    TTrayIcon tray;
    TShell shell(tray);
    const UINT taskbarCreated = RegisterWindowMessageA("TaskbarCreated");
    const HICON a = Icon(IDI_APPLICATION);
    tray.SetIcon(a);
    tray.SetHint("Doviz Clock");

    // Not in the tray: a new shell gets nothing.
    SendMessageA(tray.Handle(), taskbarCreated, 0, 0);
    EXPECT_EQ(shell.Take(), std::vector<TNotified>{});

    tray.SetActive(true);
    shell.Take();
    SendMessageA(tray.Handle(), taskbarCreated, 0, 0);
    EXPECT_EQ(shell.Take(), (std::vector<TNotified>{{NIM_ADD, a, "Doviz Clock"}}));
    EXPECT_TRUE(tray.Active());
    tray.SetActive(false);
}

TEST(TrayIcon, ARefusedAddIsTriedAgainOnEveryTickAndEveryNewShellUntilTheIconIsIn)
{
    TTrayIcon tray;
    TShell shell(tray);
    const UINT taskbarCreated = RegisterWindowMessageA("TaskbarCreated");
    const HICON a = Icon(IDI_APPLICATION);
    tray.SetIcon(a);
    tray.SetHint("Doviz Clock");
    int added = 0;
    tray.OnAdded = [&](TTrayIcon&) { ++added; };
    auto tick = [&] { tray.RetryTimer.OnTimer(tray.RetryTimer); };
    const TNotified add{NIM_ADD, a, "Doviz Clock"};

    shell.AcceptAdd = false;
    tray.SetActive(true);
    EXPECT_TRUE(tray.RetryTimer.Enabled());
    tick();
    SendMessageA(tray.Handle(), taskbarCreated, 0, 0);
    EXPECT_FALSE(tray.Active());
    EXPECT_EQ(shell.Take(), (std::vector<TNotified>{add, add, add}));

    shell.AcceptAdd = true;
    tick();
    EXPECT_TRUE(tray.Active());
    EXPECT_EQ(added, 1);
    EXPECT_FALSE(tray.RetryTimer.Enabled());
    tick();
    EXPECT_EQ(shell.Take(), std::vector<TNotified>{add});

    // A new shell that refuses the icon: out of the tray, and tried again.
    shell.AcceptAdd = false;
    SendMessageA(tray.Handle(), taskbarCreated, 0, 0);
    EXPECT_FALSE(tray.Active());
    EXPECT_TRUE(tray.RetryTimer.Enabled());
    // No longer wanted: the tries stop, and nothing was in the tray to delete.
    tray.SetActive(false);
    EXPECT_FALSE(tray.RetryTimer.Enabled());
    tick();
    SendMessageA(tray.Handle(), taskbarCreated, 0, 0);
    EXPECT_EQ(shell.Take(), std::vector<TNotified>{add});
}

TEST(TrayIcon, DoubleClickRunsTheEnabledDefaultItemInsteadOfTheEvent)
{
    const struct {
        bool defaultItem;
        bool enabled;
        const char* runs;
    } cases[] = {
        {false, true, "double-click"},
        {true, true, "Show"},
        {true, false, "double-click"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.defaultItem ? "default " : "no default ") + (c.enabled ? "enabled" : "disabled"));
        TTrayIcon tray;
        TPopupMenu menu;
        std::string ran;
        TMenuItem& show = menu.Items().Add("ShowItem", "&Show");
        show.OnClick = [&](TMenuItem&) { ran += "Show"; };
        menu.Items().Add("OtherItem", "&Other").OnClick = [&](TMenuItem&) { ran += "Other"; };
        menu.Build();
        show.SetDefault(c.defaultItem);
        show.SetEnabled(c.enabled);
        tray.PopupMenu = &menu;
        tray.OnDblClick = [&](TTrayIcon&) { ran += "double-click"; };
        SendMessageA(tray.Handle(), TTrayIcon::CallbackMessage, TTrayIcon::IconId, WM_LBUTTONDBLCLK);
        // A single click or a left button released does nothing.
        SendMessageA(tray.Handle(), TTrayIcon::CallbackMessage, TTrayIcon::IconId, WM_LBUTTONUP);
        SendMessageA(tray.Handle(), TTrayIcon::CallbackMessage, TTrayIcon::IconId, WM_LBUTTONDOWN);
        EXPECT_EQ(ran, c.runs);
    }
}

TEST(TrayIcon, TipIsTheHintsShortPartAtMost63Characters)
{
    const struct {
        std::string hint;
        std::string tip;
    } cases[] = {
        {"Doviz Clock|the long part", "Doviz Clock"},
        {std::string(70, 'x'), std::string(63, 'x')},
        {std::string(63, 'y') + "|z", std::string(63, 'y')},
        {"|", ""},
        {"", ""},
    };
    TTrayIcon tray;
    for (const auto& c : cases) {
        tray.SetHint(c.hint);
        EXPECT_EQ(tray.Tip(), c.tip) << c.hint;
    }
}

}  // namespace
