#include "widgets/Timer.h"

#include <windows.h>

#include <algorithm>
#include <map>
#include <vector>

#include "widgets/Application.h"
#include "widgets/Window.h"

namespace {

// The one window whose system timers, one per interval, drive every TTimer.
class TTimerHub : public TWindow {
public:
    TTimerHub()
    {
        RegisterClassOnce("TTimerWindow", 0, nullptr, nullptr);
        CreateHandle(0, "TTimerWindow", "", 0, 0, 0, 0, 0, HWND_MESSAGE);
    }

    void Join(TTimer* timer, unsigned interval)
    {
        auto& group = groups_[interval];
        if (group.empty()) SetTimer(Handle(), interval, interval, nullptr);
        group.push_back(timer);
    }

    void Leave(TTimer* timer, unsigned interval)
    {
        auto found = groups_.find(interval);
        if (found == groups_.end()) return;
        auto& group = found->second;
        group.erase(std::remove(group.begin(), group.end(), timer), group.end());
        if (group.empty()) {
            KillTimer(Handle(), interval);
            groups_.erase(found);
        }
    }

    int Count() const
    {
        int count = 0;
        for (const auto& [interval, group] : groups_) count += static_cast<int>(group.size());
        return count;
    }

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override
    {
        if (msg != WM_TIMER) return DefaultProc(msg, wParam, lParam);
        auto found = groups_.find(static_cast<unsigned>(wParam));
        if (found == groups_.end()) return 0;
        // A handler may stop, start or destroy timers of the group: each one still in it when
        // its turn comes ticks once.
        std::vector<TTimer*> due = found->second;
        for (TTimer* timer : due) {
            auto now = groups_.find(static_cast<unsigned>(wParam));
            if (now == groups_.end()) break;
            if (std::find(now->second.begin(), now->second.end(), timer) == now->second.end()) continue;
            if (timer->OnTimer) Application.Guard([timer] { timer->OnTimer(*timer); });
        }
        return 0;
    }

private:
    std::map<unsigned, std::vector<TTimer*>> groups_;
};

TTimerHub& Hub()
{
    static TTimerHub hub;
    return hub;
}

}  // namespace

TTimer::TTimer(unsigned interval, bool enabled) : interval_(interval), enabled_(enabled)
{
    Update();
}

TTimer::~TTimer()
{
    if (running_) Hub().Leave(this, interval_);
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
    if (running_) {
        Hub().Leave(this, interval_);
        running_ = false;
    }
    interval_ = interval;
    Update();
}

int TTimer::RunningCount()
{
    return Hub().Count();
}

void TTimer::Update()
{
    bool run = enabled_ && interval_ > 0;
    if (run == running_) return;
    if (run)
        Hub().Join(this, interval_);
    else
        Hub().Leave(this, interval_);
    running_ = run;
}
