#pragma once
// Tool tips: one tool per window, its text replaced whenever the hint changes.

#include <windows.h>

#include <string>

// A tool-tip window of its own, owned by the program's hidden window: under Wine a window that
// owns a top-most popup can't itself be made top-most, and the clock window must be; and a shell
// gives a visible unowned window a taskbar button, whatever its style.
HWND CreateToolTip();

// Shows text over tool (whose parent is owner) through the tool tip; an empty text removes it.
// The text must live as long as the tool does.
void SetToolTipText(HWND toolTip, HWND owner, HWND tool, std::string& text);
