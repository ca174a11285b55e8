#pragma once
// An icon in the notification area, with a tool tip, a menu on right-click and a double-click event.

#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <string>

#include "widgets/Timer.h"
#include "widgets/Window.h"

class TPopupMenu;

class TTrayIcon : public TWindow {
public:
    TTrayIcon();
    ~TTrayIcon() override;

    // The icon is in the tray.
    bool Active() const { return active_; }
    // Adds the icon to the tray or takes it out. An add the shell refuses (not ready at login,
    // or busy) is tried again by RetryTimer and whenever a shell starts, until it succeeds or
    // the icon is no longer wanted.
    void SetActive(bool active);
    bool Wanted() const { return wanted_; }
    void SetIcon(HICON icon);
    // The tool tip is the short part of the hint, before any "|", at most 63 characters.
    void SetHint(const std::string& hint);
    std::string Tip() const;
    // A note from the icon (the text cut to 255 characters); false when the icon is not in.
    bool ShowBalloon(const std::string& title, const std::string& text);

    TPopupMenu* PopupMenu = nullptr;
    std::function<void(TTrayIcon&)> OnDblClick;
    // The icon has just gone into the tray.
    std::function<void(TTrayIcon&)> OnAdded;
    // Runs only while the icon is wanted and out of the tray.
    TTimer RetryTimer{3000, false};

    static constexpr UINT CallbackMessage = WM_APP + 0x200;
    static constexpr UINT ReturnActivationMessage = WM_APP + 0x201;
    static constexpr UINT IconId = 0;

    // Tests take the shell's place: every notification goes here instead, and its answer counts.
    static std::function<bool(DWORD message, const NOTIFYICONDATAA& data)> NotifyHook;

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    bool Notify(DWORD message, const std::string& title = {}, const std::string& text = {});
    // One add, and the retry timer set by its result.
    void TryAdd();
    void ShowMenu();

    bool wanted_ = false;
    bool active_ = false;
    // True while the icon's menu is open: the only time this hidden window may be active.
    bool tracking_ = false;
    HICON icon_ = nullptr;
    std::string hint_;
    UINT taskbarCreated_ = 0;
};
