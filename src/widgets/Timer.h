#pragma once
// A window timer with a message-only window of its own, so its ticks arrive in every message
// loop of the thread, modal ones included.

#include <functional>

#include "widgets/Window.h"

class TTimer : public TWindow {
public:
    explicit TTimer(unsigned interval = 1000, bool enabled = true);
    ~TTimer() override;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    unsigned Interval() const { return interval_; }
    void SetInterval(unsigned interval);

    std::function<void(TTimer&)> OnTimer;

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void Update();

    unsigned interval_;
    bool enabled_;
};
