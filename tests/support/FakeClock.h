#pragma once
// The time as a test sets it: local time Now, UTC East seconds behind it. While it lives, the
// faces read it too; alarm tests hand it to the services that want a clock.

#include <cstdint>

#include "base/ClockSource.h"
#include "clock/clock.h"

class TFakeClock : public TClockSource {
public:
    explicit TFakeClock(const TSystemTime& now = {}, std::int64_t east = 0) : Now(now), East(east) { TRoVudez::Clock = this; }
    TFakeClock(const TFakeClock&) = delete;
    TFakeClock& operator=(const TFakeClock&) = delete;
    ~TFakeClock() override { TRoVudez::Clock = previous_; }

    TSystemTime LocalNow() const override { return Now; }
    TSystemTime UtcNow() const override
    {
        std::int64_t local = 0;
        if (!SecondsOf(Now, local)) return Now;
        TSystemTime utc = RecordOfSeconds(local - East);
        utc.wMilliseconds = Now.wMilliseconds;
        return utc;
    }

    TSystemTime Now;
    std::int64_t East;

private:
    const TClockSource* previous_ = TRoVudez::Clock;
};
