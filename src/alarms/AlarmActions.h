#pragma once
// What a signalled alarm reaches outside the program: a sound, a started process.
// The program uses the real calls; tests put recorders in their place.

#include "alarms/Alarm.h"
#include "base/DateTime.h"

#include <string>

class TSoundPlayer {
public:
    virtual ~TSoundPlayer() = default;
    // Both return at once; the sound plays on. A file that can't be played plays the system's
    // default sound instead.
    virtual void PlayAlias(const std::string& alias) = 0;
    virtual void PlayFile(const std::string& fileName) = 0;
    // Plays the sound over and over, in place of any other, until Stop or the next sound.
    virtual void Loop(const std::string& sound, bool alias) = 0;
    virtual void Stop() = 0;
};

class TProcessStarter {
public:
    virtual ~TProcessStarter() = default;
    // Starts the program that the command line names, without waiting and without reporting a
    // failure. An empty folder starts it in the program's own current folder.
    virtual void Start(const std::string& commandLine, const std::string& startFolder) = 0;
};

// The sound value that stands for the system's default sound, and the alias that plays it.
inline constexpr const char* DefaultSoundName = "(Default)";
inline constexpr const char* DefaultSoundAlias = ".Default";

// The alarm's sound, if it has one on.
void PlayAlarmSound(const TAlarm& alarm, TSoundPlayer& player);

// A plain reminder that rings more than a minute after its moment (missed while the program was
// closed, or while its dialog was open) says when it was due.
bool RingsLate(const TAlarm& alarm, const TSystemTime& now);

// A signalled alarm that nothing holds any more and that is to go.
bool IsFinishedAlarm(const TAlarm& alarm);
