#include "base/WinFileAccess.h"

#include "alarms/AlarmFile.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "../support/ScratchFolder.h"

#include <string>
#include <vector>

namespace {

class WinFileAccess : public ::testing::Test {
protected:
    TScratchFolder folder{"Alarms"};
    TWinFileAccess files;
    std::string Path() const { return AlarmFilePath(folder.Path()); }
};

TEST_F(WinFileAccess, MissingFileReadsNothing)
{
    TBytes contents{1, 2};
    EXPECT_FALSE(files.ReadWholeFile(Path(), contents));
    EXPECT_TRUE(contents.empty());
}

TEST_F(WinFileAccess, ReplaceLeavesExactlyTheNewBytesAndNoTemporaryFile)
{
    TBytes big(200000, 0xAB), small{0, 0, 0, 0};
    ASSERT_TRUE(files.ReplaceWholeFile(Path(), big));
    ASSERT_TRUE(files.ReplaceWholeFile(Path(), small));
    TBytes read;
    ASSERT_TRUE(files.ReadWholeFile(Path(), read));
    EXPECT_EQ(read, small);
    EXPECT_EQ(folder.Files(), std::vector<std::string>{AlarmFileName});
}

// A reader that lets others read but not write: our replace must then fail and leave it whole.
TEST_F(WinFileAccess, FileHeldOpenKeepsItsOldContents)
{
    const TBytes old{0, 0, 0, 0};
    ASSERT_TRUE(files.ReplaceWholeFile(Path(), old));
    HANDLE held = CreateFileA(Path().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(files.ReplaceWholeFile(Path(), TBytes(100, 1)));
    TBytes read;
    EXPECT_TRUE(files.ReadWholeFile(Path(), read));  // reading alongside another reader is allowed
    CloseHandle(held);
    EXPECT_EQ(read, old);
    EXPECT_EQ(folder.Files(), std::vector<std::string>{AlarmFileName});
}

TEST_F(WinFileAccess, FileOpenForWritingCannotBeRead)
{
    ASSERT_TRUE(files.ReplaceWholeFile(Path(), TBytes{0, 0, 0, 0}));
    HANDLE writer = CreateFileA(Path().c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    TBytes read;
    EXPECT_FALSE(files.ReadWholeFile(Path(), read));
    CloseHandle(writer);
}

// Windows refuses to move a file over a read-only one; Wine, run as root, does not.
class TWindowsLikeFiles : public TWinFileAccess {
protected:
    bool MoveOver(const std::string& temp, const std::string& path) override
    {
        const DWORD attributes = GetFileAttributesA(path.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
            SetLastError(ERROR_ACCESS_DENIED);
            return false;
        }
        return TWinFileAccess::MoveOver(temp, path);
    }
};

TEST_F(WinFileAccess, AReadOnlyFileIsReplacedByAPlainOne)
{
    TWindowsLikeFiles windows;
    ASSERT_TRUE(windows.ReplaceWholeFile(Path(), TBytes{1}));
    ASSERT_TRUE(SetFileAttributesA(Path().c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_TRUE(windows.ReplaceWholeFile(Path(), TBytes{2})) << windows.LastReason();
    TBytes read;
    ASSERT_TRUE(windows.ReadWholeFile(Path(), read));
    EXPECT_EQ(read, TBytes{2});
    EXPECT_EQ(GetFileAttributesA(Path().c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
}

// Each failure says why, so that the store can tell a missing file from one it must not touch.
TEST_F(WinFileAccess, FailuresSayWhy)
{
    TBytes read;
    EXPECT_FALSE(files.ReadWholeFile(Path(), read));
    EXPECT_EQ(files.LastFault(), TFileFault::Missing);
    ASSERT_TRUE(files.ReplaceWholeFile(Path(), TBytes{1}));
    EXPECT_EQ(files.LastFault(), TFileFault::None);
    HANDLE writer = CreateFileA(Path().c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(files.ReadWholeFile(Path(), read));
    EXPECT_EQ(files.LastFault(), TFileFault::Locked);
    EXPECT_FALSE(files.LastReason().empty());
    CloseHandle(writer);
    EXPECT_FALSE(files.ReplaceWholeFile(folder.File("no such folder\\x"), TBytes{1}));
    EXPECT_FALSE(files.LastReason().empty());
}

// A program killed between its temporary file and the replace left one behind: the next save
// takes a name of its own.
TEST_F(WinFileAccess, ATemporaryFileLeftBehindIsNoObstacle)
{
    ASSERT_TRUE(files.ReplaceWholeFile(Path(), TBytes{1}));
    char temp[MAX_PATH];
    ASSERT_NE(GetTempFileNameA(folder.Path().c_str(), "dvz", 0, temp), 0u);
    HANDLE held = CreateFileA(temp, GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(files.ReplaceWholeFile(Path(), TBytes{2}));
    CloseHandle(held);
    TBytes read;
    ASSERT_TRUE(files.ReadWholeFile(Path(), read));
    EXPECT_EQ(read, TBytes{2});
}

TEST_F(WinFileAccess, AlarmsSurviveASaveAndALoad)
{
    TOvList<TAlarm> saved, loaded;
    for (const char* name : {"one", "two", "three"}) {
        auto* a = new TAlarm;
        a->Name = name;
        a->Kind = akCron;
        a->CronMask = "0 12 * * *";
        saved.Add(a);
    }
    ASSERT_TRUE(SaveAlarms(saved, folder.Path(), files));
    bool autoSave = true;
    LoadAlarms(loaded, folder.Path(), files, autoSave);
    ASSERT_EQ(loaded.Count(), 3);
    EXPECT_EQ(loaded.Items(2)->Name, "three");
    EXPECT_EQ(loaded.Items(2)->CronMask, "0 12 * * *");
    FreeAlarms(saved);
    FreeAlarms(loaded);
}

}  // namespace
