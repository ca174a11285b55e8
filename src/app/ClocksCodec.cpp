#include "app/ClocksCodec.h"

#include "base/ChecksumStream.h"

#include <algorithm>
#include <cstring>
#include <exception>
#include <new>

namespace {

bool IsZone(std::int32_t index, const TZoneKeys& zones)
{
    return index >= 0 && static_cast<std::size_t>(index) < zones.size();
}

// A zero byte ends the text; the bytes after it are read and dropped.
bool ReadClockText(TStream& stream, std::string& text)
{
    std::string read;
    if (!ReadStreamString(stream, read)) return false;
    std::size_t nul = read.find('\0');
    if (nul != std::string::npos) read.resize(nul);
    text = std::move(read);
    return true;
}

bool ReadUInt32(TStream& stream, std::uint32_t& value)
{
    std::int32_t v;
    if (!ReadInt32(stream, v)) return false;
    value = static_cast<std::uint32_t>(v);
    return true;
}

// Reads one record into entry, advancing ReadUpTo field by field; false where reading stops.
bool ReadRecord(TStream& stream, TReadClock& entry)
{
    TClockRecord& r = entry.Record;
    auto step = [&](bool ok, TClockField field) {
        if (ok) entry.ReadUpTo = field;
        return ok;
    };
    if (!step(ReadInt32(stream, r.ZoneIndex), cfZone)) return false;
    std::uint8_t byte;
    if (!step(ReadUInt8(stream, byte), cfAmPm)) return false;
    r.AmPm = byte != 0;
    if (!step(ReadClockText(stream, r.Label), cfLabel)) return false;
    if (!step(ReadClockText(stream, r.FontName), cfFontName)) return false;
    if (!step(ReadInt32(stream, r.FontSize), cfFontSize)) return false;
    std::int32_t charset;
    if (!step(ReadInt32(stream, charset), cfFontCharset)) return false;
    r.FontCharset = static_cast<std::uint8_t>(charset & 0xFF);
    if (!step(ReadUInt8(stream, byte), cfFontStyle)) return false;
    r.FontStyle = byte & 0x0F;
    if (!step(ReadUInt32(stream, r.Color), cfColor)) return false;
    return step(ReadUInt32(stream, r.FontColor), cfFontColor);
}

// The names of a trailer that follows `count` records and vouches for them; false for anything
// else: no trailer, another count, a name cut short, a sum of other bytes.
bool ReadTrailer(TChecksumStream& stream, std::int32_t count, std::vector<std::string>& names)
{
    char tag[sizeof ClocksTrailerTag];
    if (!stream.Read(tag, sizeof tag) || std::memcmp(tag, ClocksTrailerTag, sizeof tag) != 0) return false;
    std::int32_t n;
    if (!ReadInt32(stream, n) || n != count) return false;
    std::vector<std::string> read(static_cast<std::size_t>(n));
    for (std::string& name : read)
        if (!ReadStreamString(stream, name)) return false;
    const std::uint32_t sum = stream.Sum();
    std::int32_t stored;
    if (!ReadInt32(stream.Inner(), stored) || static_cast<std::uint32_t>(stored) != sum) return false;
    names = std::move(read);
    return true;
}

// A zone index whose entry has another name moves to the first entry with the stored name; a
// name the catalogue no longer has leaves the index as it was.
void FindZonesByName(std::vector<TReadClock>& clocks, const std::vector<std::string>& names, const TZoneKeys& zones)
{
    for (std::size_t i = 0; i < clocks.size(); ++i) {
        TClockRecord& r = clocks[i].Record;
        if (r.ZoneIndex == -1 || names[i].empty()) continue;
        r.ZoneKey = names[i];
        if (IsZone(r.ZoneIndex, zones) && zones[static_cast<std::size_t>(r.ZoneIndex)] == r.ZoneKey) continue;
        auto named = std::find(zones.begin(), zones.end(), r.ZoneKey);
        if (named != zones.end()) r.ZoneIndex = static_cast<std::int32_t>(named - zones.begin());
    }
}

// The load stops at the first index that is neither local time nor a zone: that face keeps its
// index (and name) and nothing after it.
void StopAtUnknownZone(std::vector<TReadClock>& clocks, const TZoneKeys& zones)
{
    for (std::size_t i = 0; i < clocks.size(); ++i) {
        const TClockRecord& r = clocks[i].Record;
        if (clocks[i].ReadUpTo < cfZone || r.ZoneIndex == -1 || IsZone(r.ZoneIndex, zones)) continue;
        TClockRecord kept;
        kept.ZoneIndex = r.ZoneIndex;
        kept.ZoneKey = r.ZoneKey;
        clocks[i] = {kept, cfZone};
        clocks.resize(i + 1);
        return;
    }
}

}  // namespace

std::vector<TReadClock> ReadClocks(TStream& file, const TZoneKeys& zones)
{
    std::vector<TReadClock> clocks;
    TChecksumStream stream(file);
    std::int32_t count;
    if (!ReadInt32(stream, count)) return clocks;
    // The count is never trusted for an allocation: a record that can't be read ends the load.
    try {
        bool whole = true;
        for (std::int32_t i = 0; i < count && whole; ++i) {
            clocks.emplace_back();
            whole = ReadRecord(stream, clocks.back());
        }
        std::vector<std::string> names;
        if (whole && count > 0 && ReadTrailer(stream, count, names)) FindZonesByName(clocks, names, zones);
    } catch (const std::bad_alloc&) {
        // Keep what was read, as with any other failure.
    }
    StopAtUnknownZone(clocks, zones);
    return clocks;
}

bool WriteClocks(TStream& file, const std::vector<TClockRecord>& records)
{
    TChecksumStream stream(file);
    if (!WriteInt32(stream, static_cast<std::int32_t>(records.size()))) return false;
    for (const TClockRecord& r : records) {
        bool ok = WriteInt32(stream, r.ZoneIndex) && WriteUInt8(stream, r.AmPm ? 1 : 0) &&
                  WriteStreamString(stream, r.Label) && WriteStreamString(stream, r.FontName) &&
                  WriteInt32(stream, r.FontSize) && WriteInt32(stream, r.FontCharset) &&
                  WriteUInt8(stream, r.FontStyle) && WriteInt32(stream, static_cast<std::int32_t>(r.Color)) &&
                  WriteInt32(stream, static_cast<std::int32_t>(r.FontColor));
        if (!ok) return false;
    }
    // Without a zone clock the file stays as it always was.
    if (std::none_of(records.begin(), records.end(), [](const TClockRecord& r) { return r.ZoneIndex != -1; }))
        return true;
    if (!stream.Write(ClocksTrailerTag, sizeof ClocksTrailerTag)) return false;
    if (!WriteInt32(stream, static_cast<std::int32_t>(records.size()))) return false;
    for (const TClockRecord& r : records)
        if (!WriteStreamString(stream, r.ZoneIndex == -1 ? std::string() : r.ZoneKey)) return false;
    return WriteInt32(file, static_cast<std::int32_t>(stream.Sum()));
}

std::string ClocksFilePath(const std::string& folder)
{
    return folder + ClocksFileName;
}

std::vector<TReadClock> ReadClocksFile(const std::string& folder, TFileAccess& files, const TZoneKeys& zones)
{
    try {
        TBytes contents;
        // A read that fails part-way leaves what it got, which loads like a file that ends there.
        files.ReadWholeFile(ClocksFilePath(folder), contents);
        TMemoryStream stream(std::move(contents));
        return ReadClocks(stream, zones);
    } catch (const std::exception&) {
        return {};
    }
}

bool SaveClocksFile(const std::vector<TClockRecord>& records, const std::string& folder, TFileAccess& files)
{
    try {
        TMemoryStream stream;
        return WriteClocks(stream, records) && files.ReplaceWholeFile(ClocksFilePath(folder), stream.Bytes());
    } catch (const std::exception&) {
        return false;
    }
}
