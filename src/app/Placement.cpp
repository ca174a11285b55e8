#include "app/Placement.h"

#include <algorithm>
#include <cstdio>
#include <optional>

#include "app/WorkArea.h"
#include "base/Handles.h"
#include "base/RegKey.h"

namespace {

std::optional<std::string> ReadText(const TRegKey& key, const char* name)
{
    TRegKey::TValueInfo info;
    std::string data;
    if (!key.QueryInfo(name, info) || (info.Type != REG_SZ && info.Type != REG_EXPAND_SZ)) return std::nullopt;
    if (!key.ReadData(name, data)) return std::nullopt;
    data.resize(strnlen(data.c_str(), data.size()));
    return data;
}

std::string Four(long a, long b, long c, long d)
{
    char buf[64];
    snprintf(buf, sizeof buf, "%ld,%ld,%ld,%ld", a, b, c, d);
    return buf;
}

int ScreenPixelsPerInch()
{
    TWindowDC screen(nullptr);
    return GetDeviceCaps(screen.Get(), LOGPIXELSY);
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

    TRegKey key = TRegKey::Open(root_, keyPath_, KEY_READ);
    if (!key) return;
    auto minMax = ReadText(key, "MinMaxPos");
    auto norm = ReadText(key, "NormPos");
    if (!minMax && !norm) return;
    if (auto ppi = ReadText(key, "PixelsPerInch")) {
        if (atoi(ppi->c_str()) != ScreenPixelsPerInch()) return;
    }
    long left = 0, top = 0, right = 0, bottom = 0;
    if (!norm || sscanf(norm->c_str(), "%ld,%ld,%ld,%ld", &left, &top, &right, &bottom) != 4) return;
    if (left >= right) return;

    // The stored rectangle is the placement's own, in work-area coordinates; the placement
    // converts it back. Borderless: take the stored corner, keep the current size.
    WINDOWPLACEMENT wp{sizeof(wp)};
    if (!GetWindowPlacement(window_, &wp)) return;
    RECT& r = wp.rcNormalPosition;
    long width = r.right - r.left, height = r.bottom - r.top;
    r = RECT{left, top, left + width, top + height};
    wp.flags = 0;
    wp.showCmd = IsWindowVisible(window_) ? SW_SHOWNOACTIVATE : SW_HIDE;
    SetWindowPlacement(window_, &wp);

    // A window saved on a monitor that has gone would be lost off screen: bring it onto the nearest
    // one. One that has grown since it was saved moves back left or up onto its own, as growing does.
    RECT now{};
    GetWindowRect(window_, &now);
    MONITORINFO mi{sizeof(mi)};
    if (!GetMonitorInfoA(MonitorFromRect(&now, MONITOR_DEFAULTTONEAREST), &mi)) return;
    const RECT& work = mi.rcWork;
    long x = now.left, y = now.top;
    if (!MonitorFromRect(&now, MONITOR_DEFAULTTONULL)) {
        x = std::max<long>(work.left, std::min<long>(now.left, work.right - width));
        y = std::max<long>(work.top, std::min<long>(now.top, work.bottom - height));
    } else {
        const TLayoutRect kept = KeepInWorkArea({now.left, now.top, now.right - now.left, now.bottom - now.top},
                                                {work.left, work.top, work.right - work.left, work.bottom - work.top});
        x = kept.Left;
        y = kept.Top;
    }
    if (x != now.left || y != now.top)
        SetWindowPos(window_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
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
    TRegKey key = TRegKey::Create(root_, keyPath_, KEY_WRITE);
    if (!key) return;
    WINDOWPLACEMENT wp{sizeof(wp)};
    if (!GetWindowPlacement(window_, &wp)) return;
    key.WriteString("Flags", std::to_string(wp.flags));
    key.WriteString("ShowCmd", std::to_string(wp.showCmd));
    key.WriteString("PixelsPerInch", std::to_string(ScreenPixelsPerInch()));
    key.WriteString("MinMaxPos", Four(wp.ptMinPosition.x, wp.ptMinPosition.y, wp.ptMaxPosition.x, wp.ptMaxPosition.y));
    const RECT& n = wp.rcNormalPosition;
    key.WriteString("NormPos", Four(n.left, n.top, n.right, n.bottom));
    key.WriteString("Visible", destroying ? "1" : "0");
}
