#include "widgets/ToolTip.h"

#include <commctrl.h>

#include "widgets/Application.h"

HWND CreateToolTip()
{
    HWND tip = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0, 0,
                               0, 0, Application.Handle(), nullptr, Application.Instance(), nullptr);
    // Wide enough for the two-line hints; longer lines wrap.
    if (tip) SendMessageA(tip, TTM_SETMAXTIPWIDTH, 0, 400);
    return tip;
}

void SetToolTipText(HWND toolTip, HWND owner, HWND tool, std::string& text)
{
    if (!toolTip) return;
    TTTOOLINFOA ti{};
    ti.cbSize = sizeof(ti);
    ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    ti.hwnd = owner;
    ti.uId = reinterpret_cast<UINT_PTR>(tool);
    ti.lpszText = text.data();
    SendMessageA(toolTip, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
    if (!text.empty()) SendMessageA(toolTip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
}
