#pragma once
// The alarms file "RoVudez.alm" beside the program: a signed 32-bit count, then one record per
// alarm in list order. Failures are silent: the alarms read before one are kept.

#include "alarms/Alarm.h"
#include "clock/Stream.h"

#include <string>

inline constexpr char AlarmFileName[] = "RoVudez.alm";

// The option AutoSaveData, which the load turns off while it fills the list.
class TAutoSaveSwitch {
public:
    virtual bool AutoSaveData() const = 0;
    virtual void SetAutoSaveData(bool on) = 0;

protected:
    ~TAutoSaveSwitch() = default;
};

// folder: the program's folder with its trailing separator.
std::string AlarmFilePath(const std::string& folder);

// Appends the stream's alarms to the list; the list is not emptied first.
void ReadAlarms(TStream& stream, TOvList<TAlarm>& alarms);
bool WriteAlarms(TStream& stream, const TOvList<TAlarm>& alarms);

void LoadAlarms(TOvList<TAlarm>& alarms, const std::string& folder, TFileAccess& files,
                TAutoSaveSwitch& autoSave);
// Writes the whole list at once; on failure the old file stays as it was. The result is for
// tests: the program ignores it.
bool SaveAlarms(const TOvList<TAlarm>& alarms, const std::string& folder, TFileAccess& files);
