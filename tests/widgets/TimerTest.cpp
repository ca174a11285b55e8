#include <gtest/gtest.h>

#include <windows.h>

#include <optional>
#include <vector>

#include "widgets/Timer.h"

namespace {

// A tick of one interval, sent to the hub's window as the system would post it, so that no test
// waits for time to pass.
void Tick(unsigned interval)
{
    HWND hub = FindWindowExA(HWND_MESSAGE, nullptr, "TTimerWindow", nullptr);
    ASSERT_NE(hub, nullptr);
    SendMessageA(hub, WM_TIMER, interval, 0);
}

// The timers live in place (std::optional), so that a call to one already destroyed shows in
// its count instead of as a crash some time later.
TEST(Timer, ATimerDestroyedDuringATickIsNotCalledAgain)
{
    constexpr unsigned Interval = 4321, Lone = 4322;
    const int before = TTimer::RunningCount();
    std::optional<TTimer> timers[6];
    int ticks[6] = {};
    for (int i = 0; i < 6; ++i) {
        timers[i].emplace(i < 4 ? Interval : Lone);
        timers[i]->OnTimer = [&ticks, i](TTimer&) { ++ticks[i]; };
    }
    // The first destroys a later one and itself; the second the last of the group. The lone
    // interval's first destroys its whole group, so the system timer goes with it.
    timers[0]->OnTimer = [&](TTimer&) {
        ++ticks[0];
        timers[2].reset();
        timers[0].reset();
    };
    timers[1]->OnTimer = [&](TTimer&) {
        ++ticks[1];
        timers[3].reset();
    };
    timers[4]->OnTimer = [&](TTimer&) {
        ++ticks[4];
        timers[5].reset();
        timers[4].reset();
    };

    Tick(Interval);
    Tick(Lone);
    EXPECT_EQ(std::vector<int>(ticks, ticks + 6), (std::vector<int>{1, 1, 0, 0, 1, 0}));
    EXPECT_EQ(TTimer::RunningCount(), before + 1);
    Tick(Interval);
    Tick(Lone);
    EXPECT_EQ(std::vector<int>(ticks, ticks + 6), (std::vector<int>{1, 2, 0, 0, 1, 0}));
}

}  // namespace
