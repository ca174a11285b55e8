#pragma once
// The real sound player, process starter and clock of the alarm actions.

#include "alarms/AlarmActions.h"

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

class TSystemClock : public TTimeSource {
public:
    TSystemTime LocalNow() override;
    TSystemTime UtcNow() override;
};

// The three together, as the program uses them.
struct TAlarmServices {
    TSoundPlayer* Sound = nullptr;
    TProcessStarter* Processes = nullptr;
    TTimeSource* Clock = nullptr;
};
TAlarmServices SystemAlarmServices();
