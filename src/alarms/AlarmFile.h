#pragma once
// The alarms file "RoVudez.alm" beside the program: a signed 32-bit count, then one record per
// alarm in list order. Failures are silent: the alarms read before one are kept.

#include "alarms/Alarm.h"
#include "base/Stream.h"

#include <string>

inline constexpr char AlarmFileName[] = "RoVudez.alm";

// folder: the program's folder with its trailing separator.
std::string AlarmFilePath(const std::string& folder);

// Appends the stream's alarms to the list; the list is not emptied first.
void ReadAlarms(TStream& stream, TOvList<TAlarm>& alarms);
bool WriteAlarms(TStream& stream, const TOvList<TAlarm>& alarms);

// Appends the file's alarms to the list, keeping those read before any failure. True when the
// file was read in full: every alarm its count announces, no field cut short.
bool ReadAlarmsFile(TOvList<TAlarm>& alarms, const std::string& folder, TFileAccess& files);

// The load with the option AutoSaveData (a bool or the options' own flag) switched off, and put
// back exactly as it was however the load ends.
template <class TFlag>
bool LoadAlarms(TOvList<TAlarm>& alarms, const std::string& folder, TFileAccess& files, TFlag& autoSaveData)
{
    struct TRestore {
        TFlag& flag;
        const TFlag was;
        ~TRestore() { flag = was; }
    } restore{autoSaveData, autoSaveData};
    autoSaveData = TFlag(false);
    return ReadAlarmsFile(alarms, folder, files);
}
// Writes the whole list at once; on failure the old file stays as it was. The result is for
// tests: the program ignores it.
bool SaveAlarms(const TOvList<TAlarm>& alarms, const std::string& folder, TFileAccess& files);
