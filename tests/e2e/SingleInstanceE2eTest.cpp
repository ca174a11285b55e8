// One copy per data folder: a second start from the same folder brings the first forward and ends,
// touching nothing; a copy in another folder is another data set and runs.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "E2eSupport.h"

namespace {

// A data file's bytes and last write, to tell whether anything touched it.
struct TFileState {
    std::string bytes;
    FILETIME written{};
    bool operator==(const TFileState& o) const
    {
        return bytes == o.bytes && CompareFileTime(&written, &o.written) == 0;
    }
};

TFileState StateOf(const std::string& path)
{
    TFileState s;
    HANDLE f = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                           nullptr);
    if (f == INVALID_HANDLE_VALUE) return s;
    char buf[4096];
    DWORD read = 0;
    while (ReadFile(f, buf, sizeof buf, &read, nullptr) && read) s.bytes.append(buf, read);
    GetFileTime(f, nullptr, nullptr, &s.written);
    CloseHandle(f);
    return s;
}

void Write(const std::string& path, const std::string& bytes)
{
    HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(f);
}

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
        Write(clocks, std::string("\0\0\0\0", 4));  // no faces: the local clock keeps its defaults
        Write(alarms, std::string("\0\0\0\0", 4));
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

    EXPECT_TRUE(IsWindowVisible(first.Window()));
    EXPECT_EQ(GetForegroundWindow(), first.Window());
    EXPECT_TRUE(StateOf(data.clocks) == clocks);
    EXPECT_TRUE(StateOf(data.alarms) == alarms);
    EXPECT_EQ(Dump(HKEY_CURRENT_USER, "SOFTWARE\\Doviz"), registry);
    ASSERT_TRUE(first.CloseAndWait());
}

TEST(OneCopy, FromAnotherFolderRunsBesideTheFirst)
{
    RegDeleteTreeA(HKEY_CURRENT_USER, "SOFTWARE\\Doviz");
    TDataFiles data;
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string other = std::string(temp) + "DovizOtherFolder\\";
    CreateDirectoryA(other.c_str(), nullptr);
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
    for (const char* name : {"DovizClock.exe", "RoVudez.clk", "RoVudez.alm"}) DeleteFileA((other + name).c_str());
    RemoveDirectoryA(other.c_str());
}

}  // namespace
