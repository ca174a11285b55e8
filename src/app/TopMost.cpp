#include "app/TopMost.h"

namespace {

void Place(HWND window, HWND where)
{
    SetWindowPos(window, where, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

}  // namespace

void TTopMost::SetTopMost(bool on)
{
    if (on == topMost_) return;
    topMost_ = on;
    Apply();
}

void TTopMost::Apply() const
{
    if (!owner_) return;
    Place(owner_, topMost_ ? HWND_TOPMOST : HWND_NOTOPMOST);
    // Wine keeps an owned window top-most through HWND_NOTOPMOST; without its owner for a
    // moment it takes the change.
    HWND owner = GetWindow(owner_, GW_OWNER);
    if (!topMost_ && owner && (GetWindowLongPtrA(owner_, GWL_EXSTYLE) & WS_EX_TOPMOST)) {
        SetWindowLongPtrA(owner_, GWLP_HWNDPARENT, 0);
        Place(owner_, HWND_NOTOPMOST);
        SetWindowLongPtrA(owner_, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
    }
}
