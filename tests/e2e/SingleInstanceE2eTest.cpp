// One copy per data folder: a second start from the same folder brings the first forward and ends,
// touching nothing; a copy in another folder is another data set and runs.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "E2eSupport.h"

namespace {

// Every key and value below the path, as text.
std::string Dump(HKEY parent, const std::string& path)
{
    HKEY key;
    if (RegOpenKeyExA(parent, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return "";
    std::string out = "[" + path + "]";
    char name[256];
    BYTE data[1024];
    for (DWORD i = 0;; ++i) {
        DWORD nameLength = sizeof name, size = sizeof data, type = 0;
        if (RegEnumValueA(key, i, name, &nameLength, nullptr, &type, data, &size) != ERROR_SUCCESS) break;
        out += std::string(name) + "=" + std::string(reinterpret_cast<char*>(data), size) + ";";
    }
    for (DWORD i = 0;; ++i) {
        DWORD nameLength = sizeof name;
        if (RegEnumKeyExA(key, i, name, &nameLength, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        out += Dump(key, name);
    }
    RegCloseKey(key);
    return out;
}

struct TDataFiles {
    std::string clocks = Beside("RoVudez.clk"), alarms = Beside("RoVudez.alm");
    TDataFiles()
    {
        WriteBytes(clocks, TDataBytes().I32(0).Bytes());  // no faces: the local clock keeps its defaults
        WriteBytes(alarms, TDataBytes().I32(0).Bytes());
    }
    ~TDataFiles()
    {
        DeleteFileA(clocks.c_str());
        DeleteFileA(alarms.c_str());
    }
};

TEST(OneCopy, BringsTheHiddenFirstForwardAndEndsTouchingNothing)
{
    RegDeleteTreeA(HKEY_CURRENT_USER, "SOFTWARE\\Doviz");
    TDataFiles data;
    TRunningClock first;
    ASSERT_NE(first.Window(), nullptr);
    // A double-click on the caption band hides the clock to the tray.
    SendMessageA(first.Window(), WM_NCLBUTTONDBLCLK, HTCAPTION, 0);
    ASSERT_FALSE(IsWindowVisible(first.Window()));
    const TFileState clocks = StateOf(data.clocks), alarms = StateOf(data.alarms);
    const std::string registry = Dump(HKEY_CURRENT_USER, "SOFTWARE\\Doviz");
    // Not even a file made and removed again.
    const std::string folder = Beside("");
    HANDLE change = FindFirstChangeNotificationA(folder.c_str(), FALSE, FILE_NOTIFY_CHANGE_FILE_NAME);
    ASSERT_NE(change, INVALID_HANDLE_VALUE);

    STARTUPINFOA si{sizeof(si)};
    PROCESS_INFORMATION pi{};
    std::string exe = Beside("DovizClock.exe"), cmd = "\"" + exe + "\"";
    ASSERT_TRUE(CreateProcessA(exe.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi));
    EXPECT_EQ(WaitForSingleObject(pi.hProcess, 15000), WAIT_OBJECT_0) << "the second copy kept running";
    DWORD code = 1;
    GetExitCodeProcess(pi.hProcess, &code);
    EXPECT_EQ(code, 0u);
    EXPECT_EQ(ClockWindowOf(pi.dwProcessId), nullptr);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    EXPECT_EQ(WaitForSingleObject(change, 0), WAIT_TIMEOUT) << "the second start made or removed a file";
    FindCloseChangeNotification(change);

    EXPECT_TRUE(IsWindowVisible(first.Window()));
    EXPECT_EQ(GetForegroundWindow(), first.Window());
    EXPECT_TRUE(StateOf(data.clocks) == clocks);
    EXPECT_TRUE(StateOf(data.alarms) == alarms);
    EXPECT_EQ(Dump(HKEY_CURRENT_USER, "SOFTWARE\\Doviz"), registry);
    ASSERT_TRUE(first.CloseAndWait());
}

// A copy in another user's session can't be brought forward: the second start says why it ends.
TEST(OneCopy, AFolderHeldFromAnotherSessionIsNotSharedAndTheSecondStartSaysWhy)
{
    RegDeleteTreeA(HKEY_CURRENT_USER, "SOFTWARE\\Doviz");
    TDataFiles data;
    const TFileState clocks = StateOf(data.clocks);
    // What a running copy holds, with no window of this session to answer.
    HANDLE held = CreateFileA(Beside("DovizClock.lock").c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                              FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    STARTUPINFOA si{sizeof(si)};
    PROCESS_INFORMATION pi{};
    std::string exe = Beside("DovizClock.exe"), cmd = "\"" + exe + "\"";
    ASSERT_TRUE(CreateProcessA(exe.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi));
    HWND box = nullptr, clock = nullptr;
    WaitUntil([&] { return (box = Shown("#32770", "Doviz Clock")) || (clock = ClockWindowOf(pi.dwProcessId)); });
    EXPECT_EQ(clock, nullptr) << "a second copy runs on the folder";
    if (box) {
        char text[512] = {};
        GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
        EXPECT_NE(std::string(text).find("already running"), std::string::npos) << text;
        PostMessageA(box, WM_COMMAND, IDOK, 0);
    }
    if (WaitForSingleObject(pi.hProcess, 15000) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    CloseHandle(held);
    EXPECT_NE(box, nullptr);
    EXPECT_TRUE(StateOf(data.clocks) == clocks);
}

TEST(OneCopy, FromAnotherFolderRunsBesideTheFirst)
{
    RegDeleteTreeA(HKEY_CURRENT_USER, "SOFTWARE\\Doviz");
    TDataFiles data;
    TScratchFolder otherFolder("Other");
    const std::string& other = otherFolder.Path();
    ASSERT_TRUE(CopyFileA(Beside("DovizClock.exe").c_str(), (other + "DovizClock.exe").c_str(), FALSE));
    {
        TRunningClock first;
        ASSERT_NE(first.Window(), nullptr);
        TRunningClock second(other + "DovizClock.exe");
        ASSERT_NE(second.Window(), nullptr) << "the copy in another folder did not run";
        EXPECT_NE(second.Window(), first.Window());
        EXPECT_TRUE(second.CloseAndWait());
        EXPECT_TRUE(first.CloseAndWait());
    }
}

}  // namespace
