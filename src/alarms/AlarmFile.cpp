#include "alarms/AlarmFile.h"

#include <exception>
#include <memory>

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

}  // namespace

std::string AlarmFilePath(const std::string& folder)
{
    return folder + AlarmFileName;
}

void ReadAlarms(TStream& stream, TOvList<TAlarm>& alarms)
{
    std::int32_t count;
    if (!ReadInt32(stream, count)) return;
    // The count is never trusted for an allocation: every record costs bytes, so a false count
    // ends with the file.
    for (std::int32_t i = 0; i < count; ++i) {
        auto alarm = std::make_unique<TAlarm>();
        if (!alarm->ReadFromStream(stream)) return;
        alarms.Add(alarm.get());
        alarm.release();
    }
}

bool WriteAlarms(TStream& stream, const TOvList<TAlarm>& alarms)
{
    if (!WriteInt32(stream, alarms.Count())) return false;
    for (int i = 0; i < alarms.Count(); ++i)
        if (!alarms.Items(i)->WriteToStream(stream)) return false;
    return true;
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

bool SaveAlarms(const TOvList<TAlarm>& alarms, const std::string& folder, TFileAccess& files)
{
    try {
        TMemoryStream stream;
        if (!WriteAlarms(stream, alarms)) return false;
        return files.ReplaceWholeFile(AlarmFilePath(folder), stream.Bytes());
    } catch (const std::exception&) {
        return false;
    }
}
