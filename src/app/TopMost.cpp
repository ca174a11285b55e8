#include "app/TopMost.h"

void TTopMost::SetTopMost(bool on)
{
    if (on == topMost_) return;
    topMost_ = on;
    Apply();
}

void TTopMost::Apply() const
{
    if (owner_)
        SetWindowPos(owner_, topMost_ ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}
