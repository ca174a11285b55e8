#include "widgets/Timer.h"

namespace {
constexpr UINT_PTR TimerId = 1;
}

TTimer::TTimer(unsigned interval, bool enabled) : interval_(interval), enabled_(enabled)
{
    RegisterClassOnce("TTimerWindow", 0, nullptr, nullptr);
    CreateHandle(0, "TTimerWindow", "", 0, 0, 0, 0, 0, HWND_MESSAGE);
    Update();
}

TTimer::~TTimer()
{
    if (Handle()) KillTimer(Handle(), TimerId);
}

void TTimer::SetEnabled(bool enabled)
{
    if (enabled_ == enabled) return;
    enabled_ = enabled;
    Update();
}

void TTimer::SetInterval(unsigned interval)
{
    if (interval_ == interval) return;
    interval_ = interval;
    Update();
}

void TTimer::Update()
{
    KillTimer(Handle(), TimerId);
    if (enabled_ && interval_ > 0) SetTimer(Handle(), TimerId, interval_, nullptr);
}

LRESULT TTimer::WndProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_TIMER && wParam == TimerId) {
        if (OnTimer) OnTimer(*this);
        return 0;
    }
    return DefaultProc(msg, wParam, lParam);
}
