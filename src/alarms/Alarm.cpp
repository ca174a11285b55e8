#include "alarms/Alarm.h"

#include <cstdint>

TOvList<TAlarm> Alarms;

namespace {

bool WriteBool(TStream& stream, bool value)
{
    return WriteUInt8(stream, value ? 1 : 0);
}

bool ReadBool(TStream& stream, bool& value)
{
    std::uint8_t b;
    if (!ReadUInt8(stream, b)) return false;
    value = b != 0;
    return true;
}

// All sixteen bytes, as the platform's record holds them in memory (little-endian words).
bool WriteSystemTime(TStream& stream, const TSystemTime& st)
{
    return WriteUInt16(stream, st.wYear) && WriteUInt16(stream, st.wMonth) &&
           WriteUInt16(stream, st.wDayOfWeek) && WriteUInt16(stream, st.wDay) &&
           WriteUInt16(stream, st.wHour) && WriteUInt16(stream, st.wMinute) &&
           WriteUInt16(stream, st.wSecond) && WriteUInt16(stream, st.wMilliseconds);
}

bool ReadSystemTime(TStream& stream, TSystemTime& st)
{
    return ReadUInt16(stream, st.wYear) && ReadUInt16(stream, st.wMonth) &&
           ReadUInt16(stream, st.wDayOfWeek) && ReadUInt16(stream, st.wDay) &&
           ReadUInt16(stream, st.wHour) && ReadUInt16(stream, st.wMinute) &&
           ReadUInt16(stream, st.wSecond) && ReadUInt16(stream, st.wMilliseconds);
}

}  // namespace

TAlarm::~TAlarm()
{
    // Take each window out before telling it, so that a window that unregisters itself
    // meanwhile can't disturb the walk.
    while (MessageWindows.Count() > 0) {
        TAlarmWindow* window = MessageWindows.Items(0);
        MessageWindows.Delete(0);
        window->DetachAlarm();
    }
    // An open properties dialog has nothing left to write into.
    if (TAlarmWindow* dialog = PropDialog) {
        PropDialog = nullptr;
        dialog->DetachAlarm();
    }
}

bool TAlarm::WriteToStream(TStream& stream) const
{
    return WriteInt32(stream, StreamVersion) && WriteBool(stream, Enabled) && WriteBool(stream, SoundOn) &&
           WriteBool(stream, MessageOn) && WriteSystemTime(stream, SignalTime) &&
           WriteStreamString(stream, Name) && WriteStreamString(stream, SoundFile) &&
           WriteStreamString(stream, MessageText) && WriteBool(stream, CronFlag) &&
           WriteStreamString(stream, CronMask) && WriteBool(stream, OneTime) &&
           WriteBool(stream, RemoveAfterSignal) && WriteBool(stream, RunOn) &&
           WriteStreamString(stream, CommandLine) && WriteStreamString(stream, StartFolder) &&
           WriteUInt8(stream, Kind) && WriteBool(stream, OnceADay);
}

bool TAlarm::ReadFromStream(TStream& stream)
{
    std::int32_t version;
    if (!ReadInt32(stream, version)) return false;
    // Newer records are read as the newest we know; nothing is skipped.
    if (version < 0) version = 0;

    if (!ReadBool(stream, Enabled) || !ReadBool(stream, SoundOn) || !ReadBool(stream, MessageOn) ||
        !ReadSystemTime(stream, SignalTime))
        return false;
    ReadStreamString(stream, Name);
    ReadStreamString(stream, SoundFile);
    ReadStreamString(stream, MessageText);
    if (version >= 1) {
        if (!ReadBool(stream, CronFlag)) return false;
        ReadStreamString(stream, CronMask);
        if (!ReadBool(stream, OneTime) || !ReadBool(stream, RemoveAfterSignal) || !ReadBool(stream, RunOn))
            return false;
        ReadStreamString(stream, CommandLine);
        ReadStreamString(stream, StartFolder);
    }
    if (version >= 2) {
        std::uint8_t kind;
        if (!ReadUInt8(stream, kind)) return false;
        Kind = static_cast<TAlarmKind>(kind);
    } else {
        Kind = CronFlag ? akCron : akUsual;
    }
    if (version >= 3 && !ReadBool(stream, OnceADay)) return false;
    return true;
}

void DeleteAlarm(TOvList<TAlarm>& alarms, int index)
{
    TAlarm* alarm = alarms.Items(index);
    alarms.Delete(index);
    delete alarm;
}

void FreeAlarms(TOvList<TAlarm>& alarms)
{
    while (alarms.Count() > 0) DeleteAlarm(alarms, alarms.Count() - 1);
}
