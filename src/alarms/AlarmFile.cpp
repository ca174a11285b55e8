#include "alarms/AlarmFile.h"

#include "base/ChecksumStream.h"

#include <cstring>
#include <exception>
#include <memory>
#include <vector>

namespace {

// A stream that notes whether a read ever ran out of bytes.
class TWatchedStream : public TStream {
public:
    explicit TWatchedStream(TStream& inner) : inner_(inner) {}
    bool Read(void* buffer, std::size_t count) override { return Note(inner_.Read(buffer, count)); }
    bool Write(const void* buffer, std::size_t count) override { return inner_.Write(buffer, count); }
    std::size_t Remaining() const override { return inner_.Remaining(); }
    void Skip(std::size_t count) override
    {
        Note(count <= inner_.Remaining());
        inner_.Skip(count);
    }
    bool CutShort() const { return cutShort_; }

private:
    bool Note(bool ok)
    {
        if (!ok) cutShort_ = true;
        return ok;
    }
    TStream& inner_;
    bool cutShort_ = false;
};

constexpr char TrailerMagic[4] = {'A', 'L', 'J', 'D'};

bool WriteStamp(TStream& stream, const TAlarmStamp& s)
{
    return WriteUInt16(stream, s.Year) && WriteUInt16(stream, s.Month) && WriteUInt16(stream, s.Day) &&
           WriteUInt16(stream, s.DayOfWeek) && WriteUInt16(stream, s.Hour) && WriteUInt16(stream, s.Minute);
}

bool ReadStamp(TStream& stream, TAlarmStamp& s)
{
    return ReadUInt16(stream, s.Year) && ReadUInt16(stream, s.Month) && ReadUInt16(stream, s.Day) &&
           ReadUInt16(stream, s.DayOfWeek) && ReadUInt16(stream, s.Hour) && ReadUInt16(stream, s.Minute);
}

// One alarm's part of the trailer, as read; applied only once the whole trailer is vouched for.
struct TRunState {
    TJudged Judged;
    std::int64_t LastRung = NoMoment;
    std::int64_t RemindAt = NoMoment;
    TAlarmStamp LastSignalled;
};

bool WriteRunState(TStream& stream, const TAlarm& alarm, const TJudged& lastTick)
{
    const TJudged& judged = alarm.Judged.State == TJudged::jsFresh ? lastTick : alarm.Judged;
    return WriteUInt8(stream, judged.State) && WriteInt64(stream, judged.Utc) && WriteInt64(stream, judged.Local) &&
           WriteInt64(stream, alarm.LastRung) && WriteInt64(stream, alarm.RemindAt) &&
           WriteStamp(stream, alarm.LastSignalled);
}

bool ReadRunState(TStream& stream, TRunState& state)
{
    std::uint8_t judged;
    if (!ReadUInt8(stream, judged) || judged > TJudged::jsLegacy) return false;
    state.Judged.State = static_cast<TJudged::TState>(judged);
    return ReadInt64(stream, state.Judged.Utc) && ReadInt64(stream, state.Judged.Local) &&
           ReadInt64(stream, state.LastRung) && ReadInt64(stream, state.RemindAt) &&
           ReadStamp(stream, state.LastSignalled);
}

// The trailer after count records; false when there is none that matches them.
bool ReadTrailer(TChecksumStream& stream, std::int32_t count, std::vector<TRunState>& states)
{
    char magic[4];
    std::int32_t trailerCount;
    if (!stream.Read(magic, sizeof magic) || std::memcmp(magic, TrailerMagic, sizeof magic) != 0 ||
        !ReadInt32(stream, trailerCount) || trailerCount != count)
        return false;
    for (std::int32_t i = 0; i < count; ++i) {
        TRunState state;
        if (!ReadRunState(stream, state)) return false;
        states.push_back(state);
    }
    const std::uint32_t sum = stream.Sum();
    std::int32_t stored;
    return ReadInt32(stream.Inner(), stored) && static_cast<std::uint32_t>(stored) == sum;
}

}  // namespace

std::string AlarmFilePath(const std::string& folder)
{
    return folder + AlarmFileName;
}

void ReadAlarms(TStream& stream, TOvList<TAlarm>& alarms)
{
    TChecksumStream summed(stream);
    const int first = alarms.Count();
    std::int32_t count;
    if (!ReadInt32(summed, count)) return;
    // The count is never trusted for an allocation: every record costs bytes, so a false count
    // ends with the file.
    for (std::int32_t i = 0; i < count; ++i) {
        auto alarm = std::make_unique<TAlarm>();
        alarm->Judged.State = TJudged::jsLegacy;
        if (!alarm->ReadFromStream(summed)) return;
        alarms.Add(alarm.get());
        alarm.release();
    }
    std::vector<TRunState> states;
    // A file written before the trailer ends here, and that is no failure.
    if (count == 0 || summed.Remaining() == 0 || !ReadTrailer(summed, count, states)) return;
    for (std::int32_t i = 0; i < count; ++i) {
        TAlarm& alarm = *alarms.Items(first + i);
        alarm.Judged = states[i].Judged;
        alarm.LastRung = states[i].LastRung;
        alarm.RemindAt = states[i].RemindAt;
        alarm.LastSignalled = states[i].LastSignalled;
    }
}

bool WriteAlarms(TStream& stream, const TOvList<TAlarm>& alarms, const TJudged& lastTick)
{
    TChecksumStream summed(stream);
    if (!WriteInt32(summed, alarms.Count())) return false;
    for (int i = 0; i < alarms.Count(); ++i)
        if (!alarms.Items(i)->WriteToStream(summed)) return false;
    if (alarms.Count() == 0) return true;
    if (!summed.Write(TrailerMagic, sizeof TrailerMagic) || !WriteInt32(summed, alarms.Count())) return false;
    for (int i = 0; i < alarms.Count(); ++i)
        if (!WriteRunState(summed, *alarms.Items(i), lastTick)) return false;
    return WriteInt32(summed.Inner(), static_cast<std::int32_t>(summed.Sum()));
}

bool ReadAlarmsFile(TOvList<TAlarm>& alarms, const std::string& folder, TFileAccess& files)
{
    try {
        TBytes contents;
        // A read that fails part-way leaves what it got, which loads like a file that ends there.
        bool whole = files.ReadWholeFile(AlarmFilePath(folder), contents);
        TMemoryStream bytes(std::move(contents));
        TWatchedStream stream(bytes);
        ReadAlarms(stream, alarms);
        return whole && !stream.CutShort();
    } catch (const std::exception&) {
        // Out of memory or a full list: keep what was read, as with any other failure.
        return false;
    }
}

bool SaveAlarms(const TOvList<TAlarm>& alarms, const std::string& folder, TFileAccess& files,
                const TJudged& lastTick)
{
    try {
        TMemoryStream stream;
        if (!WriteAlarms(stream, alarms, lastTick)) return false;
        return files.ReplaceWholeFile(AlarmFilePath(folder), stream.Bytes());
    } catch (const std::exception&) {
        return false;
    }
}
