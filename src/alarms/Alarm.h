#pragma once
// One alarm the user keeps, its record in the alarms file, and the program's list of alarms.

#include "alarms/AlarmStamp.h"
#include "base/DateTime.h"
#include "base/OvList.h"
#include "base/Stream.h"

#include <climits>
#include <cstdint>
#include <string>

// A moment as whole local seconds since 1970 (SecondsOf), or none.
inline constexpr std::int64_t NoMoment = INT64_MIN;

// How far the scheduler has judged an alarm: the readings of the last tick that judged it.
struct TJudged {
    enum TState : std::uint8_t {
        jsFresh,   // new or just confirmed: judged from the scheduler's last tick on
        jsKnown,   // judged up to Utc and Local (second counts)
        jsLegacy,  // read from a file that does not say: judged as files were before
    };
    TState State = jsFresh;
    std::int64_t Utc = 0;
    std::int64_t Local = 0;

    friend bool operator==(const TJudged&, const TJudged&) = default;
};

// Stored as a byte; any other value is kept as read and never signals.
enum TAlarmKind : std::uint8_t { akUsual = 0, akReminder = 1, akCron = 2 };

// A window that shows an alarm and may outlive it: a message window, the properties dialog.
class TAlarmWindow {
public:
    // The alarm is being destroyed: clear the window's link to it and disable "Remind later".
    virtual void DetachAlarm() = 0;

protected:
    ~TAlarmWindow() = default;
};

class TAlarm {
public:
    // The record version that WriteToStream writes.
    static constexpr std::int32_t StreamVersion = 3;

    TAlarm() = default;
    TAlarm(const TAlarm&) = delete;
    TAlarm& operator=(const TAlarm&) = delete;
    // Detaches every open message window and its properties dialog; the caller has already taken
    // the alarm out of Alarms.
    ~TAlarm();

    bool WriteToStream(TStream& stream) const;
    // Fills a new record. False when a fixed-size field could not be read: the record is then
    // to be discarded. A string that can't be read stays empty and reading goes on.
    bool ReadFromStream(TStream& stream);

    bool Enabled = false;
    TSystemTime SignalTime;
    bool SoundOn = false;
    std::string SoundFile;  // "(Default)" or a sound file
    bool MessageOn = false;
    std::string MessageText;
    std::string Name;
    bool CronFlag = false;  // version 1's is-cron byte, kept as read
    bool OneTime = false;
    TAlarmKind Kind = akUsual;
    bool OnceADay = false;
    bool RemoveAfterSignal = false;
    std::string CronMask;
    bool RunOn = false;
    std::string CommandLine;
    std::string StartFolder;
    // What the scheduler keeps of the alarm between ticks and, in the file's trailer, across
    // restarts.
    TAlarmStamp LastSignalled;         // a cron alarm's or a once-a-day reminder's last signal
    TJudged Judged;
    std::int64_t LastRung = NoMoment;  // the last moment a usual alarm or a reminder rang for
    std::int64_t RemindAt = NoMoment;  // a cron alarm's "Remind later" moment
    TAlarmWindow* PropDialog = nullptr;
    TOvList<TAlarmWindow> MessageWindows;  // the windows are not owned
};

// The program's alarms, in file order. The list owns them: whoever removes one destroys it.
extern TOvList<TAlarm> Alarms;

// Removes the alarm at index from the list and destroys it.
void DeleteAlarm(TOvList<TAlarm>& alarms, int index);
// Removes and destroys every alarm.
void FreeAlarms(TOvList<TAlarm>& alarms);
