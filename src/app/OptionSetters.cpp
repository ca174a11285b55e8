// What the options' setters do to the clock window.

#include "app/Main.h"

void TClockForm::SetTopMost(bool onTop)
{
    TopWin.SetTopMost(onTop);
}

void TClockForm::ApplyLayout(const TLayoutOptions& layout)
{
    layout_ = layout;
    holdRelayout_ = true;
    LocalClock->SetShowDate(layout.ShowDate);
    LocalClock->SetLabels(layout.ShowLabels);
    for (int i = 0; Clocks && i < Clocks->Count(); ++i) {
        Clocks->Items(i)->SetShowDate(layout.ShowDate);
        Clocks->Items(i)->SetLabels(layout.ShowLabels);
    }
    holdRelayout_ = false;
    Relayout();
}

void TClockForm::SetDaylightAdjust(bool on)
{
    DaylightAdjust = on;
}

void TClockForm::SetZoneDaylight(bool on)
{
    ZoneDaylight = on;
    MainTimerTimer();
}

void TClockForm::SetLocalSeconds(bool show)
{
    LocalClock->ShowSeconds = show;
}

void TClockForm::SetTrayIconAlways(bool show)
{
    // While the window is hidden the icon is the only way back to it: it stays until the window shows.
    if (show || !Hidden) TrayIcon.SetActive(show);
    // Without the icon a hide that waits for it would never come.
    if (!TrayIcon.Wanted()) hideWhenIconIn_ = false;
}

void TClockForm::SetZoneSeconds(bool show)
{
    for (int i = 0; Clocks && i < Clocks->Count(); ++i) Clocks->Items(i)->ShowSeconds = show;
}
