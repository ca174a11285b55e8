// Where the data lives: the program's folder while it can be written, else the user's own,
// seeded once; and a file read short is kept before it is overwritten.

#include "ClockWindowFixture.h"

#include "alarms/AlarmFile.h"
#include "app/DataFolder.h"

namespace {

using DataFolder = ClockWindow;

TEST_F(DataFolder, AFolderThatRefusesWritesSendsTheDataToTheUsersFolderWithTheFilesCopied)
{
    TScratchFolder program("Program"), user("AppData");
    TDataFolderPlaces places{program.Path(), user.Path(), [](const std::string&) { return TFolderLock(); }};
    const TBytes clocks{1, 0, 0, 0, 7}, alarms{0, 0, 0, 0};
    ASSERT_TRUE(files.ReplaceWholeFile(program.File(ClocksFileName), clocks));
    ASSERT_TRUE(files.ReplaceWholeFile(program.File(AlarmFileName), alarms));

    const std::string chosen = ChooseDataFolder(places).Folder;
    ASSERT_EQ(chosen, user.Path() + "Doviz Clock\\");
    SeedDataFolder(places, chosen);
    TBytes read;
    ASSERT_TRUE(files.ReadWholeFile(chosen + ClocksFileName, read));
    EXPECT_EQ(read, clocks);
    ASSERT_TRUE(files.ReadWholeFile(chosen + AlarmFileName, read));
    EXPECT_EQ(read, alarms);

    // Only the first time: the user's own files are never replaced by the program's.
    ASSERT_TRUE(files.ReplaceWholeFile(chosen + ClocksFileName, {2, 0, 0, 0}));
    EXPECT_EQ(ChooseDataFolder(places).Folder, chosen);
    SeedDataFolder(places, chosen);
    ASSERT_TRUE(files.ReadWholeFile(chosen + ClocksFileName, read));
    EXPECT_EQ(read, (TBytes{2, 0, 0, 0}));
    for (const char* name : {ClocksFileName, AlarmFileName}) DeleteFileA((chosen + name).c_str());
    RemoveDirectoryA(chosen.c_str());

    // A folder that takes the lock stays the data folder; a second lock on it is refused as busy,
    // and the lock leaves nothing behind.
    places.Lock = SystemDataFolderPlaces().Lock;
    {
        TDataFolder first = ChooseDataFolder(places);
        EXPECT_EQ(first.Folder, program.Path());
        EXPECT_EQ(first.Lock.State(), TFolderLockState::Held);
        TDataFolder second = ChooseDataFolder(places);
        EXPECT_EQ(second.Folder, program.Path());
        EXPECT_EQ(second.Lock.State(), TFolderLockState::Busy);
    }
    EXPECT_EQ(program.Files().size(), 2u);  // the two data files, no lock file and no probe
    EXPECT_EQ(SystemDataFolderPlaces().ProgramFolder, ProgramFolder());
}

TEST_F(DataFolder, AnAlarmFileReadShortIsKeptBeforeTheFirstSave)
{
    TBytes whole{1, 0, 0, 0};  // one alarm announced, none there
    ASSERT_TRUE(files.ReplaceWholeFile(folder.File(AlarmFileName), whole));
    TClockForm form(Config());
    form.SaveAlarms();
    TBytes kept, now;
    ASSERT_TRUE(files.ReadWholeFile(folder.File(AlarmFileName) + ".bak", kept));
    EXPECT_EQ(kept, whole);
    ASSERT_TRUE(files.ReadWholeFile(folder.File(AlarmFileName), now));
    EXPECT_EQ(now, (TBytes{0, 0, 0, 0}));
    FreeAlarms(Alarms);
}

}  // namespace
