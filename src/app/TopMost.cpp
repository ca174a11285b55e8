#include "app/TopMost.h"

void TTopMost::SetTopMost(bool on)
{
    if (on == topMost_) return;
    topMost_ = on;
    if (owner_)
        SetWindowPos(owner_, on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}
