// A library planted beside the program under a system library's name never runs inside it: not
// when an alarm sounds, not when a command opens a common dialog. People run the clock from their
// Downloads folder, beside whatever a browser saved there.

#include <windows.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <string>

#include "E2eSupport.h"

namespace {

// The program copied into a folder of its own with the library planted beside it.
struct TPlanted {
    TScratchFolder Folder{"planted "};
    std::string Exe = Folder.File("DovizClock.exe");
    std::string Mark;
    explicit TPlanted(const std::string& library)
    {
        const std::string dll = library + ".dll";
        EXPECT_TRUE(CopyFileA(Beside("DovizClock.exe").c_str(), Exe.c_str(), FALSE));
        EXPECT_TRUE(CopyFileA(Beside(("tests\\planted\\" + dll).c_str()).c_str(), Folder.File(dll).c_str(), FALSE));
        Mark = Folder.File(dll) + ".ran";
    }
    bool Ran() const { return GetFileAttributesA(Mark.c_str()) != INVALID_FILE_ATTRIBUTES; }
};

// Wine's loader told to take the library found beside the program before its own, while this
// lives: what Windows' search order does for a library that is not one of its known ones. Set
// for the program by name, as the started program does not take it from our environment.
class TNativeFirst {
public:
    explicit TNativeFirst(const std::string& library)
    {
        HKEY key;
        if (RegCreateKeyExA(HKEY_CURRENT_USER, Key, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS)
            return;
        const char order[] = "native,builtin";
        RegSetValueExA(key, library.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(order), sizeof order);
        RegCloseKey(key);
    }
    ~TNativeFirst() { RegDeleteTreeA(HKEY_CURRENT_USER, Key); }

private:
    static constexpr char Key[] = "Software\\Wine\\AppDefaults\\DovizClock.exe\\DllOverrides";
};

// Where the process mapped the library from, once it has; empty if it never does.
std::string AwaitModule(HANDLE process, const std::string& dll)
{
    std::string path;
    WaitUntil([&] {
        HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, GetProcessId(process));
        if (snapshot == INVALID_HANDLE_VALUE) return false;
        MODULEENTRY32 module{sizeof module};
        for (BOOL more = Module32First(snapshot, &module); more; more = Module32Next(snapshot, &module))
            if (lstrcmpiA(module.szModule, dll.c_str()) == 0) path = module.szExePath;
        CloseHandle(snapshot);
        return !path.empty();
    });
    return path;
}

std::string SystemFolder()
{
    char folder[MAX_PATH] = {};
    GetSystemDirectoryA(folder, MAX_PATH);
    return folder;
}

std::string FolderOf(const std::string& path)
{
    return path.substr(0, path.find_last_of('\\'));
}

TEST(PlantedLibrary, NeverRunsWhenAnAlarmSounds)
{
    RegDeleteTreeA(HKEY_CURRENT_USER, "SOFTWARE\\Doviz");
    TPlanted planted("winmm");
    auto* reminder = new TAlarm;
    reminder->Name = "Planted";
    reminder->Kind = akReminder;
    reminder->Enabled = true;
    reminder->OneTime = true;
    reminder->SoundOn = true;
    reminder->SoundFile = "(Default)";
    reminder->MessageOn = true;
    StoreReminder(reminder, SecondsFromNow(2), planted.Folder.Path());

    TNativeFirst nativeFirst("winmm");
    TRunningClock clock(planted.Exe);
    ASSERT_NE(clock.Window(), nullptr);
    HWND message = AwaitShown("TMessageForm");
    ASSERT_NE(message, nullptr) << "the reminder did not ring";
    const std::string loaded = AwaitModule(clock.Process(), "winmm.dll");
    EXPECT_TRUE(lstrcmpiA(FolderOf(loaded).c_str(), SystemFolder().c_str()) == 0)
        << "the sound library came from " << loaded;
    PostMessageA(message, WM_CLOSE, 0, 0);
    ASSERT_TRUE(clock.CloseAndWait());
    // Asked once the program has ended: a library is listed before its start-up code has run.
    EXPECT_FALSE(planted.Ran()) << "the planted winmm.dll ran inside the clock";
}

TEST(PlantedLibrary, NeverRunsWhenTheFontDialogOpens)
{
    RegDeleteTreeA(HKEY_CURRENT_USER, "SOFTWARE\\Doviz");
    TPlanted planted("comdlg32");
    TNativeFirst nativeFirst("comdlg32");
    TRunningClock clock(planted.Exe);
    ASSERT_NE(clock.Window(), nullptr);

    // "Change clock &font" from the face's menu.
    ASSERT_TRUE(Focus(clock.Window()));
    RECT wr{};
    GetWindowRect(clock.Window(), &wr);
    Mouse({wr.left + 30, wr.bottom - 8}, {MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP});
    const DWORD thread = GetWindowThreadProcessId(clock.Window(), nullptr);
    ASSERT_TRUE(WaitUntil([thread] {
        GUITHREADINFO info{sizeof info};
        return Shown("#32768") && GetGUIThreadInfo(thread, &info) && (info.flags & GUI_INMENUMODE);
    })) << "no menu";
    SendChord({}, 'F');

    const std::string loaded = AwaitModule(clock.Process(), "comdlg32.dll");
    EXPECT_TRUE(lstrcmpiA(FolderOf(loaded).c_str(), SystemFolder().c_str()) == 0)
        << "the dialog library came from " << loaded;
    HWND dialog = AwaitShown("#32770", "Font");
    EXPECT_NE(dialog, nullptr) << "no font dialog";
    if (dialog) {
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        EXPECT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
    }
    ASSERT_TRUE(clock.CloseAndWait());
    EXPECT_FALSE(planted.Ran()) << "the planted comdlg32.dll ran inside the clock";
}

}  // namespace
