#pragma once
// What the end-to-end tests share: the program started as a user would, and its window found.

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <iterator>
#include <string>
#include <vector>

#include "../support/DataBytes.h"
#include "../support/Poll.h"
#include "../support/ScratchFolder.h"
#include "alarms/AlarmFile.h"
#include "base/SystemTimeRecord.h"

// A file beside this test program.
inline std::string Beside(const char* name)
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string s = path;
    return s.substr(0, s.find_last_of("\\/") + 1) + name;
}

// The local time some seconds from now (before now when negative).
inline SYSTEMTIME SecondsFromNow(int seconds)
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    FILETIME ft;
    SystemTimeToFileTime(&now, &ft);
    ULARGE_INTEGER t{{ft.dwLowDateTime, ft.dwHighDateTime}};
    t.QuadPart += static_cast<ULONGLONG>(seconds) * 10000000;
    ft = {t.LowPart, t.HighPart};
    SYSTEMTIME due;
    FileTimeToSystemTime(&ft, &due);
    return due;
}

// The alarms file in the program's folder (by default the one beside this test program), holding
// just this reminder due at that moment; its path.
inline std::string StoreReminder(TAlarm* reminder, const SYSTEMTIME& due, const std::string& folder = Beside(""))
{
    static_assert(sizeof due == sizeof reminder->SignalTime);
    memcpy(static_cast<void*>(&reminder->SignalTime), &due, sizeof due);
    // As a program closed two hours ago left it: judged up to then.
    SYSTEMTIME local, utc;
    GetLocalTime(&local);
    GetSystemTime(&utc);
    std::int64_t localSeconds = 0, utcSeconds = 0;
    SecondsOf(ToRecord(local), localSeconds);
    SecondsOf(ToRecord(utc), utcSeconds);
    reminder->Judged = {TJudged::jsKnown, utcSeconds - 7200, localSeconds - 7200};
    TOvList<TAlarm> alarms;
    alarms.Add(reminder);
    TMemoryStream file;
    const bool written = WriteAlarms(file, alarms);
    FreeAlarms(alarms);
    const std::string path = folder + AlarmFileName;
    EXPECT_TRUE(written && WriteBytes(path, file.Bytes()));
    return path;
}

// Presses the key with the modifiers held, wherever the keyboard focus is, as a user's hands do.
inline void SendChord(std::initializer_list<WORD> held, WORD key)
{
    std::vector<INPUT> inputs;
    auto add = [&](WORD vk, bool up) {
        INPUT in{};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = vk;
        in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        inputs.push_back(in);
    };
    for (WORD m : held) add(m, false);
    add(key, false);
    add(key, true);
    for (auto m = std::rbegin(held); m != std::rend(held); ++m) add(*m, true);
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// Moves the pointer there and presses and releases the buttons, as a user's hand does. Every
// event carries the place itself: a pointer crossing that the desktop shell reports late (a menu
// closing under the old place) must not move a press back to where the pointer was.
inline void Mouse(POINT at, std::initializer_list<DWORD> buttons)
{
    SetCursorPos(at.x, at.y);
    // Normalised coordinates rounded up, so that they map back to this very pixel.
    const int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
    auto event = [&](DWORD flags) {
        INPUT in{};
        in.type = INPUT_MOUSE;
        in.mi.dx = (at.x * 65536 + cx - 1) / cx;
        in.mi.dy = (at.y * 65536 + cy - 1) / cy;
        in.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        return in;
    };
    std::vector<INPUT> inputs{event(0)};
    for (DWORD b : buttons) inputs.push_back(event(b));
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// A data file's bytes and when it was last written, to tell whether anything touched it.
struct TFileState {
    TBytes Bytes;
    FILETIME Written{};
    friend bool operator==(const TFileState& a, const TFileState& b)
    {
        return a.Bytes == b.Bytes && CompareFileTime(&a.Written, &b.Written) == 0;
    }
};

inline TFileState StateOf(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data);
    return {ReadBytes(path), data.ftLastWriteTime};
}

// The clock window of one process, or none.
inline HWND ClockWindowOf(DWORD process)
{
    struct TFind {
        DWORD process;
        HWND window;
    } find{process, nullptr};
    EnumWindows(
        [](HWND w, LPARAM p) -> BOOL {
            auto* f = reinterpret_cast<TFind*>(p);
            char name[32] = {};
            DWORD owner = 0;
            GetWindowThreadProcessId(w, &owner);
            if (owner != f->process || !GetClassNameA(w, name, sizeof name) || strcmp(name, "TClockForm") != 0)
                return TRUE;
            f->window = w;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&find));
    return find.window;
}

// The shown top-level window of the class (and caption), or none.
inline HWND Shown(const char* className, const char* caption = nullptr)
{
    HWND w = FindWindowA(className, caption);
    return w && IsWindowVisible(w) ? w : nullptr;
}

// The window once it is shown, or none if it never is.
inline HWND AwaitShown(const char* className, const char* caption = nullptr)
{
    HWND w = nullptr;
    WaitUntil([&] { return (w = Shown(className, caption)) != nullptr; });
    return w;
}

// The child of a window showing exactly this text, if any.
inline HWND ChildWithText(HWND parent, const std::string& text)
{
    struct TSearch {
        std::string text;
        HWND found = nullptr;
    } search{text};
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM p) {
            auto* s = reinterpret_cast<TSearch*>(p);
            char buf[256] = {};
            // Asked of the control itself: an edit keeps its text out of the window's caption.
            SendMessageA(child, WM_GETTEXT, sizeof buf, reinterpret_cast<LPARAM>(buf));
            if (s->text == buf) {
                s->found = child;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Brings the window to the front, as a click on it would; whether it got there.
inline bool Focus(HWND window)
{
    SetForegroundWindow(window);
    return WaitUntil([&] { return GetForegroundWindow() == window; });
}

// How many clock faces the window shows.
inline int Faces(HWND window)
{
    int count = 0;
    EnumChildWindows(
        window,
        [](HWND w, LPARAM p) -> BOOL {
            char name[32] = {};
            GetClassNameA(w, name, sizeof name);
            if (strcmp(name, "TRoVudez") == 0) ++*reinterpret_cast<int*>(p);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count;
}

// An option stored as the program stores it, for its next start.
inline void StoreOption(const char* name, const char* text)
{
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "SOFTWARE\\Doviz\\Clock\\Options", 0, nullptr, 0, KEY_WRITE, nullptr,
                              &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text), static_cast<DWORD>(strlen(text) + 1));
    RegCloseKey(key);
}

class TRunningClock {
public:
    explicit TRunningClock(const std::string& exe = Beside("DovizClock.exe"))
    {
        STARTUPINFOA si{sizeof(si)};
        std::string cmd = "\"" + exe + "\"";
        ok_ = CreateProcessA(exe.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi_);
        if (!ok_) return;
        WaitForInputIdle(pi_.hProcess, 10000);
        // The window exists before it is shown; then a moment for it to settle, as a user's first look takes.
        WaitUntil([&] { return (window_ = ClockWindowOf(pi_.dwProcessId)) && IsWindowVisible(window_); });
        Sleep(50);
    }
    ~TRunningClock()
    {
        if (!ok_) return;
        if (WaitForSingleObject(pi_.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(pi_.hProcess, 1);
        CloseHandle(pi_.hThread);
        CloseHandle(pi_.hProcess);
    }
    HWND Window() const { return window_; }
    HANDLE Process() const { return pi_.hProcess; }
    // Leaves the program running when this object goes.
    void Detach()
    {
        if (!ok_) return;
        CloseHandle(pi_.hThread);
        CloseHandle(pi_.hProcess);
        ok_ = FALSE;
    }
    bool Started() const { return ok_; }
    // Closes the window as "Exit" does, and waits for the program to end.
    bool CloseAndWait()
    {
        PostMessageA(window_, WM_CLOSE, 0, 0);
        return WaitForSingleObject(pi_.hProcess, 15000) == WAIT_OBJECT_0;
    }

private:
    PROCESS_INFORMATION pi_{};
    BOOL ok_ = FALSE;
    HWND window_ = nullptr;
};
