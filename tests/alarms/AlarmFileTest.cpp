#include "alarms/AlarmFile.h"

#include "AlarmBytes.h"
#include "options/OvOpts.h"

#include <gtest/gtest.h>

#include <limits>
#include <map>
#include <new>

namespace {

const std::string Folder = "C:\\Doviz\\";
const std::string Path = "C:\\Doviz\\RoVudez.alm";

class TMemoryFiles : public TFileAccess {
public:
    bool ReadWholeFile(const std::string& path, TBytes& contents) override
    {
        readPaths.push_back(path);
        if (autoSave) autoSaveSeen = autoSave->Byte();
        if (throwOnRead) throw std::bad_alloc();
        auto it = files.find(path);
        if (it == files.end()) return false;
        contents = it->second;
        return !failAfterRead;
    }
    bool ReplaceWholeFile(const std::string& path, const TBytes& contents) override
    {
        files[path] = contents;
        return true;
    }

    std::map<std::string, TBytes> files;
    std::vector<std::string> readPaths;
    bool failAfterRead = false, throwOnRead = false;
    const TOvBool* autoSave = nullptr;
    std::uint8_t autoSaveSeen = 1;
};

class AlarmFile : public ::testing::Test {
protected:
    ~AlarmFile() override { FreeAlarms(list); }

    // True when the file was read in full.
    bool Load()
    {
        bool on = true;
        return LoadAlarms(list, Folder, files, on);
    }

    TMemoryFiles files;
    TOvList<TAlarm> list;
};

TBytes Records(std::int32_t count, int whole)
{
    TAlarmBytes b;
    b.I32(count);
    for (int i = 0; i < whole; ++i) b.V3Record();
    return b.Bytes();
}

TEST_F(AlarmFile, CountsThatReadNothing)
{
    for (std::int32_t count : {0, -1, std::numeric_limits<std::int32_t>::min()}) {
        files.files[Path] = Records(count, 2);
        Load();
        EXPECT_EQ(list.Count(), 0) << count;
    }
    files.files[Path] = {1, 0};  // not even a count
    Load();
    EXPECT_EQ(list.Count(), 0);
}

TEST_F(AlarmFile, SavingAnEmptyListWritesAZeroCount)
{
    ASSERT_TRUE(SaveAlarms(list, Folder, files));
    EXPECT_EQ(files.files.at(Path), (TBytes{0, 0, 0, 0}));
}

TEST_F(AlarmFile, SavingThreeOverFiveLeavesExactlyThree)
{
    files.files[Path] = Records(5, 5);
    Load();
    ASSERT_EQ(list.Count(), 5);
    DeleteAlarm(list, 4);
    DeleteAlarm(list, 0);
    list.Items(1)->Name = "Cup";
    ASSERT_TRUE(SaveAlarms(list, Folder, files));
    constexpr std::size_t Trailer = 4 + 4 + 3 * 45 + 4;
    EXPECT_EQ(files.files.at(Path).size(), Records(3, 3).size() + Trailer);  // no stale tail

    FreeAlarms(list);
    Load();
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.Items(1)->Name, "Cup");
}

// The trailer keeps what the scheduler judged; a file without it, or with one that does not
// vouch for its records, loads as files always did.
TEST_F(AlarmFile, TrailerKeepsWhatWasJudgedOrIsIgnored)
{
    for (int i = 0; i < 2; ++i) list.Add(new TAlarm);
    TAlarm& a = *list.Items(0);
    const TJudged judged{TJudged::jsKnown, 1'800'000'000, 1'800'003'600};
    a.Judged = judged;
    a.LastRung = -5;
    a.RemindAt = 1'800'000'060;
    a.LastSignalled = {2027, 1, 15, 6, 8, 0};
    const TJudged lastTick{TJudged::jsKnown, 1'800'000'001, 1'800'003'601};
    ASSERT_TRUE(SaveAlarms(list, Folder, files, lastTick));
    const TBytes saved = files.files.at(Path);

    const struct {
        const char* why;
        std::size_t cut;         // bytes cut from the end
        std::size_t flip;        // a byte from the end inverted (0: none)
        bool kept;
    } cases[] = {{"as saved", 0, 0, true},        {"CRC off", 0, 1, false},  {"a state byte off", 0, 50, false},
                 {"count off", 0, 2 * 45 + 8, false}, {"trailer cut", 3, 0, false}, {"no trailer", 4 + 4 + 2 * 45 + 4, 0, false}};
    for (const auto& c : cases) {
        FreeAlarms(list);
        TBytes bytes(saved.begin(), saved.end() - static_cast<std::ptrdiff_t>(c.cut));
        if (c.flip) bytes[bytes.size() - c.flip] ^= 0xFF;
        files.files[Path] = bytes;
        Load();
        ASSERT_EQ(list.Count(), 2) << c.why;
        const TAlarm& r = *list.Items(0);
        const TAlarm& fresh = *list.Items(1);
        if (c.kept) {
            EXPECT_EQ(r.Judged, judged);
            EXPECT_EQ(r.LastRung, -5);
            EXPECT_EQ(r.RemindAt, 1'800'000'060);
            EXPECT_EQ(r.LastSignalled, (TAlarmStamp{2027, 1, 15, 6, 8, 0}));
            EXPECT_EQ(fresh.Judged, lastTick);  // a new alarm is judged from the last tick
        } else {
            EXPECT_EQ(r.Judged.State, TJudged::jsLegacy) << c.why;
            EXPECT_EQ(fresh.Judged.State, TJudged::jsLegacy) << c.why;
            EXPECT_EQ(r.RemindAt, NoMoment) << c.why;
        }
    }
}

TEST_F(AlarmFile, LoadAppendsToTheList)
{
    list.Add(new TAlarm);
    files.files[Path] = Records(2, 2);
    Load();
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(files.readPaths, std::vector<std::string>{Path});
}

TEST_F(AlarmFile, CountBeyondTheRecordsLoadsTheWholeOnes)
{
    TBytes bytes = Records(10, 5);
    bytes.resize(bytes.size() - 9);
    files.files[Path] = bytes;
    Load();
    EXPECT_EQ(list.Count(), 4);
}

// A version-3 file cut anywhere keeps exactly its whole records; a version-1 file also keeps the
// record whose last string the cut falls into.
TEST_F(AlarmFile, TruncatedAtEveryOffset)
{
    const TBytes v3 = Records(3, 3);
    const std::size_t record = TAlarmBytes().V3Record().Size();
    for (std::size_t cut = 0; cut <= v3.size(); ++cut) {
        files.files[Path] = TBytes(v3.begin(), v3.begin() + cut);
        ASSERT_EQ(Load(), cut == v3.size()) << cut;
        int whole = cut < 4 ? 0 : static_cast<int>((cut - 4) / record);
        ASSERT_EQ(list.Count(), whole) << cut;
        FreeAlarms(list);
    }

    TAlarmBytes v1;
    v1.I32(2).Head(1).V1Fields(1, "folder").Head(1).V1Fields(1, "folder");
    const std::size_t v1Record = (v1.Size() - 4) / 2;
    // After RunOn only the command line and the folder follow, both strings.
    const std::size_t fixedEnd = v1Record - (4 + 11) - (4 + 6);
    const std::size_t folderAt = v1Record - (4 + 6);
    for (std::size_t cut = 0; cut <= v1.Size(); ++cut) {
        files.files[Path] = TBytes(v1.Bytes().begin(), v1.Bytes().begin() + cut);
        ASSERT_EQ(Load(), cut == v1.Size()) << cut;
        int expected = 0;
        for (int r = 0; r < 2; ++r) {
            std::size_t start = 4 + r * v1Record;
            if (cut >= start + fixedEnd) ++expected;
        }
        ASSERT_EQ(list.Count(), expected) << cut;
        for (int r = 0; r < list.Count(); ++r) {
            std::size_t start = 4 + r * v1Record;
            EXPECT_EQ(list.Items(r)->StartFolder, cut >= start + v1Record ? "folder" : "") << cut;
            EXPECT_EQ(list.Items(r)->CommandLine, cut >= start + folderAt ? "notepad.exe" : "") << cut;
            EXPECT_EQ(list.Items(r)->Kind, akCron) << cut;
        }
        FreeAlarms(list);
    }
}

// The options keep the flag as a byte, which comes back as it was, not merely as true.
TEST_F(AlarmFile, AutoSaveIsOffDuringTheLoadAndRestoredAfter)
{
    struct Case {
        std::uint8_t before;
        bool missing, throws, partial;
    } cases[] = {
        {1, false, false, false}, {0, false, false, false}, {2, false, false, false},
        {1, true, false, false},  {1, false, true, false},  {1, false, false, true},
    };
    for (const auto& c : cases) {
        files.files.clear();
        if (!c.missing) files.files[Path] = Records(2, 2);
        files.throwOnRead = c.throws;
        files.failAfterRead = c.partial;
        TOvBool autoSave = TOvBool::FromByte(c.before);
        files.autoSave = &autoSave;
        files.autoSaveSeen = 1;
        const bool whole = LoadAlarms(list, Folder, files, autoSave);
        EXPECT_EQ(whole, !c.missing && !c.throws && !c.partial);
        EXPECT_EQ(files.autoSaveSeen, 0);
        EXPECT_EQ(autoSave.Byte(), c.before);
        EXPECT_EQ(list.Count(), c.missing || c.throws ? 0 : 2);
        FreeAlarms(list);
    }
}

}  // namespace
