#include "widgets/Dpi.h"

#include "base/Handles.h"

namespace {

using TGetDpiForWindow = UINT(WINAPI*)(HWND);

// Present from Windows 10 (1607) on; the program still starts where it is missing.
TGetDpiForWindow GetDpiForWindowFunction()
{
    static const TGetDpiForWindow function = [] {
        HMODULE user32 = GetModuleHandleA("user32.dll");
        return user32 ? reinterpret_cast<TGetDpiForWindow>(
                            reinterpret_cast<void*>(GetProcAddress(user32, "GetDpiForWindow")))
                      : nullptr;
    }();
    return function;
}

}  // namespace

UINT SystemDpi()
{
    static const UINT dpi = [] {
        TWindowDC screen(nullptr);
        int ppi = screen ? GetDeviceCaps(screen.Get(), LOGPIXELSX) : 0;
        return ppi > 0 ? static_cast<UINT>(ppi) : 96u;
    }();
    return dpi;
}

UINT WindowDpi(HWND window)
{
    if (TGetDpiForWindow getDpi = GetDpiForWindowFunction(); getDpi && window)
        if (UINT dpi = getDpi(window)) return dpi;
    return SystemDpi();
}
