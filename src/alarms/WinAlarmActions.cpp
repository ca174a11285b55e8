#include "alarms/WinAlarmActions.h"

#include <windows.h>
#include <mmsystem.h>

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

void TThreadProcessStarter::Start(const std::string& commandLine, const std::string& startFolder)
{
    TTaskThread::Run(new TTaskThread(commandLine, startFolder));
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

TAlarmServices SystemAlarmServices()
{
    static TWinSoundPlayer sound;
    static TThreadProcessStarter processes;
    static TSystemClock clock;
    return {&sound, &processes, &clock};
}
