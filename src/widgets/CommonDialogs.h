#pragma once
// The system's font and colour dialogs. Each starts from the values it holds and takes the
// user's choice back into them only on OK, so a cancelled dialog leaves them as they were.

#include <windows.h>
#include <commdlg.h>

#include <functional>

#include "widgets/Font.h"

class TFontDialog {
public:
    // Effects shown, existing fonts only, no initial size selection, no size limits.
    static constexpr DWORD Options = CF_SCREENFONTS | CF_EFFECTS | CF_FORCEFONTEXIST | CF_NOSIZESEL |
                                     CF_INITTOLOGFONTSTRUCT;

    TFont Font;
    // True on OK.
    bool Execute(HWND owner);

    // Tests act on the system's dialog once it is shown and close it themselves.
    static std::function<void(HWND dialog)> ShownHook;
};

class TColorDialog {
public:
    COLORREF Color = 0;
    // True on OK.
    bool Execute(HWND owner);

    static std::function<void(HWND dialog)> ShownHook;

private:
    COLORREF custom_[16] = {};
};
