// A reminder missed while the program was closed: its message window, its application, and its
// removal once the window is closed.

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <sstream>
#include <string>

#include "E2eSupport.h"
#include "alarms/AlarmFile.h"

namespace {

void StoreAutoSave()
{
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "SOFTWARE\\Doviz\\Clock\\Options", 0, nullptr, 0, KEY_WRITE, nullptr,
                              &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(key, "AutoSaveData", 0, REG_SZ, reinterpret_cast<const BYTE*>("1"), 2);
    RegCloseKey(key);
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteFile(const std::string& path, const TBytes& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// The child of a window showing exactly this text, if any.
HWND ChildWithText(HWND parent, const std::string& text)
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

// The local time some seconds from now (before now when negative).
SYSTEMTIME SecondsFromNow(int seconds)
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

template <typename Condition>
bool Await(Condition condition)
{
    for (int i = 0; i < 600; ++i) {
        if (condition()) return true;
        Sleep(50);
    }
    return false;
}

TEST(DueReminder, OpensItsWindowStartsItsApplicationAndGoesWhenClosed)
{
    RegDeleteTreeA(HKEY_CURRENT_USER, "SOFTWARE\\Doviz");
    StoreAutoSave();
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "Doviz e2e start " + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string probe = folder + "\\StartProbe.txt";
    DeleteFileA(probe.c_str());

    // Due an hour before the program starts: a one-time reminder missed while the program was
    // closed rings at its first tick.
    const SYSTEMTIME due = SecondsFromNow(-3600);
    SYSTEMTIME now;
    GetLocalTime(&now);
    char dueTime[64] = {}, dueDate[64] = {};
    GetTimeFormatA(LOCALE_USER_DEFAULT, TIME_NOSECONDS, &due, nullptr, dueTime, sizeof dueTime);
    GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &due, nullptr, dueDate, sizeof dueDate);
    const std::string dueAt = "Due at " + (due.wDay == now.wDay ? std::string() : std::string(dueDate) + " ") + dueTime;
    TOvList<TAlarm> alarms;
    auto* reminder = new TAlarm;
    reminder->Name = "Stretch";
    reminder->Kind = akReminder;
    reminder->Enabled = true;
    reminder->OneTime = true;
    reminder->RemoveAfterSignal = true;
    reminder->MessageOn = true;
    reminder->MessageText = "Stand up\r\nand stretch";
    reminder->RunOn = true;
    reminder->CommandLine = "\"" + Beside("tests\\StartProbe.exe") + "\" reminded";
    reminder->StartFolder = folder;
    static_assert(sizeof due == sizeof reminder->SignalTime);
    memcpy(static_cast<void*>(&reminder->SignalTime), &due, sizeof due);
    alarms.Add(reminder);
    TMemoryStream file;
    ASSERT_TRUE(WriteAlarms(file, alarms));
    FreeAlarms(alarms);
    const std::string alarmFile = Beside(AlarmFileName);
    WriteFile(alarmFile, file.Bytes());

    TRunningClock clock;
    ASSERT_NE(clock.Window(), nullptr);
    HWND message = nullptr;
    ASSERT_TRUE(Await([&] { return (message = FindWindowA("TMessageForm", nullptr)) && IsWindowVisible(message); }))
        << "no message window";
    EXPECT_NE(ChildWithText(message, "Stretch"), nullptr);
    EXPECT_NE(ChildWithText(message, dueAt + "\r\nStand up\r\nand stretch"), nullptr);
    char caption[64] = {};
    GetWindowTextA(message, caption, sizeof caption);
    EXPECT_STREQ(caption, "Doviz Clock");

    ASSERT_TRUE(Await([&] { return ReadFile(probe) == "reminded\n"; })) << "the application did not run in its folder";
    // Disabled at once in the file, but kept while its window is open.
    EXPECT_TRUE(Await([&] {
        const std::string bytes = ReadFile(alarmFile);
        TMemoryStream stored(TBytes(bytes.begin(), bytes.end()));
        TOvList<TAlarm> read;
        ReadAlarms(stored, read);
        const bool disabled = read.Count() == 1 && !read.Items(0)->Enabled;
        FreeAlarms(read);
        return disabled;
    })) << "the signalled reminder is not stored disabled";

    PostMessageA(message, WM_CLOSE, 0, 0);
    EXPECT_TRUE(Await([&] { return ReadFile(alarmFile) == std::string(4, '\0'); }))
        << "the reminder is still in the file";
    EXPECT_TRUE(Await([] { return FindWindowA("TMessageForm", nullptr) == nullptr; })) << "the window stayed";
    ASSERT_TRUE(clock.CloseAndWait());

    DeleteFileA(alarmFile.c_str());
    DeleteFileA(probe.c_str());
    RemoveDirectoryA(folder.c_str());
}

TEST(DueReminder, RemindLaterOpensThePropertiesActiveAndTakingKeys)
{
    RegDeleteTreeA(HKEY_CURRENT_USER, "SOFTWARE\\Doviz");
    const SYSTEMTIME due = SecondsFromNow(10);
    TOvList<TAlarm> alarms;
    auto* reminder = new TAlarm;
    reminder->Name = "Tea";
    reminder->Kind = akReminder;
    reminder->Enabled = true;
    reminder->MessageOn = true;
    memcpy(static_cast<void*>(&reminder->SignalTime), &due, sizeof due);
    alarms.Add(reminder);
    TMemoryStream file;
    ASSERT_TRUE(WriteAlarms(file, alarms));
    FreeAlarms(alarms);
    const std::string alarmFile = Beside(AlarmFileName);
    WriteFile(alarmFile, file.Bytes());

    TRunningClock clock;
    ASSERT_NE(clock.Window(), nullptr);
    // The user works in another program when the reminder comes.
    HWND other = CreateWindowExA(0, "EDIT", "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 300, 300, 200, nullptr,
                                 nullptr, nullptr, nullptr);
    SetForegroundWindow(other);
    HWND message = nullptr;
    ASSERT_TRUE(Await([&] {
        MSG m;
        while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
        return (message = FindWindowA("TMessageForm", nullptr)) && IsWindowVisible(message);
    })) << "no message window";
    HWND later = ChildWithText(message, "Remind later");
    ASSERT_NE(later, nullptr);
    RECT r{};
    GetWindowRect(later, &r);
    const int middle = (r.top + r.bottom) / 2;
    // The button itself, then "&Custom ..." chosen by its letter in the button's menu.
    const std::function<void()> ways[] = {
        [&] { Mouse({r.left + 20, middle}, {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP}); },
        [&] {
            Mouse({r.right - 6, middle}, {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP});
            ASSERT_TRUE(Await([] { return IsWindowVisible(FindWindowA("#32768", nullptr)); })) << "no menu";
            SendChord({}, 'C');
        },
    };
    for (const auto& open : ways) {
        open();
        HWND dialog = nullptr;
        ASSERT_TRUE(Await([&] { return (dialog = FindWindowA("TAlPropForm", nullptr)) && IsWindowVisible(dialog); }))
            << "\"Remind later\" opened no properties dialog";
        EXPECT_TRUE(Await([&] { return GetForegroundWindow() == dialog; })) << "the dialog came up inactive";
        SendChord({}, VK_ESCAPE);
        ASSERT_TRUE(Await([&] { return !IsWindowVisible(dialog); })) << "Esc did not reach the dialog";
    }

    PostMessageA(message, WM_CLOSE, 0, 0);
    DestroyWindow(other);
    ASSERT_TRUE(clock.CloseAndWait());
    DeleteFileA(alarmFile.c_str());
}

}  // namespace
