#pragma once
// The real sound player and process starter of the alarm actions, and the wake timer.

#include "alarms/AlarmActions.h"
#include "base/ClockSource.h"

#include <cstdint>

#include "base/Handles.h"

class TWinSoundPlayer : public TSoundPlayer {
public:
    void PlayAlias(const std::string& alias) override;
    void PlayFile(const std::string& fileName) override;
    void Loop(const std::string& sound, bool alias) override;
    void Stop() override;
};

// Each start on a TTaskThread of its own.
class TThreadProcessStarter : public TProcessStarter {
public:
    void Start(const std::string& commandLine, const std::string& startFolder) override;
};

// A timer that wakes the computer from sleep, where the computer and its power plan allow it.
class TWakeTimer {
public:
    virtual ~TWakeTimer() = default;
    // Due at a UTC second since 1970, in place of any earlier setting; resume: it may wake the
    // computer. False when the system refused it.
    virtual bool Set(std::int64_t utc, bool resume) = 0;
    virtual void Cancel() = 0;
};

// A waitable timer of the system's.
class TWinWakeTimer : public TWakeTimer {
public:
    TWinWakeTimer() = default;
    TWinWakeTimer(const TWinWakeTimer&) = delete;
    TWinWakeTimer& operator=(const TWinWakeTimer&) = delete;
    bool Set(std::int64_t utc, bool resume) override;
    void Cancel() override;
    // Signalled when due; null before the first Set.
    void* Handle() const { return handle_.Get(); }

private:
    TKernelHandle handle_;
};

// What the alarms reach outside the program, as the program uses them.
struct TAlarmServices {
    TSoundPlayer* Sound = nullptr;
    TProcessStarter* Processes = nullptr;
    const TClockSource* Clock = nullptr;
    TWakeTimer* Wake = nullptr;
};
TAlarmServices SystemAlarmServices();
