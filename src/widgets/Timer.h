#pragma once
// Timers with an interval and an event. All timers of one interval share one system timer on one
// message-only window: a program whose clocks, faces and alarms each tick once a second wakes
// once a second, not once per timer. The ticks arrive in every message loop of the thread, modal
// ones included.

#include <functional>

class TTimer {
public:
    explicit TTimer(unsigned interval = 1000, bool enabled = true);
    ~TTimer();
    TTimer(const TTimer&) = delete;
    TTimer& operator=(const TTimer&) = delete;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    unsigned Interval() const { return interval_; }
    void SetInterval(unsigned interval);

    std::function<void(TTimer&)> OnTimer;

    // Timers of the thread that are running now (enabled with an interval).
    static int RunningCount();

private:
    void Update();

    unsigned interval_;
    bool enabled_;
    bool running_ = false;
};
