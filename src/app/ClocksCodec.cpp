#include "app/ClocksCodec.h"

#include <exception>
#include <new>

namespace {

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
bool ReadRecord(TStream& stream, int zoneCount, TReadClock& entry)
{
    TClockRecord& r = entry.Record;
    auto step = [&](bool ok, TClockField field) {
        if (ok) entry.ReadUpTo = field;
        return ok;
    };
    if (!step(ReadInt32(stream, r.ZoneIndex), cfZone)) return false;
    if (r.ZoneIndex != -1 && (r.ZoneIndex < 0 || r.ZoneIndex >= zoneCount)) return false;
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

}  // namespace

std::vector<TReadClock> ReadClocks(TStream& stream, int zoneCount)
{
    std::vector<TReadClock> clocks;
    std::int32_t count;
    if (!ReadInt32(stream, count)) return clocks;
    // The count is never trusted for an allocation: a record that can't be read ends the load.
    try {
        for (std::int32_t i = 0; i < count; ++i) {
            clocks.emplace_back();
            if (!ReadRecord(stream, zoneCount, clocks.back())) break;
        }
    } catch (const std::bad_alloc&) {
        // Keep what was read, as with any other failure.
    }
    return clocks;
}

bool WriteClocks(TStream& stream, const std::vector<TClockRecord>& records)
{
    if (!WriteInt32(stream, static_cast<std::int32_t>(records.size()))) return false;
    for (const TClockRecord& r : records) {
        bool ok = WriteInt32(stream, r.ZoneIndex) && WriteUInt8(stream, r.AmPm ? 1 : 0) &&
                  WriteStreamString(stream, r.Label) && WriteStreamString(stream, r.FontName) &&
                  WriteInt32(stream, r.FontSize) && WriteInt32(stream, r.FontCharset) &&
                  WriteUInt8(stream, r.FontStyle) && WriteInt32(stream, static_cast<std::int32_t>(r.Color)) &&
                  WriteInt32(stream, static_cast<std::int32_t>(r.FontColor));
        if (!ok) return false;
    }
    return true;
}

std::string ClocksFilePath(const std::string& folder)
{
    return folder + ClocksFileName;
}

std::vector<TReadClock> ReadClocksFile(const std::string& folder, TFileAccess& files, int zoneCount)
{
    try {
        TBytes contents;
        // A read that fails part-way leaves what it got, which loads like a file that ends there.
        files.ReadWholeFile(ClocksFilePath(folder), contents);
        TMemoryStream stream(std::move(contents));
        return ReadClocks(stream, zoneCount);
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
