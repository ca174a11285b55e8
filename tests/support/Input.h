#pragma once
// A user's clicks and keys, sent as the message loop hands them over, and what they posted handled.

#include <windows.h>

#include <cctype>
#include <string>

#include "WinTestSupport.h"
#include "widgets/ListBox.h"

// Where a click on a list's row lands: a little in from its left, half-way down.
inline LPARAM RowPoint(const TListBox& list, int row)
{
    RECT r{};
    SendMessageA(list.Handle(), LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r));
    return MAKELPARAM(r.left + 5, (r.top + r.bottom) / 2);
}

// A click on a list's row, scrolled into view, with the keys held (MK_SHIFT, MK_CONTROL).
inline void ClickRow(const TListBox& list, int row, WPARAM keys = 0)
{
    SendMessageA(list.Handle(), LB_SETTOPINDEX, static_cast<WPARAM>(row), 0);
    const LPARAM at = RowPoint(list, row);
    PostMessageA(list.Handle(), WM_LBUTTONDOWN, MK_LBUTTON | keys, at);
    PostMessageA(list.Handle(), WM_LBUTTONUP, keys, at);
    PumpMessages();
}

// The second click of a double click on a row: the first is ClickRow.
inline void SecondClickRow(const TListBox& list, int row)
{
    const LPARAM at = RowPoint(list, row);
    PostMessageA(list.Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    PostMessageA(list.Handle(), WM_LBUTTONUP, 0, at);
    PumpMessages();
}

// A key pressed and released on a window, which keeps or takes the focus.
inline void PressKey(HWND target, WORD vk)
{
    PostMessageA(target, WM_KEYDOWN, vk, 1);
    PostMessageA(target, WM_KEYUP, vk, 0xC0000001);
    PumpMessages();
}
inline void FocusAndPress(HWND target, WORD vk)
{
    SetFocus(target);
    PressKey(target, vk);
}

// Each character typed: its key down, the character, its key up.
inline void Type(HWND target, const std::string& text)
{
    for (char c : text) {
        const WPARAM key = static_cast<WPARAM>(std::toupper(static_cast<unsigned char>(c)));
        SendMessageA(target, WM_KEYDOWN, key, 1);
        SendMessageA(target, WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(c)), 1);
        SendMessageA(target, WM_KEYUP, key, 0xC0000001);
    }
    PumpMessages();
}

// A letter key with exactly the given modifiers held, as a window receives it; Alt makes it a
// system key.
inline void PressChord(HWND window, WORD key, bool shift, bool ctrl, bool alt)
{
    BYTE state[256] = {};
    GetKeyboardState(state);
    state[VK_SHIFT] = shift ? 0x80 : 0;
    state[VK_CONTROL] = ctrl ? 0x80 : 0;
    state[VK_MENU] = alt ? 0x80 : 0;
    SetKeyboardState(state);
    PostMessageA(window, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, key, 1);
    PumpMessages();
    state[VK_SHIFT] = state[VK_CONTROL] = state[VK_MENU] = 0;
    SetKeyboardState(state);
}
