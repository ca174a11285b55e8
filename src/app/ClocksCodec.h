#pragma once
// The clocks file "RoVudez.clk" beside the program: a signed 32-bit count, then one record per
// face, the local clock first. No header; integers little-endian. When a face shows a zone, a
// trailer after the records names each face's zone, so that a face finds its zone again when the
// system's list of zones has changed; readers that stop at the count never see it.

#include <cstdint>
#include <string>
#include <vector>

#include "base/Stream.h"

inline constexpr char ClocksFileName[] = "RoVudez.clk";

// One face as the file keeps it.
struct TClockRecord {
    std::int32_t ZoneIndex = -1;  // position in the zone catalogue, -1 for local time
    bool AmPm = false;
    std::string Label;
    std::string FontName;
    std::int32_t FontSize = 0;
    std::uint8_t FontCharset = 0;
    std::uint8_t FontStyle = 0;  // bit 0 bold, 1 italic, 2 underline, 3 strike-out
    std::uint32_t Color = 0;     // 0x00BBGGRR
    std::uint32_t FontColor = 0;
    // The zone's key name in the catalogue, kept in the trailer; empty when it is not known.
    std::string ZoneKey;
    friend bool operator==(const TClockRecord&, const TClockRecord&) = default;
};

// How far a record got, field by field in file order. A load applies a record's fields up to
// there, so a file that breaks off keeps everything before the break.
enum TClockField {
    cfNone,  // the face exists, nothing of it was read
    cfZone,
    cfAmPm,
    cfLabel,
    cfFontName,
    cfFontSize,
    cfFontCharset,
    cfFontStyle,
    cfColor,
    cfFontColor,  // the whole record
};

struct TReadClock {
    TClockRecord Record;
    TClockField ReadUpTo = cfNone;
    bool Complete() const { return ReadUpTo == cfFontColor; }
};

// The catalogue's key names in catalogue order: its size is the number of zones.
using TZoneKeys = std::vector<std::string>;

// The trailer: tag, the record count, one length-prefixed name per record (empty for local
// time), then the CRC-32 of every byte of the file before it.
inline constexpr char ClocksTrailerTag[4] = {'T', 'Z', 'K', 'N'};

// Reads the records as far as the file allows. Each face the count announces gets an entry as
// soon as its turn comes, so only the last entry can be incomplete. Reading stops after a zone
// index that is neither -1 nor a catalogue position, at a string length below 0 or beyond the
// bytes left, and where the bytes end. A count of 0 or less reads nothing.
// A trailer that matches the records gives each zone record its ZoneKey; a stored index whose
// entry has another name then moves to the entry with that name, when there is one.
std::vector<TReadClock> ReadClocks(TStream& stream, const TZoneKeys& zones);
// The trailer follows only when some record has a zone.
bool WriteClocks(TStream& stream, const std::vector<TClockRecord>& records);

// folder: the program's folder with its trailing separator.
std::string ClocksFilePath(const std::string& folder);
// The file's records; no file, or any failure, gives what was read before it.
std::vector<TReadClock> ReadClocksFile(const std::string& folder, TFileAccess& files, const TZoneKeys& zones);
// Writes the whole file at once; on failure the old file stays as it was. The result is for
// tests: the program ignores it.
bool SaveClocksFile(const std::vector<TClockRecord>& records, const std::string& folder, TFileAccess& files);
