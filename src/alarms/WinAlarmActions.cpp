#include "alarms/WinAlarmActions.h"

#include <windows.h>
#include <mmsystem.h>

#include <cstdint>

#include "alarms/TaskThread.h"
#include "base/SystemClock.h"
#include "widgets/OnDemand.h"

void TWinSoundPlayer::PlayAlias(const std::string& alias)
{
    OnDemandPlaySound(alias.c_str(), nullptr, SND_ALIAS | SND_ASYNC);
}

void TWinSoundPlayer::PlayFile(const std::string& fileName)
{
    // Without SND_NODEFAULT: a file that can't be played gives the default sound.
    OnDemandPlaySound(fileName.c_str(), nullptr, SND_FILENAME | SND_ASYNC);
}

void TWinSoundPlayer::Loop(const std::string& sound, bool alias)
{
    // A file that can't be played loops the default sound, as a single play would.
    OnDemandPlaySound(sound.c_str(), nullptr, (alias ? SND_ALIAS : SND_FILENAME) | SND_ASYNC | SND_LOOP);
}

void TWinSoundPlayer::Stop()
{
    OnDemandPlaySound(nullptr, nullptr, 0);
}

void TThreadProcessStarter::Start(const std::string& commandLine, const std::string& startFolder)
{
    TTaskThread::Run(std::make_unique<TTaskThread>(commandLine, startFolder));
}

bool TWinWakeTimer::Set(std::int64_t utc, bool resume)
{
    if (!handle_) handle_.Reset(CreateWaitableTimerA(nullptr, FALSE, nullptr));
    if (!handle_) return false;
    // Absolute times are positive: 100-nanosecond steps since 1601, in UTC.
    LARGE_INTEGER due;
    due.QuadPart = (utc + 11644473600LL) * 10000000LL;
    return SetWaitableTimer(handle_.Get(), &due, 0, nullptr, nullptr, resume) != FALSE;
}

void TWinWakeTimer::Cancel()
{
    if (handle_) CancelWaitableTimer(handle_.Get());
}

TAlarmServices SystemAlarmServices()
{
    static TWinSoundPlayer sound;
    static TThreadProcessStarter processes;
    static TWinWakeTimer wake;
    return {&sound, &processes, &SystemClock(), &wake};
}
