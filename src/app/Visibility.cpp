// Showing and hiding the clock window, the tray icon's part in it, and the double-click actions.

#include "app/Main.h"

#include "widgets/Application.h"

void TClockForm::BindApplicationEvents()
{
    Application.OnMinimize = [this] { HideItemClick(); };
    Application.OnRestore = [this] { DoDblClick(); };
    TrayIcon.OnAdded = [this](TTrayIcon&) {
        if (hideWhenIconIn_) HideItemClick();
    };
}

void TClockForm::UnbindApplicationEvents()
{
    Application.OnMinimize = nullptr;
    Application.OnRestore = nullptr;
    TrayIcon.OnAdded = nullptr;
}

void TClockForm::CustDblClick(void* sender)
{
    if (DblClickHandler) DblClickHandler(sender);
}

void TClockForm::HideItemClick()
{
    // The icon is the only way back to a hidden clock: the clock goes once the icon is in.
    TrayIcon.SetActive(true);
    hideWhenIconIn_ = !TrayIcon.Active();
    if (hideWhenIconIn_) return;
    ShowWindow(Handle(), SW_HIDE);
    Hidden = true;
}

void TClockForm::DoDblClick()
{
    // The program comes to the front with the window the user last worked in (taken before the
    // show, which activates the clock window).
    HWND front = Application.LastActiveWindow();
    hideWhenIconIn_ = false;
    ShowWindow(Handle(), SW_SHOW);
    TopWin.Apply();
    if (!front || !IsWindowVisible(front)) front = Handle();
    SetForegroundWindow(front);
    Hidden = false;
    if (!Options->ShowTrayIcon()) TrayIcon.SetActive(false);
}

void TClockForm::ToggleVisible()
{
    if (Hidden)
        DoDblClick();
    else
        HideItemClick();
}

void TClockForm::BindDblClick(TDblClickAction action)
{
    switch (action) {
    case dcaRestore:
        DblClickHandler = [this](void*) { ToggleVisible(); };
        break;
    case dcaAddClock:
        DblClickHandler = [this](void*) { AddItemClick(); };
        break;
    case dcaAddAlarm:
        DblClickHandler = [this](void*) { AddAlarmItemClick(); };
        break;
    case dcaAddReminder:
        DblClickHandler = [this](void*) { CustomItemClick(nullptr); };
        break;
    case dcaCalendar:
        DblClickHandler = [this](void*) { CalendarItemClick(); };
        break;
    case dcaOptions:
        DblClickHandler = [this](void*) { OptionsItemClick(); };
        break;
    case dcaPlan:
        DblClickHandler = [this](void*) { PlanItemClick(nullptr); };
        break;
    }
}
