#include "app/ClocksCodec.h"

#include <gtest/gtest.h>

#include "../support/DataBytes.h"
#include "../support/MemoryFiles.h"

#include <map>

namespace {

constexpr int Zones = 139;

// Clock file bytes written field by field, independently of the codec.
class TClockBytes : public TFieldBytes<TClockBytes> {
public:
    TClockBytes& Record(const TClockRecord& r)
    {
        I32(r.ZoneIndex).U8(r.AmPm).Str(r.Label).Str(r.FontName).I32(r.FontSize).I32(r.FontCharset);
        return U8(r.FontStyle).I32(static_cast<std::int32_t>(r.Color)).I32(static_cast<std::int32_t>(r.FontColor));
    }
};

// A catalogue of `zones` entries named "Zone 0", "Zone 1", ...
TZoneKeys Catalogue(int zones = Zones)
{
    TZoneKeys keys;
    for (int i = 0; i < zones; ++i) keys.push_back("Zone " + std::to_string(i));
    return keys;
}

std::vector<TReadClock> Read(const TBytes& bytes, const TZoneKeys& zones = Catalogue())
{
    TMemoryStream stream(bytes);
    return ReadClocks(stream, zones);
}

// CRC-32 as zip has it, bit by bit; checked against its published check value below.
std::uint32_t Crc32(const TBytes& bytes)
{
    std::uint32_t crc = 0xFFFFFFFF;
    for (std::uint8_t b : bytes)
        for (int bit = 0; bit < 8; ++bit, b >>= 1) crc = ((crc ^ b) & 1) ? (crc >> 1) ^ 0xEDB88320 : crc >> 1;
    return ~crc;
}

// The trailer for records already in b, written by hand.
TClockBytes& Trailer(TClockBytes& b, const std::vector<std::string>& names)
{
    b.Raw("TZKN").I32(static_cast<std::int32_t>(names.size()));
    for (const auto& n : names) b.Str(n);
    return b.I32(static_cast<std::int32_t>(Crc32(b.Bytes())));
}

const TClockRecord LocalDefaults{-1, false, "Local time", "MS Sans Serif", 9, 1, 1, 0x00FF0000, 0x0000FFFF};
const TClockRecord Paris{37, true, "Paris", "Arial", 14, 238, 0x0F, 0x00123456, 0x00ABCDEF, "Zone 37"};
const TClockRecord Tokyo{138, false, "", "Courier New", 8, 128, 0x06, 0x00000000, 0x00FFFFFF, "Zone 138"};

TEST(ClocksCodec, FirstStartFileIsTheFiftySevenBytesOfOneDefaultFace)
{
    TMemoryStream out;
    ASSERT_TRUE(WriteClocks(out, {LocalDefaults}));
    const TBytes expected = {
        1, 0, 0, 0,                                            // count
        0xFF, 0xFF, 0xFF, 0xFF,                                // zone -1
        0,                                                     // 24-hour
        10, 0, 0, 0, 'L', 'o', 'c', 'a', 'l', ' ', 't', 'i', 'm', 'e',
        13, 0, 0, 0, 'M', 'S', ' ', 'S', 'a', 'n', 's', ' ', 'S', 'e', 'r', 'i', 'f',
        9, 0, 0, 0,                                            // size
        1, 0, 0, 0,                                            // character set
        1,                                                     // bold
        0x00, 0x00, 0xFF, 0x00,                                // blue
        0xFF, 0xFF, 0x00, 0x00,                                // yellow
    };
    EXPECT_EQ(out.Bytes().size(), 57u);
    EXPECT_EQ(out.Bytes(), expected);
    // A clock just added shows local time: still no zone, so still no trailer.
    TMemoryStream two;
    ASSERT_TRUE(WriteClocks(two, {LocalDefaults, LocalDefaults}));
    EXPECT_EQ(two.Bytes(), TClockBytes().I32(2).Record(LocalDefaults).Record(LocalDefaults).Bytes());
}

TEST(ClocksCodec, EveryFieldRoundTrips)
{
    std::vector<TClockRecord> records = {LocalDefaults, Paris, Tokyo};
    // Each style bit on its own, and the extreme colours.
    for (std::uint8_t bit : {1, 2, 4, 8}) {
        TClockRecord r = Paris;
        r.FontStyle = bit;
        r.Color = 0x00FFFFFF;
        r.FontColor = 0;
        records.push_back(r);
    }
    TMemoryStream out;
    ASSERT_TRUE(WriteClocks(out, records));
    EXPECT_EQ(out.Bytes(), [&] {
        TClockBytes b;
        b.I32(static_cast<std::int32_t>(records.size()));
        std::vector<std::string> names;
        for (const auto& r : records) {
            b.Record(r);
            names.push_back(r.ZoneIndex == -1 ? "" : r.ZoneKey);
        }
        return Trailer(b, names).Bytes();
    }());
    auto read = Read(out.Bytes());
    ASSERT_EQ(read.size(), records.size());
    for (std::size_t i = 0; i < records.size(); ++i) {
        EXPECT_TRUE(read[i].Complete()) << i;
        EXPECT_EQ(read[i].Record, records[i]) << i;
    }
}

// The record as far as a load gets: the fields up to `upTo`, the rest as a new record has them.
TClockRecord Prefix(const TClockRecord& r, TClockField upTo)
{
    TClockRecord p;
    if (upTo >= cfZone) p.ZoneIndex = r.ZoneIndex;  // names come only with a whole trailer
    if (upTo >= cfAmPm) p.AmPm = r.AmPm;
    if (upTo >= cfLabel) p.Label = r.Label;
    if (upTo >= cfFontName) p.FontName = r.FontName;
    if (upTo >= cfFontSize) p.FontSize = r.FontSize;
    if (upTo >= cfFontCharset) p.FontCharset = r.FontCharset;
    if (upTo >= cfFontStyle) p.FontStyle = r.FontStyle;
    if (upTo >= cfColor) p.Color = r.Color;
    if (upTo >= cfFontColor) p.FontColor = r.FontColor;
    return p;
}

TEST(ClocksCodec, AFileCutAtAnyByteLoadsExactlyWhatPrecedesTheCut)
{
    const std::vector<TClockRecord> records = {LocalDefaults, Paris, Tokyo};
    TClockBytes whole;
    whole.I32(3);
    // Where each field of each record ends, counted by hand from the layout.
    std::vector<std::size_t> starts;
    std::vector<std::vector<std::size_t>> ends;
    for (const auto& r : records) {
        starts.push_back(whole.Size());
        std::size_t at = whole.Size();
        const std::size_t L = r.Label.size(), F = r.FontName.size();
        ends.push_back({at + 4, at + 5, at + 9 + L, at + 13 + L + F, at + 17 + L + F, at + 21 + L + F,
                        at + 22 + L + F, at + 26 + L + F, at + 30 + L + F});
        whole.Record(r);
    }
    for (std::size_t cut = 0; cut <= whole.Size(); ++cut) {
        auto read = Read(TBytes(whole.Bytes().begin(), whole.Bytes().begin() + static_cast<long>(cut)));
        std::size_t faces = 0;
        if (cut >= 4)
            for (std::size_t start : starts) faces += start <= cut ? 1 : 0;
        ASSERT_EQ(read.size(), faces) << "cut at " << cut;
        for (std::size_t i = 0; i < faces; ++i) {
            int fields = 0;
            for (std::size_t end : ends[i]) fields += end <= cut ? 1 : 0;
            EXPECT_EQ(read[i].ReadUpTo, static_cast<TClockField>(fields)) << "cut at " << cut << ", face " << i;
            EXPECT_EQ(read[i].Record, Prefix(records[i], read[i].ReadUpTo)) << "cut at " << cut << ", face " << i;
        }
    }
}

TEST(ClocksCodec, BadLengthsAndZoneIndexesStopTheLoadWhereTheyStand)
{
    struct Case {
        const char* name;
        TBytes bytes;
        std::size_t faces;
        TClockField last;
    };
    auto head = [](std::int32_t count, std::int32_t zone) { return TClockBytes().I32(count).I32(zone).U8(0); };
    const Case cases[] = {
        {"negative label length", head(1, -1).I32(-1).Str("x").Bytes(), 1, cfAmPm},
        {"huge label length", head(1, -1).I32(0x7FFFFFFF).Str("x").Bytes(), 1, cfAmPm},
        {"label longer than the bytes left", head(1, -1).I32(6).Str("x").Bytes(), 1, cfAmPm},
        {"negative font name length", head(1, -1).Str("a").I32(-5).Bytes(), 1, cfLabel},
        {"huge font name length", head(1, -1).Str("a").I32(0x40000000).I32(0).Bytes(), 1, cfLabel},
        {"zone past the catalogue", head(2, Zones).Record(Paris).Bytes(), 1, cfZone},
        {"zone below -1", head(1, -2).Record(Paris).Bytes(), 1, cfZone},
        {"count beyond the records", TClockBytes().I32(4).Record(Paris).Record(Tokyo).Bytes(), 3, cfNone},
        {"count 0", TClockBytes().I32(0).Record(Paris).Bytes(), 0, cfNone},
        {"count negative", TClockBytes().I32(-3).Record(Paris).Bytes(), 0, cfNone},
        {"count cut short", TBytes{1, 0, 0}, 0, cfNone},
    };
    for (const auto& c : cases) {
        auto read = Read(c.bytes);
        ASSERT_EQ(read.size(), c.faces) << c.name;
        if (c.faces > 0) {
            EXPECT_EQ(read.back().ReadUpTo, c.last) << c.name;
        }
    }
    // The face that stopped the load keeps its index, so a save writes it again.
    auto past = Read(head(1, Zones).Record(Paris).Bytes());
    EXPECT_EQ(past[0].Record.ZoneIndex, Zones);
    // The last catalogue entry is a valid zone, and -1 is local time.
    EXPECT_TRUE(Read(TClockBytes().I32(2).Record(Tokyo).Record(LocalDefaults).Bytes())[1].Complete());
    // With an empty catalogue every zone index stops the load.
    EXPECT_EQ(Read(TClockBytes().I32(1).Record(Tokyo).Bytes(), {}).at(0).ReadUpTo, cfZone);
}

TZoneKeys Without(TZoneKeys keys, int index)
{
    keys.erase(keys.begin() + index);
    return keys;
}

TZoneKeys With(TZoneKeys keys, int index, const std::string& name)
{
    keys.insert(keys.begin() + index, name);
    return keys;
}

TEST(ClocksCodec, ZoneClocksFindTheirZonesByNameWhenTheCatalogueChanged)
{
    struct Case {
        const char* name;
        TZoneKeys zones;
        std::int32_t paris, tokyo;  // -2: the load stopped before that face
    } cases[] = {
        {"the same catalogue", Catalogue(), 37, 138},
        {"a zone inserted before both", With(Catalogue(), 10, "Zone new"), 38, 139},
        {"a zone removed before both", Without(Catalogue(), 5), 36, 137},
        {"the catalogue reversed", [] { auto k = Catalogue(); std::reverse(k.begin(), k.end()); return k; }(), 101, 0},
        {"Paris's zone gone: its index stays", Without(Catalogue(), 37), 37, 137},
        {"Tokyo's zone gone, its index now past the end", Without(Catalogue(), 138), 37, 138},
    };
    TMemoryStream file;
    ASSERT_TRUE(WriteClocks(file, {LocalDefaults, Paris, Tokyo}));
    for (const auto& c : cases) {
        auto read = Read(file.Bytes(), c.zones);
        ASSERT_EQ(read.size(), 3u) << c.name;
        EXPECT_EQ(read[0].Record, LocalDefaults) << c.name;
        EXPECT_EQ(read[1].Record.ZoneIndex, c.paris) << c.name;
        EXPECT_EQ(read[1].Record.ZoneKey, "Zone 37") << c.name;  // kept, found or not
        EXPECT_EQ(read[2].Record.ZoneIndex, c.tokyo) << c.name;
        EXPECT_EQ(read[2].Record.ZoneKey, "Zone 138") << c.name;
        const bool tokyoKnown = c.tokyo < static_cast<std::int32_t>(c.zones.size());
        EXPECT_EQ(read[2].Complete(), tokyoKnown) << c.name;
        if (!tokyoKnown) continue;
        // Saved again, the file holds the new indexes, which a reader without names takes as they are.
        std::vector<TClockRecord> again;
        for (const auto& r : read) again.push_back(r.Record);
        TMemoryStream saved;
        ASSERT_TRUE(WriteClocks(saved, again));
        auto plain = Read(saved.Bytes(), TZoneKeys(c.zones.size()));
        EXPECT_EQ(plain[1].Record.ZoneIndex, c.paris) << c.name;
        EXPECT_EQ(plain[2].Record.ZoneIndex, c.tokyo) << c.name;
    }
}

TEST(ClocksCodec, OnlyAWholeTrailerThatVouchesForTheRecordsIsTaken)
{
    ASSERT_EQ(Crc32({'1', '2', '3', '4', '5', '6', '7', '8', '9'}), 0xCBF43926u);
    const TZoneKeys moved = With(Catalogue(), 0, "Zone new");  // every index one up
    TClockBytes records;
    records.I32(3).Record(LocalDefaults).Record(Paris).Record(Tokyo);
    const std::vector<std::string> names = {"", "Zone 37", "Zone 138"};
    TClockBytes whole = records;
    Trailer(whole, names);
    auto taken = [&](const TBytes& bytes) {
        auto read = Read(bytes, moved);
        EXPECT_EQ(read.size(), 3u);
        for (const auto& r : read) EXPECT_TRUE(r.Complete());
        if (read.size() != 3) return false;
        const bool named = read[1].Record.ZoneIndex == 38 && read[2].Record.ZoneIndex == 139 &&
                           read[1].Record.ZoneKey == "Zone 37" && read[2].Record.ZoneKey == "Zone 138";
        const bool unnamed = read[1].Record.ZoneIndex == 37 && read[2].Record.ZoneIndex == 138 &&
                             read[1].Record.ZoneKey.empty() && read[2].Record.ZoneKey.empty();
        EXPECT_TRUE(named || unnamed);
        return named;
    };
    EXPECT_TRUE(taken(whole.Bytes()));
    TBytes more = whole.Bytes();
    more.insert(more.end(), {1, 2, 3});
    EXPECT_TRUE(taken(more)) << "bytes after the trailer";

    for (std::size_t cut = records.Size(); cut < whole.Size(); ++cut)
        EXPECT_FALSE(taken(TBytes(whole.Bytes().begin(), whole.Bytes().begin() + static_cast<long>(cut)))) << cut;

    // The trailer of another record set of the same size, and one of fewer records.
    TClockRecord recoloured = Paris;
    recoloured.Color ^= 1;
    TClockBytes other;
    other.I32(3).Record(LocalDefaults).Record(recoloured).Record(Tokyo);
    const auto otherEnd = static_cast<long>(other.Size());
    Trailer(other, names);
    TBytes mixed = records.Bytes();
    mixed.insert(mixed.end(), other.Bytes().begin() + otherEnd, other.Bytes().end());
    EXPECT_FALSE(taken(mixed)) << "another record set";
    TClockBytes fewer = records;
    EXPECT_FALSE(taken(Trailer(fewer, {"", "Zone 37"}).Bytes())) << "another count";
    // An older program rewrote a file of ours in place: Paris moved to zone 5 and the old
    // trailer still follows.
    TClockRecord rezoned = Paris;
    rezoned.ZoneIndex = 5;
    TBytes rewritten = whole.Bytes();
    const TBytes older = TClockBytes().I32(3).Record(LocalDefaults).Record(rezoned).Record(Tokyo).Bytes();
    std::copy(older.begin(), older.end(), rewritten.begin());
    auto read = Read(rewritten, moved);
    ASSERT_EQ(read.size(), 3u);
    EXPECT_EQ(read[1].Record.ZoneIndex, 5);
    EXPECT_EQ(read[1].Record.ZoneKey, "");

    struct Bad {
        const char* name;
        std::size_t at;  // offset from the trailer's start
        std::uint8_t value;
    } bad[] = {{"tag", 0, 0x20}, {"sum", whole.Size() - records.Size() - 1, 0x5A}};
    for (const auto& b : bad) {
        TBytes bytes = whole.Bytes();
        bytes[records.Size() + b.at] ^= b.value;
        EXPECT_FALSE(taken(bytes)) << b.name;
    }
}

TEST(ClocksCodec, ZeroByteEndsATextButNotTheRecord)
{
    TClockRecord r = Paris;
    r.Label = std::string("Ho\0me", 5);
    r.FontName = std::string("\0Arial", 6);
    auto read = Read(TClockBytes().I32(1).Record(r).Bytes());
    ASSERT_EQ(read.size(), 1u);
    ASSERT_TRUE(read[0].Complete());
    EXPECT_EQ(read[0].Record.Label, "Ho");
    EXPECT_EQ(read[0].Record.FontName, "");
    EXPECT_EQ(read[0].Record.FontColor, Paris.FontColor);
    // A label of no bytes is an empty label.
    r.Label.clear();
    EXPECT_EQ(Read(TClockBytes().I32(1).Record(r).Bytes())[0].Record.Label, "");
}

TEST(ClocksCodec, CharacterSetTakesItsLowByteAndStyleItsFourBits)
{
    TClockBytes b;
    b.I32(1).I32(-1).U8(7).Str("L").Str("F").I32(10).I32(0x1234A2).U8(0xF5).I32(-1).I32(0);
    auto read = Read(b.Bytes());
    ASSERT_TRUE(read[0].Complete());
    EXPECT_TRUE(read[0].Record.AmPm);  // any non-zero byte
    EXPECT_EQ(read[0].Record.FontCharset, 0xA2);
    EXPECT_EQ(read[0].Record.FontStyle, 0x05);
    EXPECT_EQ(read[0].Record.Color, 0xFFFFFFFFu);
}

TEST(ClocksFile, SavingThreeThenTwoReadsBackTwoAndAFailedSaveKeepsTheOld)
{
    TMemoryFiles files;
    const std::string folder = "C:\\Doviz\\";
    ASSERT_TRUE(SaveClocksFile({LocalDefaults, Paris, Tokyo}, folder, files));
    ASSERT_TRUE(files.files.count("C:\\Doviz\\RoVudez.clk"));
    ASSERT_TRUE(SaveClocksFile({LocalDefaults, Tokyo}, folder, files));
    auto read = ReadClocksFile(folder, files, Catalogue());
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read[1].Record, Tokyo);

    files.failWrites = true;
    EXPECT_FALSE(SaveClocksFile({LocalDefaults}, folder, files));
    EXPECT_EQ(ReadClocksFile(folder, files, Catalogue()).size(), 2u);
    EXPECT_TRUE(ReadClocksFile("D:\\Elsewhere\\", files, Catalogue()).empty());
}

}  // namespace
