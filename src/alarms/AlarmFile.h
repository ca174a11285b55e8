#pragma once
// The alarms file "RoVudez.alm" beside the program: a signed 32-bit count, then one record per
// alarm in list order, then (when there are alarms) a trailer with what the scheduler keeps of
// each alarm, which readers that stop at the count never see:
//   "ALJD", an int32 count equal to the records', per alarm 45 bytes (a state byte: 0 judged from
//   the first tick, 1 judged up to the readings that follow, 2 as a file without a trailer; the
//   UTC and local readings, the last moment rung and a cron alarm's "Remind later" moment, each
//   an int64 of seconds since 1970, none being INT64_MIN; the last signal's stamp as six uint16:
//   year, month, day, day of week, hour, minute), and the CRC-32 of every byte before it.
// A trailer that is missing or does not match leaves the alarms judged as before it existed.
// Failures are silent: the alarms read before one are kept.

#include "alarms/Alarm.h"
#include "base/Stream.h"

#include <string>

inline constexpr char AlarmFileName[] = "RoVudez.alm";

// folder: the program's folder with its trailing separator.
std::string AlarmFilePath(const std::string& folder);

// Appends the stream's alarms to the list; the list is not emptied first.
void ReadAlarms(TStream& stream, TOvList<TAlarm>& alarms);
// lastTick: the scheduler's last readings, written for an alarm that is to be judged from them.
bool WriteAlarms(TStream& stream, const TOvList<TAlarm>& alarms, const TJudged& lastTick = {});

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
bool SaveAlarms(const TOvList<TAlarm>& alarms, const std::string& folder, TFileAccess& files,
                const TJudged& lastTick = {});
