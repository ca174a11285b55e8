#include "OptionsWinTestSupport.h"
#include "options/OptionsStore.h"
#include "options/Opts.h"
#include "base/WinFileAccess.h"
#include "options/OvIniFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string ReadFileText(const std::string& fileName)
{
    std::string text;
    HANDLE file = CreateFileA(fileName.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return text;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) text.append(buffer, read);
    CloseHandle(file);
    return text;
}

// Options that differ from every default, saved and loaded back through the same back end.
void ExpectRoundTrip(TOvStorageType storage, const std::string& fileName, TOvIniFile* file = nullptr)
{
    {
        TClockOptions options(WinOptionsBackEnds());
        options.StorageType = storage;
        options.IniName = fileName;
        options.Storage = file;
        options.Name = "clock name";
        options.Tag = -42;
        options.SetVertLayout(true);
        options.SetShowCaption(false);
        options.SetShowTrayIcon(TOvBool::FromByte(2));
        options.SetDblClickAction(dcaCalendar);
        options.AutoSaveData = false;
        options.SetAutoSave(true);
        options.Close();
    }
    TClockOptions loaded(WinOptionsBackEnds());
    loaded.StorageType = storage;
    loaded.IniName = fileName;
    loaded.Storage = file;
    loaded.Load();
    EXPECT_EQ(loaded.Name, "clock name");
    EXPECT_EQ(loaded.Tag, -42);
    EXPECT_TRUE(loaded.VertLayout());
    EXPECT_FALSE(loaded.ShowCaption());
    EXPECT_TRUE(loaded.ShowTrayIcon());
    EXPECT_EQ(loaded.DblClickAction(), dcaCalendar);
    EXPECT_FALSE(loaded.AutoSaveData);
    EXPECT_TRUE(loaded.AutoSave());
    EXPECT_EQ(loaded.StorageType, storage);
}

TEST(OptionsIni, ProfileStringsRoundTrip)
{
    TScratchFolder folder;
    const std::string fileName = folder.File("clock.ini");
    ExpectRoundTrip(eosIni, fileName);
    char text[64];
    GetPrivateProfileStringA("Options", "ShowTrayIcon", "", text, sizeof text, fileName.c_str());
    EXPECT_STREQ(text, "2");
    GetPrivateProfileStringA("Options", "IniName", "", text, sizeof text, fileName.c_str());
    EXPECT_EQ(text, fileName);
}

TEST(OptionsIni, ProfileStringReadsAtMost1023Characters)
{
    TScratchFolder folder;
    const std::string fileName = folder.File("long.ini");
    ASSERT_TRUE(WritePrivateProfileStringA("Options", "Name", std::string(1500, 'n').c_str(), fileName.c_str()));
    TClockOptions options(WinOptionsBackEnds());
    options.StorageType = eosIni;
    options.IniName = fileName;
    options.Load();
    EXPECT_EQ(options.Name, std::string(1023, 'n'));
}

TEST(OptionsIni, StructuredFileRoundTrip)
{
    TScratchFolder folder;
    const std::string fileName = folder.File("clock.ovi");
    ExpectRoundTrip(eosOvIni, fileName);
    std::string text = ReadFileText(fileName);
    EXPECT_EQ(text.find("[\\Options]\r\n"), 0u) << text;
    EXPECT_NE(text.find("\r\nShowTrayIcon=2\r\n"), std::string::npos) << text;

    // A file object of the caller's own is used as it is, and sees the values at once.
    TWinFileAccess files;
    TOvIniFile shared(folder.File("shared.ovi"), files);
    ExpectRoundTrip(eosOvIni, "ignored.ovi", &shared);
    EXPECT_EQ(shared.ReadString("\\Options", "Name", ""), "clock name");
    EXPECT_EQ(shared.ReadInteger("\\Options", "Tag", 0), -42);
    EXPECT_NE(ReadFileText(folder.File("shared.ovi")).find("Tag=-42"), std::string::npos);
}

TEST(OptionsIni, UnwritableFileNamesItself)
{
    TScratchFolder folder;
    const std::string missingFolder = folder.File("missing\\clock.ini");
    for (TOvStorageType storage : {eosIni, eosOvIni}) {
        TClockOptions options(WinOptionsBackEnds());
        options.StorageType = storage;
        options.IniName = missingFolder;
        try {
            options.Save();
            FAIL() << "the save went through, storage " << int(storage);
        } catch (const EOvOptionsError& e) {
            EXPECT_EQ(e.what(), "Unable to write to " + missingFolder);
        }
    }
}

// The file held by another program can't be replaced: the write fails naming it, the old file
// stays as it was and no temporary file is left beside it.
TEST(OptionsIni, FailedWriteKeepsTheOldFileAndLeavesNoTemporaryFile)
{
    TScratchFolder folder;
    const std::string fileName = folder.File("clock.ovi");
    TWinFileAccess files;
    TOvIniFile ini(fileName, files);
    ini.WriteString("\\Options", "Name", "old");
    const std::string old = ReadFileText(fileName);
    ASSERT_NE(old.find("Name=old"), std::string::npos);

    HANDLE held = CreateFileA(fileName.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    try {
        ini.WriteString("\\Options", "Name", "new");
        ADD_FAILURE() << "the write went through";
    } catch (const EOvOptionsError& e) {
        EXPECT_EQ(e.what(), "Unable to write to " + fileName);
    }
    CloseHandle(held);
    EXPECT_EQ(ReadFileText(fileName), old);
    EXPECT_EQ(folder.Files(), std::vector<std::string>{"clock.ovi"});
}

}  // namespace
