#include "widgets/CommonDialogs.h"
#include "widgets/OnDemand.h"

std::function<void(HWND)> TFontDialog::ShownHook;
std::function<void(HWND)> TColorDialog::ShownHook;

namespace {

constexpr UINT WM_DIALOG_SHOWN = WM_APP + 0x101;

// Hands the shown dialog to a test once its own initialisation is done.
template <const std::function<void(HWND)>* Hook>
UINT_PTR CALLBACK ShownHookProc(HWND dialog, UINT msg, WPARAM, LPARAM)
{
    if (msg == WM_INITDIALOG) {
        PostMessageA(dialog, WM_DIALOG_SHOWN, 0, 0);
        return TRUE;
    }
    if (msg == WM_DIALOG_SHOWN && *Hook) {
        auto hook = *Hook;
        hook(dialog);
    }
    return FALSE;
}

}  // namespace

bool TFontDialog::Execute(HWND owner)
{
    // The dialog measures heights on the screen, at the system's DPI.
    Font.SetDpi(SystemDpi());
    LOGFONTA lf = Font.ToLogFont();
    CHOOSEFONTA cf{};
    cf.lStructSize = sizeof cf;
    cf.hwndOwner = owner;
    cf.lpLogFont = &lf;
    cf.Flags = Options;
    cf.rgbColors = Font.Color();
    if (ShownHook) {
        cf.Flags |= CF_ENABLEHOOK;
        cf.lpfnHook = &ShownHookProc<&TFontDialog::ShownHook>;
    }
    if (!OnDemandChooseFont(&cf)) return false;
    // Without an initial size selection a user may leave the size empty: the size stays.
    if (lf.lfHeight == 0) lf.lfHeight = Font.Height();
    Font.Assign(lf, cf.rgbColors);
    return true;
}

bool TColorDialog::Execute(HWND owner)
{
    CHOOSECOLORA cc{};
    cc.lStructSize = sizeof cc;
    cc.hwndOwner = owner;
    cc.rgbResult = Color;
    cc.lpCustColors = custom_;
    // Opened in full: the basic colours alone show nothing of a colour that is not among them,
    // so the dialog would seem to start from nothing (black) instead of the given colour.
    cc.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (ShownHook) {
        cc.Flags |= CC_ENABLEHOOK;
        cc.lpfnHook = &ShownHookProc<&TColorDialog::ShownHook>;
    }
    if (!OnDemandChooseColor(&cc)) return false;
    Color = cc.rgbResult;
    return true;
}
