#include "widgets/TrayIcon.h"

#include <shellapi.h>

#include <algorithm>
#include <cstring>

#include "widgets/Application.h"
#include "widgets/Menu.h"

std::function<bool(DWORD, const NOTIFYICONDATAA&)> TTrayIcon::NotifyHook;

TTrayIcon::TTrayIcon()
{
    RegisterClassOnce("TTrayIconWindow", 0, nullptr, nullptr);
    // A top-level window, hidden but for the menu's time: the menu needs one that can come to
    // the foreground. Owned by the program's window, so that no taskbar shows a button for it.
    CreateHandle(WS_EX_TOOLWINDOW, "TTrayIconWindow", "", WS_POPUP, 0, 0, 0, 0, Application.Handle());
    taskbarCreated_ = RegisterWindowMessageA("TaskbarCreated");
    RetryTimer.OnTimer = [this](TTimer&) {
        if (wanted_ && !active_) TryAdd();
    };
}

TTrayIcon::~TTrayIcon()
{
    SetActive(false);
}

std::string TTrayIcon::Tip() const
{
    std::string tip = hint_.substr(0, hint_.find('|'));
    if (tip.size() > 63) tip.resize(63);
    return tip;
}

bool TTrayIcon::Notify(DWORD message, const std::string& title, const std::string& text)
{
    NOTIFYICONDATAA nid{};
    nid.cbSize = sizeof(nid);
    nid.hWnd = Handle();
    nid.uID = IconId;
    nid.uFlags = NIF_ICON | NIF_TIP | NIF_MESSAGE;
    nid.uCallbackMessage = CallbackMessage;
    nid.hIcon = icon_;
    std::string tip = Tip();
    memcpy(nid.szTip, tip.c_str(), tip.size() + 1);
    if (!text.empty()) {
        nid.uFlags |= NIF_INFO;
        nid.dwInfoFlags = NIIF_WARNING;
        lstrcpynA(nid.szInfoTitle, title.c_str(), sizeof nid.szInfoTitle);
        lstrcpynA(nid.szInfo, text.c_str(), sizeof nid.szInfo);
    }
    if (NotifyHook) return NotifyHook(message, nid);
    return Shell_NotifyIconA(message, &nid) != FALSE;
}

bool TTrayIcon::ShowBalloon(const std::string& title, const std::string& text)
{
    return active_ && Notify(NIM_MODIFY, title, text);
}

void TTrayIcon::SetActive(bool active)
{
    if (active == wanted_ && active == active_) return;
    wanted_ = active;
    if (active) {
        TryAdd();
    } else {
        RetryTimer.SetEnabled(false);
        if (active_) Notify(NIM_DELETE);
        active_ = false;
    }
}

void TTrayIcon::TryAdd()
{
    // An icon goes in only while there is a picture for it.
    if (active_ || !icon_) return;
    active_ = Notify(NIM_ADD);
    RetryTimer.SetEnabled(!active_);
    if (active_ && OnAdded) Application.Guard([this] { OnAdded(*this); });
}

void TTrayIcon::SetIcon(HICON icon)
{
    icon_ = icon;
    if (active_) Notify(NIM_MODIFY);
}

void TTrayIcon::SetHint(const std::string& hint)
{
    // Set every second by the alarms' tip: the shell hears only of a change.
    if (hint == hint_) return;
    hint_ = hint;
    if (active_) Notify(NIM_MODIFY);
}

void TTrayIcon::ShowMenu()
{
    if (!PopupMenu) return;
    POINT p;
    GetCursorPos(&p);
    // This window comes to the foreground only for the menu's tracking, so that the menu takes
    // the keys and closes when the user clicks elsewhere. It is shown for that time, one pixel
    // under the menu's corner: where the keyboard follows the focused window on screen (Wine's X
    // desktop), a hidden window can't have the keys, and they would go to the taskbar. The
    // chosen command runs after that, and a window it shows or activates keeps the foreground.
    SetWindowPos(Handle(), HWND_TOPMOST, p.x, p.y, 1, 1, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    SetForegroundWindow(Handle());
    tracking_ = true;
    TMenuItem* chosen = PopupMenu->Track(p.x, p.y, Handle());
    tracking_ = false;
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                 SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_HIDEWINDOW);
    PostMessageA(Handle(), WM_NULL, 0, 0);
    if (chosen) Application.Guard([&] { chosen->Click(); });
}

LRESULT TTrayIcon::WndProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == CallbackMessage) {
        switch (LOWORD(lParam)) {
        case WM_LBUTTONDBLCLK: {
            TMenuItem* defaultItem = nullptr;
            if (PopupMenu)
                for (auto& item : PopupMenu->Items().Items())
                    if (item->Default() && item->Enabled()) defaultItem = item.get();
            if (defaultItem)
                defaultItem->Click();
            else if (OnDblClick)
                OnDblClick(*this);
            return 0;
        }
        case WM_RBUTTONUP:
            ShowMenu();
            return 0;
        default:
            return 0;
        }
    }
    // The system may hand the activation given for the menu back to this window late, after a
    // command has shown the clock: the keys would then go to a window nobody sees. Give it back
    // to the window it came from.
    if (msg == WM_ACTIVATE && LOWORD(wParam) != WA_INACTIVE && !tracking_) {
        HWND previous = reinterpret_cast<HWND>(lParam);
        if (previous && IsWindowVisible(previous)) PostMessageA(Handle(), ReturnActivationMessage, 0, lParam);
    }
    if (msg == ReturnActivationMessage) {
        HWND previous = reinterpret_cast<HWND>(lParam);
        if (GetForegroundWindow() == Handle() && IsWindow(previous) && IsWindowVisible(previous))
            SetForegroundWindow(previous);
        return 0;
    }
    if (msg == taskbarCreated_ && taskbarCreated_ != 0) {
        // A shell (re)started with an empty tray: put the icon in, whatever the last add said.
        if (wanted_) {
            active_ = false;
            TryAdd();
        }
        return 0;
    }
    return DefaultProc(msg, wParam, lParam);
}
