// Nothing the user had is lost, whatever happens to the data files or the session: the rows that
// need the real file system, the real window and the real registry.

#include "ClockWindowFixture.h"

#include "alarms/AlarmFile.h"
#include "app/DataFolder.h"
#include "options/IniStore.h"
#include "options/frmOpt.h"

namespace {

TClockRecord Face(std::int32_t zone, const char* label)
{
    return {zone, false, label, "Arial", 11, 0, fsItalic, 0x00204060, 0x00E0E0E0};
}

class NothingLost : public ClockWindow {
protected:
    std::vector<std::string> told;

    void SetUp() override
    {
        ClockWindow::SetUp();
        Application.MessageBoxHook = [this](const std::string& text, const std::string&, UINT) {
            told.push_back(text);
            return IDOK;
        };
    }
    void TearDown() override
    {
        Application.MessageBoxHook = nullptr;
        FreeAlarms(Alarms);
        ClockWindow::TearDown();
    }
    std::string AlarmPath() const { return folder.File(AlarmFileName); }
    TBytes Bytes(const std::string& path)
    {
        TBytes bytes;
        files.ReadWholeFile(path, bytes);
        return bytes;
    }
    // One alarm called "Tea" on disk.
    void WriteAlarmFile()
    {
        TOvList<TAlarm> list;
        auto* tea = new TAlarm;
        tea->Name = "Tea";
        list.Add(tea);
        ASSERT_TRUE(SaveAlarms(list, folder.Path(), files));
        FreeAlarms(list);
    }
    // The file's bytes, whichever of the file and its backup holds them.
    bool KeptSomewhere(const std::string& path, const TBytes& bytes)
    {
        return Bytes(path) == bytes || Bytes(path + ".bak") == bytes;
    }
};

// A registry value of the wrong type stops the options' load with a message; the session ends
// while it is up.
TEST_F(NothingLost, ASessionEndDuringTheStartUpMessageWritesNothing)
{
    WriteClocksFile({Face(-1, "Here"), Face(1, "There")});
    WriteAlarmFile();
    const TBytes clocks = ClocksBytes(), alarms = Bytes(AlarmPath());
    TRegKey options = TRegKey::Create(root.Handle(), "SOFTWARE\\Doviz\\Clock\\Options", KEY_ALL_ACCESS);
    DWORD one = 1;
    RegSetValueExA(options.Handle(), "ZoneDST", 0, REG_DWORD, reinterpret_cast<BYTE*>(&one), sizeof one);
    Application.MessageBoxHook = [this](const std::string& text, const std::string&, UINT) {
        told.push_back(text);
        SendMessageA(ClockForm->Handle(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
        return IDOK;
    };
    TClockForm form(Config());
    EXPECT_EQ(told, std::vector<std::string>{"Invalid data type for 'ZoneDST'"});
    EXPECT_EQ(ClocksBytes(), clocks);
    EXPECT_EQ(Bytes(AlarmPath()), alarms);
    EXPECT_EQ(form.Clocks->Count(), 1);  // the load went on after the message
}

// The program's own rewrite of a file that stops at a zone past the catalogue stops at the same
// place: the next run's backup must not replace the first one.
TEST_F(NothingLost, AFileThatFailsTheSameWayOnTwoRunsKeepsItsFirstBackup)
{
    WriteClocksFile({Face(-1, "L"), Face(40, "Past the catalogue"), Face(1, "After it")});
    const TBytes whole = ClocksBytes();
    for (int run = 0; run < 2; ++run) {
        TClockForm form(Config());
        form.CloseItemClick();
    }
    EXPECT_EQ(Bytes(ClocksPath() + ".bak"), whole);
}

// Another process writes the file: nobody may open it to read only, but it may be renamed over.
TEST_F(NothingLost, AFileThatCannotBeReadIsNeverSavedOver)
{
    WriteClocksFile({Face(-1, "L"), Face(1, "Mine")});
    const TBytes mine = ClocksBytes();
    HANDLE held = CreateFileA(ClocksPath().c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    {
        TClockForm form(Config());
        form.AddItemClick();
        form.SaveClocks();
        CloseHandle(held);
        EXPECT_TRUE(KeptSomewhere(ClocksPath(), mine));
        // Once it can be read it is kept, and saved over.
        form.SaveClocks();
    }
    EXPECT_EQ(Bytes(ClocksPath() + ".bak"), mine);
    EXPECT_EQ(StoredClocks().size(), 2u);
}

// A reader that denies writing makes every save fail: the user hears of it once, by file name,
// in a note from the tray icon while the clock is hidden.
TEST_F(NothingLost, AFailedSaveIsToldOnceAndTriedAgainAtTheNextSave)
{
    std::vector<std::string> notes;
    TTrayIcon::NotifyHook = [&](DWORD message, const NOTIFYICONDATAA& data) {
        if (message == NIM_MODIFY && (data.uFlags & NIF_INFO)) notes.push_back(data.szInfo);
        return true;
    };
    for (bool hidden : {false, true}) {
        DeleteFileA(ClocksPath().c_str());
        TClockForm form(Config());
        form.ShowClock();
        if (hidden) form.HideItemClick();
        form.SaveClocks();
        HANDLE held =
            CreateFileA(ClocksPath().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(held, INVALID_HANDLE_VALUE);
        form.AddItemClick();
        form.AddItemClick();
        CloseHandle(held);
        form.AddItemClick();
        EXPECT_EQ(StoredClocks().size(), 4u) << hidden;
        form.CloseItemClick();
    }
    TTrayIcon::NotifyHook = nullptr;
    ASSERT_EQ(told.size(), 1u);
    EXPECT_NE(told[0].find(ClocksPath()), std::string::npos) << told[0];
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_EQ(notes[0], told[0].substr(0, notes[0].size()));  // the same words, as far as a note holds
}

TEST_F(NothingLost, OkInTheOptionsDialogWritesTheOptionsAtOnce)
{
    TClockForm form(Config());
    TModalHook hook([&](TForm& f) {
        auto& dialog = static_cast<TOptForm&>(f);
        dialog.DateCB.SetChecked(true);
        SendMessageA(dialog.OkBtn.Handle(), BM_CLICK, 0, 0);
    });
    form.OptionsItemClick();
    std::string stored;
    TRegKey key = TRegKey::Open(root.Handle(), "SOFTWARE\\Doviz\\Clock\\Options", KEY_READ);
    ASSERT_TRUE(key && key.ReadData("ShowDate", stored));
    EXPECT_EQ(stored.substr(0, 1), "1");
}

// The Run value belongs to one copy: this one's is removed at start when the option is off (a run
// that ended before saving "off" left it); another copy's is left alone while that program is
// there, until the user ticks the box here.
TEST_F(NothingLost, TheRunValueIsOwnedByTheCopyWhoseBoxWasLastTicked)
{
    const char runKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
    const std::string mine = "\"" + ProgramPath() + "\"", other = "\"" + folder.Make("DovizClock.exe") + "\"";
    auto run = [&] {
        std::string value = "<none>";
        TRegKey key = TRegKey::Open(root.Handle(), runKey, KEY_READ);
        if (key && key.ReadData("Doviz Clock", value)) value.erase(value.find_last_not_of('\0') + 1);
        return value;
    };
    auto store = [&](const std::string& command) {
        TRegKey::Create(root.Handle(), runKey, KEY_ALL_ACCESS).WriteString("Doviz Clock", command);
    };
    store(mine);
    { TClockForm form(Config()); }
    EXPECT_EQ(run(), "<none>");
    store(other);
    { TClockForm form(Config()); }
    EXPECT_EQ(run(), other);
    StoreOption("StartWithWindows", "1");
    {
        TClockForm form(Config());
        EXPECT_EQ(run(), other);
        form.Options->SetStartWithWindows(false);
        form.Options->SetStartWithWindows(true);
        EXPECT_EQ(run(), mine);
    }
}

// Files from a CD or an unpacker come read-only; the user's copies must not.
TEST_F(NothingLost, SeededFilesAreNotReadOnly)
{
    TScratchFolder program("Program"), user("AppData");
    TDataFolderPlaces places{program.Path(), user.Path(), [](const std::string&) { return TFolderLock(); }};
    ASSERT_TRUE(files.ReplaceWholeFile(program.File(ClocksFileName), {1, 0, 0, 0, 7}));
    SetFileAttributesA(program.File(ClocksFileName).c_str(), FILE_ATTRIBUTE_READONLY);
    const std::string chosen = ChooseDataFolder(places).Folder;
    SeedDataFolder(places, chosen);
    const DWORD attributes = GetFileAttributesA((chosen + ClocksFileName).c_str());
    EXPECT_NE(attributes, INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(attributes & FILE_ATTRIBUTE_READONLY, 0u);
    SetFileAttributesA(program.File(ClocksFileName).c_str(), FILE_ATTRIBUTE_NORMAL);
    SetFileAttributesA((chosen + ClocksFileName).c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA((chosen + ClocksFileName).c_str());
    RemoveDirectoryA(chosen.c_str());
}

// The INI file is written like the data files: a stale or held temporary file is no obstacle.
TEST_F(NothingLost, TheIniFileIsWrittenThroughAFreshTemporaryFile)
{
    const std::string ini = folder.File("Clock.ini");
    HANDLE stale = CreateFileA((ini + ".tmp").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(stale, INVALID_HANDLE_VALUE);
    EXPECT_NO_THROW(OpenOvIniBackEnd(nullptr, ini, "Options", true)->WriteString("ShowDate", "1"));
    CloseHandle(stale);
    EXPECT_EQ(OpenOvIniBackEnd(nullptr, ini, "Options", false)->ReadString("ShowDate", "none"), "1");
}

}  // namespace
