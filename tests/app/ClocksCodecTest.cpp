#include "app/ClocksCodec.h"
#include "app/FileBackup.h"

#include <gtest/gtest.h>

#include <map>

namespace {

constexpr int Zones = 139;

// Clock file bytes written field by field, independently of the codec.
class TClockBytes {
public:
    TClockBytes& I32(std::int32_t v)
    {
        auto u = static_cast<std::uint32_t>(v);
        for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<std::uint8_t>(u >> (8 * i)));
        return *this;
    }
    TClockBytes& U8(std::uint8_t v)
    {
        bytes.push_back(v);
        return *this;
    }
    TClockBytes& Str(const std::string& s)
    {
        I32(static_cast<std::int32_t>(s.size()));
        bytes.insert(bytes.end(), s.begin(), s.end());
        return *this;
    }
    TClockBytes& Record(const TClockRecord& r)
    {
        I32(r.ZoneIndex).U8(r.AmPm).Str(r.Label).Str(r.FontName).I32(r.FontSize).I32(r.FontCharset);
        return U8(r.FontStyle).I32(static_cast<std::int32_t>(r.Color)).I32(static_cast<std::int32_t>(r.FontColor));
    }
    TBytes bytes;
};

std::vector<TReadClock> Read(const TBytes& bytes, int zones = Zones)
{
    TMemoryStream stream(bytes);
    return ReadClocks(stream, zones);
}

const TClockRecord LocalDefaults{-1, false, "Local time", "MS Sans Serif", 9, 1, 1, 0x00FF0000, 0x0000FFFF};
const TClockRecord Paris{37, true, "Paris", "Arial", 14, 238, 0x0F, 0x00123456, 0x00ABCDEF};
const TClockRecord Tokyo{138, false, "", "Courier New", 8, 128, 0x06, 0x00000000, 0x00FFFFFF};

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
        for (const auto& r : records) b.Record(r);
        return b.bytes;
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
    if (upTo >= cfZone) p.ZoneIndex = r.ZoneIndex;
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
        starts.push_back(whole.bytes.size());
        std::size_t at = whole.bytes.size();
        const std::size_t L = r.Label.size(), F = r.FontName.size();
        ends.push_back({at + 4, at + 5, at + 9 + L, at + 13 + L + F, at + 17 + L + F, at + 21 + L + F,
                        at + 22 + L + F, at + 26 + L + F, at + 30 + L + F});
        whole.Record(r);
    }
    for (std::size_t cut = 0; cut <= whole.bytes.size(); ++cut) {
        auto read = Read(TBytes(whole.bytes.begin(), whole.bytes.begin() + static_cast<long>(cut)));
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
        {"negative label length", head(1, -1).I32(-1).Str("x").bytes, 1, cfAmPm},
        {"huge label length", head(1, -1).I32(0x7FFFFFFF).Str("x").bytes, 1, cfAmPm},
        {"label longer than the bytes left", head(1, -1).I32(6).Str("x").bytes, 1, cfAmPm},
        {"negative font name length", head(1, -1).Str("a").I32(-5).bytes, 1, cfLabel},
        {"huge font name length", head(1, -1).Str("a").I32(0x40000000).I32(0).bytes, 1, cfLabel},
        {"zone past the catalogue", head(2, Zones).Record(Paris).bytes, 1, cfZone},
        {"zone below -1", head(1, -2).Record(Paris).bytes, 1, cfZone},
        {"count beyond the records", TClockBytes().I32(4).Record(Paris).Record(Tokyo).bytes, 3, cfNone},
        {"count 0", TClockBytes().I32(0).Record(Paris).bytes, 0, cfNone},
        {"count negative", TClockBytes().I32(-3).Record(Paris).bytes, 0, cfNone},
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
    auto past = Read(head(1, Zones).Record(Paris).bytes);
    EXPECT_EQ(past[0].Record.ZoneIndex, Zones);
    // The last catalogue entry is a valid zone, and -1 is local time.
    EXPECT_TRUE(Read(TClockBytes().I32(2).Record(Tokyo).Record(LocalDefaults).bytes)[1].Complete());
    // With an empty catalogue every zone index stops the load.
    EXPECT_EQ(Read(TClockBytes().I32(1).Record(Tokyo).bytes, 0).at(0).ReadUpTo, cfZone);
}

TEST(ClocksCodec, ZeroByteEndsATextButNotTheRecord)
{
    TClockRecord r = Paris;
    r.Label = std::string("Ho\0me", 5);
    r.FontName = std::string("\0Arial", 6);
    auto read = Read(TClockBytes().I32(1).Record(r).bytes);
    ASSERT_EQ(read.size(), 1u);
    ASSERT_TRUE(read[0].Complete());
    EXPECT_EQ(read[0].Record.Label, "Ho");
    EXPECT_EQ(read[0].Record.FontName, "");
    EXPECT_EQ(read[0].Record.FontColor, Paris.FontColor);
    // A label of no bytes is an empty label.
    r.Label.clear();
    EXPECT_EQ(Read(TClockBytes().I32(1).Record(r).bytes)[0].Record.Label, "");
}

TEST(ClocksCodec, CharacterSetTakesItsLowByteAndStyleItsFourBits)
{
    TClockBytes b;
    b.I32(1).I32(-1).U8(7).Str("L").Str("F").I32(10).I32(0x1234A2).U8(0xF5).I32(-1).I32(0);
    auto read = Read(b.bytes);
    ASSERT_TRUE(read[0].Complete());
    EXPECT_TRUE(read[0].Record.AmPm);  // any non-zero byte
    EXPECT_EQ(read[0].Record.FontCharset, 0xA2);
    EXPECT_EQ(read[0].Record.FontStyle, 0x05);
    EXPECT_EQ(read[0].Record.Color, 0xFFFFFFFFu);
}

class TMemoryFiles : public TFileAccess {
public:
    bool ReadWholeFile(const std::string& path, TBytes& contents) override
    {
        auto it = files.find(path);
        if (it == files.end()) return false;
        contents = it->second;
        return true;
    }
    bool ReplaceWholeFile(const std::string& path, const TBytes& contents) override
    {
        if (failWrites) return false;
        files[path] = contents;
        return true;
    }
    std::map<std::string, TBytes> files;
    bool failWrites = false;
};

TEST(ClocksFile, SavingThreeThenTwoReadsBackTwoAndAFailedSaveKeepsTheOld)
{
    TMemoryFiles files;
    const std::string folder = "C:\\Doviz\\";
    ASSERT_TRUE(SaveClocksFile({LocalDefaults, Paris, Tokyo}, folder, files));
    ASSERT_TRUE(files.files.count("C:\\Doviz\\RoVudez.clk"));
    ASSERT_TRUE(SaveClocksFile({LocalDefaults, Tokyo}, folder, files));
    auto read = ReadClocksFile(folder, files, Zones);
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read[1].Record, Tokyo);

    files.failWrites = true;
    EXPECT_FALSE(SaveClocksFile({LocalDefaults}, folder, files));
    EXPECT_EQ(ReadClocksFile(folder, files, Zones).size(), 2u);
    EXPECT_TRUE(ReadClocksFile("D:\\Elsewhere\\", files, Zones).empty());
}

// The old file is kept once, before the first save after a load that fell short, and only then.
TEST(FileBackup, KeepsTheOldFileOnceBeforeTheFirstSave)
{
    TMemoryFiles files;
    const std::string path = "C:\\Doviz\\RoVudez.clk", bak = path + ".bak";
    const TBytes old{1, 2, 3}, ours{9};
    auto write = [&] { return files.ReplaceWholeFile(path, ours); };
    files.files[path] = old;
    TFileBackup backup;

    backup.Loaded(false);
    ASSERT_TRUE(backup.Save(path, files, write));
    EXPECT_FALSE(files.files.count(bak));  // a whole load keeps nothing

    files.files[path] = old;
    backup.Loaded(true);
    files.failWrites = true;
    EXPECT_FALSE(backup.Save(path, files, write));  // no backup, no save: the old file stays
    EXPECT_EQ(files.files.at(path), old);
    files.failWrites = false;
    ASSERT_TRUE(backup.Save(path, files, write));
    EXPECT_EQ(files.files.at(bak), old);
    EXPECT_EQ(files.files.at(path), ours);
    files.files[path] = TBytes{7};
    ASSERT_TRUE(backup.Save(path, files, write));
    EXPECT_EQ(files.files.at(bak), old);  // our own file is never kept over it

    files.files.erase(path);
    files.files.erase(bak);
    backup.Loaded(true);  // no file at all: nothing to keep, and saving makes the file ours
    ASSERT_TRUE(backup.Save(path, files, write));
    files.files[path] = TBytes{5};
    ASSERT_TRUE(backup.Save(path, files, write));
    EXPECT_FALSE(files.files.count(bak));
}

}  // namespace
