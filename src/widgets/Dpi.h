#pragma once
// Sizes are written for 96 DPI and scaled to the DPI of the window they are for.

#include <windows.h>

// The DPI the system had when the program started (that of the primary monitor).
UINT SystemDpi();

// The DPI of the monitor a window is on, where the system tells it; the system DPI otherwise.
UINT WindowDpi(HWND window);

// A length at 96 DPI, at the given DPI (halves round away from zero).
inline int Scale(int pixels96, UINT dpi)
{
    return MulDiv(pixels96, static_cast<int>(dpi), 96);
}
