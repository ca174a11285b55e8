#include "app/Placement.h"

#include <cstdio>
#include <memory>
#include <optional>

namespace {

struct TKeyCloser {
    void operator()(HKEY key) const { RegCloseKey(key); }
};
using TOpenKey = std::unique_ptr<std::remove_pointer_t<HKEY>, TKeyCloser>;

std::optional<std::string> ReadText(HKEY key, const char* name)
{
    DWORD type = 0, size = 0;
    if (RegQueryValueExA(key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return std::nullopt;
    if (type != REG_SZ && type != REG_EXPAND_SZ) return std::nullopt;
    std::string text(size, '\0');
    if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(text.data()), &size) != ERROR_SUCCESS)
        return std::nullopt;
    text.resize(strnlen(text.c_str(), size));
    return text;
}

void WriteText(HKEY key, const char* name, const std::string& text)
{
    RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>(text.size() + 1));
}

std::string Four(long a, long b, long c, long d)
{
    char buf[64];
    snprintf(buf, sizeof buf, "%ld,%ld,%ld,%ld", a, b, c, d);
    return buf;
}

int ScreenPixelsPerInch()
{
    HDC dc = GetDC(nullptr);
    int ppi = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(nullptr, dc);
    return ppi;
}

}  // namespace

TPlacement::TPlacement(HWND window, HKEY root, std::string keyPath)
    : window_(window), root_(root), keyPath_(std::move(keyPath))
{
}

void TPlacement::RestoreOnFirstShow()
{
    if (restored_) return;
    restored_ = true;

    HKEY raw = nullptr;
    if (RegOpenKeyExA(root_, keyPath_.c_str(), 0, KEY_READ, &raw) != ERROR_SUCCESS) return;
    TOpenKey key(raw);
    auto minMax = ReadText(key.get(), "MinMaxPos");
    auto norm = ReadText(key.get(), "NormPos");
    if (!minMax && !norm) return;
    if (auto ppi = ReadText(key.get(), "PixelsPerInch")) {
        if (atoi(ppi->c_str()) != ScreenPixelsPerInch()) return;
    }
    long left = 0, top = 0, right = 0, bottom = 0;
    if (!norm || sscanf(norm->c_str(), "%ld,%ld,%ld,%ld", &left, &top, &right, &bottom) != 4) return;
    if (left >= right) return;

    // Borderless: take the stored corner, keep the current size.
    WINDOWPLACEMENT wp{sizeof(wp)};
    GetWindowPlacement(window_, &wp);
    RECT& r = wp.rcNormalPosition;
    long width = r.right - r.left, height = r.bottom - r.top;
    RECT wanted{left, top, left + width, top + height};
    // A window saved on a monitor that has gone would be lost off screen: bring it onto the nearest one.
    if (!MonitorFromRect(&wanted, MONITOR_DEFAULTTONULL)) {
        MONITORINFO mi{sizeof(mi)};
        GetMonitorInfoA(MonitorFromRect(&wanted, MONITOR_DEFAULTTONEAREST), &mi);
        const RECT& work = mi.rcWork;
        wanted.left = std::max<long>(work.left, std::min<long>(wanted.left, work.right - width));
        wanted.top = std::max<long>(work.top, std::min<long>(wanted.top, work.bottom - height));
    }
    SetWindowPos(window_, nullptr, wanted.left, wanted.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TPlacement::SaveOnClose()
{
    if (restored_) Save(false);
}

void TPlacement::SaveOnDestroy()
{
    if (restored_ && !saved_) Save(true);
}

void TPlacement::Save(bool destroying)
{
    saved_ = true;
    if (!IsWindow(window_)) return;
    HKEY raw = nullptr;
    if (RegCreateKeyExA(root_, keyPath_.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &raw, nullptr) != ERROR_SUCCESS)
        return;
    TOpenKey key(raw);
    WINDOWPLACEMENT wp{sizeof(wp)};
    if (!GetWindowPlacement(window_, &wp)) return;
    // The normal rectangle as the screen sees it, so that restoring puts the window back where it was.
    RECT now;
    GetWindowRect(window_, &now);
    if (wp.showCmd == SW_SHOWNORMAL || wp.showCmd == SW_SHOW) wp.rcNormalPosition = now;
    WriteText(key.get(), "Flags", std::to_string(wp.flags));
    WriteText(key.get(), "ShowCmd", std::to_string(wp.showCmd));
    WriteText(key.get(), "PixelsPerInch", std::to_string(ScreenPixelsPerInch()));
    WriteText(key.get(), "MinMaxPos", Four(wp.ptMinPosition.x, wp.ptMinPosition.y, wp.ptMaxPosition.x, wp.ptMaxPosition.y));
    const RECT& n = wp.rcNormalPosition;
    WriteText(key.get(), "NormPos", Four(n.left, n.top, n.right, n.bottom));
    WriteText(key.get(), "Visible", destroying ? "1" : "0");
}
