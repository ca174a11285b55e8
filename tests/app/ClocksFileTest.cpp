// The clocks file as the window reads it at start and writes it on change.

#include "ClockWindowFixture.h"

namespace {

using ClocksFile = ClockWindow;

TClockRecord Face(std::int32_t zone, const char* label, bool amPm = false)
{
    return {zone, amPm, label, "Arial", 11, 0, fsItalic, 0x00204060, 0x00E0E0E0};
}

TEST_F(ClocksFile, FirstStartWritesTheDefaultLocalClockAndEveryChangeRewritesIt)
{
    {
        TClockForm form(Config());
        EXPECT_FALSE(ClocksFileThere());  // loading writes nothing
        form.CloseItemClick();
    }
    const TBytes expected = {1,   0,   0,   0,   0xFF, 0xFF, 0xFF, 0xFF, 0,   10,  0,   0,   0,   'L', 'o',
                             'c', 'a', 'l', ' ', 't',  'i',  'm',  'e',  13,  0,   0,   0,   'M', 'S', ' ',
                             'S', 'a', 'n', 's', ' ',  'S',  'e',  'r',  'i', 'f', 9,   0,   0,   0,   1,
                             0,   0,   0,   1,   0x00, 0x00, 0xFF, 0x00, 0xFF, 0xFF, 0x00, 0x00};
    EXPECT_EQ(ClocksBytes(), expected);

    TClockForm form(Config());
    form.AddItemClick();
    form.AddItemClick();
    EXPECT_EQ(StoredClocks().size(), 3u);  // in the file at once
    form.CurrentClock = form.Clocks->Items(1);
    form.FormatItemClick();  // marks the clock that stays
    form.CurrentClock = form.Clocks->Items(0);
    form.RemoveItemClick();
    auto stored = StoredClocks();
    ASSERT_EQ(stored.size(), 2u);
    EXPECT_FALSE(stored[0].AmPm);
    EXPECT_TRUE(stored[1].AmPm);
    EXPECT_EQ(ClocksBytes().size(), 2 * expected.size() - 4);  // no stale bytes after the records
}

TEST_F(ClocksFile, StoredFacesComeBackWithEveryFieldAndAreWrittenBackByteForByte)
{
    StoreOption("ShowTZSecs", "1");
    StoreOption("ShowSecs", "0");
    std::vector<TClockRecord> records = {
        {-1, true, "Here", "Times New Roman", 10, 0, fsBold | fsStrikeOut, 0x00000080, 0x00FFFFFF},
        Face(0, "First"),
        Face(4, "", true),  // a label of no bytes
    };
    records[1].ZoneKey = ZoneKeyAt(0);
    records[2].ZoneKey = ZoneKeyAt(4);
    WriteClocksFile(records);
    const TBytes written = ClocksBytes();
    TClockForm form(Config());
    ASSERT_EQ(form.Clocks->Count(), 2);
    const TMyRoVudez& local = *form.LocalClock;
    EXPECT_EQ(local.Hint(), "Here");
    EXPECT_TRUE(local.AM_PM);
    EXPECT_TRUE(local.LocalTime);
    EXPECT_FALSE(local.ShowSeconds);  // from the options
    EXPECT_EQ(local.Font().Name(), "Times New Roman");
    EXPECT_EQ(local.Font().Size(), 10);
    EXPECT_EQ(local.Font().Style(), fsBold | fsStrikeOut);
    EXPECT_EQ(local.Color(), 0x00000080u);
    EXPECT_EQ(local.Font().Color(), 0x00FFFFFFu);
    const TMyRoVudez& last = *form.Clocks->Items(1);
    EXPECT_EQ(last.Tag, 4);
    EXPECT_FALSE(last.LocalTime);
    EXPECT_TRUE(last.TimeZone.SameBytes(form.TimeZones.Items(4)->TZI));
    EXPECT_EQ(last.Hint(), "");
    EXPECT_TRUE(last.ShowSeconds);
    EXPECT_FALSE(last.UseTimer());
    // Three faces in a row, grown alike to hold an 11-point 12-hour time with seconds.
    RECT face;
    GetClientRect(last.Handle(), &face);
    EXPECT_GT(face.right, 75);
    EXPECT_EQ(form.ClientSize().cx, 3 * face.right);
    EXPECT_TRUE(form.Options->AutoSaveData);  // back on after the load

    form.SaveClocks();
    EXPECT_EQ(ClocksBytes(), written);
    EXPECT_EQ(GetFileAttributesA((ClocksPath() + ".bak").c_str()), INVALID_FILE_ATTRIBUTES);  // read in full
}

TEST_F(ClocksFile, LoadingWithAutoSaveOnDoesNotRewriteTheFile)
{
    // Bytes after the records would be gone if the load wrote the file.
    WriteClocksFile({Face(-1, "L"), Face(1, "A"), Face(2, "B")}, {0xDE, 0xAD});
    const TBytes before = ClocksBytes();
    TClockForm form(Config());
    EXPECT_EQ(form.Clocks->Count(), 2);
    EXPECT_EQ(ClocksBytes(), before);
}

TEST_F(ClocksFile, CountOneRestoresOnlyTheLocalClock)
{
    StoreOption("ShowSecs", "1");
    WriteClocksFile({Face(-1, "Mine", true)}, TBytes(40, 0x01));
    TClockForm form(Config());
    EXPECT_EQ(form.Clocks->Count(), 0);
    EXPECT_EQ(form.LocalClock->Hint(), "Mine");
    EXPECT_TRUE(form.LocalClock->AM_PM);
    EXPECT_TRUE(form.LocalClock->ShowSeconds);
    EXPECT_EQ(form.LocalClock->Font().Name(), "Arial");
    RECT face;
    GetClientRect(form.LocalClock->Handle(), &face);
    EXPECT_EQ(form.ClientSize().cx, face.right);
}

TEST_F(ClocksFile, ZoneIndexPastTheCatalogueStopsTheLoadAtThatFace)
{
    for (int bad : {5, -7}) {
        WriteClocksFile({Face(-1, "L"), Face(bad, "Lost"), Face(1, "Never read")});
        TClockForm form(Config());
        ASSERT_EQ(form.Clocks->Count(), 1) << bad;
        const TMyRoVudez& face = *form.Clocks->Items(0);
        EXPECT_EQ(face.Tag, bad);
        EXPECT_FALSE(face.LocalTime);
        EXPECT_TRUE(face.TimeZone.SameBytes(TTimeZoneBlock{}));  // shows UTC
        EXPECT_EQ(face.Hint(), "Local time");
        EXPECT_EQ(face.Font().Name(), "MS Sans Serif");  // a new face's defaults
        form.SaveClocks();
        auto stored = StoredReads();
        ASSERT_EQ(stored.size(), 2u);
        EXPECT_EQ(stored[1].Record.ZoneIndex, bad);  // written again as it was
    }
    // On the first record the local clock itself takes it.
    WriteClocksFile({Face(99, "L")});
    TClockForm form(Config());
    EXPECT_EQ(form.LocalClock->Tag, 99);
    EXPECT_FALSE(form.LocalClock->LocalTime);
    EXPECT_EQ(form.LocalClock->Hint(), "Local time");
}

TEST_F(ClocksFile, FacesFindTheirZonesByNameAndAreSavedWithTheirNewIndexes)
{
    TClockRecord plain = Face(0, "Moved"), gone = Face(1, "Gone"), old = Face(2, "Old file");
    plain.ZoneKey = "Plain";  // at 0 in the list it was saved with
    gone.ZoneKey = "Atlantis";
    WriteClocksFile({Face(-1, "L"), plain, gone});
    {
        TClockForm form(Config());
        ASSERT_EQ(form.Clocks->Count(), 2);
        const TMyRoVudez& moved = *form.Clocks->Items(0);
        const int at = ZoneIndex(form, "Plain");
        EXPECT_EQ(moved.Tag, at);
        EXPECT_TRUE(moved.TimeZone.SameBytes(form.TimeZones.Items(at)->TZI));
        // A zone that is gone: the face shows the zone at its index and keeps the name.
        const TMyRoVudez& lost = *form.Clocks->Items(1);
        EXPECT_EQ(lost.Tag, 1);
        EXPECT_TRUE(lost.TimeZone.SameBytes(form.TimeZones.Items(1)->TZI));
        form.SaveClocks();
        auto stored = StoredClocks();
        ASSERT_EQ(stored.size(), 3u);
        EXPECT_EQ(stored[1].ZoneIndex, at);
        EXPECT_EQ(stored[1].ZoneKey, "Plain");
        EXPECT_EQ(stored[2].ZoneIndex, 1);
        EXPECT_EQ(stored[2].ZoneKey, "Atlantis");
    }
    // A file without names: the faces take the names of the zones at their indexes.
    WriteClocksFile({Face(-1, "L"), old});
    TBytes bytes = ClocksBytes();
    bytes.resize(bytes.size() - 20);  // without its trailer: tag, count, two empty names, sum
    WriteClocksBytes(bytes);
    TClockForm form(Config());
    EXPECT_EQ(form.Clocks->Items(0)->ZoneKey, form.TimeZones.Items(2)->KeyName);
    form.SaveClocks();
    EXPECT_EQ(StoredClocks().at(1).ZoneKey, form.TimeZones.Items(2)->KeyName);
}

TEST_F(ClocksFile, FileCutInsideARecordKeepsItsFaceWithWhatWasRead)
{
    WriteClocksFile({Face(-1, "L"), Face(1, "Cut")});
    TBytes bytes = ClocksBytes();
    bytes.resize(bytes.size() - 20 - 12);  // no trailer (20 bytes), and inside the second face's character set
    WriteClocksBytes(bytes);
    TClockForm form(Config());
    ASSERT_EQ(form.Clocks->Count(), 1);
    const TMyRoVudez& face = *form.Clocks->Items(0);
    EXPECT_EQ(face.Hint(), "Cut");
    EXPECT_EQ(face.Tag, 1);
    EXPECT_EQ(face.Font().Name(), "Arial");
    EXPECT_EQ(face.Font().Size(), 11);
    EXPECT_EQ(face.Font().Style(), fsBold);  // not read: a new face's
    EXPECT_EQ(face.Color(), 0x00FF0000u);
    EXPECT_TRUE(form.Options->AutoSaveData);

    // The first save keeps the old file beside the new one, byte for byte; later saves keep it.
    TBytes kept;
    EXPECT_FALSE(files.ReadWholeFile(ClocksPath() + ".bak", kept));
    form.AddItemClick();
    form.SaveClocks();
    ASSERT_TRUE(files.ReadWholeFile(ClocksPath() + ".bak", kept));
    EXPECT_EQ(kept, bytes);
    EXPECT_EQ(StoredClocks().size(), 3u);
}

}  // namespace
