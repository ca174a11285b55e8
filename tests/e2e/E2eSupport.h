#pragma once
// What the end-to-end tests share: the program started as a user would, and its window found.

#include <windows.h>

#include <cstring>
#include <initializer_list>
#include <iterator>
#include <string>
#include <vector>

// A file beside this test program.
inline std::string Beside(const char* name)
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string s = path;
    return s.substr(0, s.find_last_of("\\/") + 1) + name;
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

// Moves the pointer there and presses and releases the buttons, as a user's hand does.
inline void Mouse(POINT at, std::initializer_list<DWORD> buttons)
{
    SetCursorPos(at.x, at.y);
    std::vector<INPUT> inputs;
    INPUT move{};
    move.type = INPUT_MOUSE;
    move.mi.dx = at.x * 65536 / GetSystemMetrics(SM_CXSCREEN);
    move.mi.dy = at.y * 65536 / GetSystemMetrics(SM_CYSCREEN);
    move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    inputs.push_back(move);
    for (DWORD b : buttons) {
        INPUT in{};
        in.type = INPUT_MOUSE;
        in.mi.dwFlags = b;
        inputs.push_back(in);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
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

class TRunningClock {
public:
    explicit TRunningClock(const std::string& exe = Beside("DovizClock.exe"))
    {
        STARTUPINFOA si{sizeof(si)};
        std::string cmd = "\"" + exe + "\"";
        ok_ = CreateProcessA(exe.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi_);
        if (!ok_) return;
        WaitForInputIdle(pi_.hProcess, 10000);
        // The window exists before it is shown; wait until the user could see it.
        for (int i = 0; i < 200 && !(window_ && IsWindowVisible(window_)); ++i) {
            window_ = ClockWindowOf(pi_.dwProcessId);
            Sleep(50);
        }
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
