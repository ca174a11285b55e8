#include "alarms/WinAlarmActions.h"

#include <windows.h>
#include <mmsystem.h>

#include <cstdint>
#include <cstring>

#include "alarms/TaskThread.h"
#include "widgets/OnDemand.h"

static_assert(sizeof(SYSTEMTIME) == sizeof(TSystemTime));

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

namespace {

TSystemTime Reading(void(WINAPI* read)(LPSYSTEMTIME))
{
    SYSTEMTIME now;
    read(&now);
    TSystemTime time;
    std::memcpy(static_cast<void*>(&time), &now, sizeof time);
    return time;
}

}  // namespace

TSystemTime TSystemClock::LocalNow()
{
    return Reading(&GetLocalTime);
}

TSystemTime TSystemClock::UtcNow()
{
    return Reading(&GetSystemTime);
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
    static TSystemClock clock;
    static TWinWakeTimer wake;
    return {&sound, &processes, &clock, &wake};
}
