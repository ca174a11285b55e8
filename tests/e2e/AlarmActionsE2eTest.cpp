// A reminder missed while the program was closed: its message window, its application, and its
// removal once the window is closed.

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "E2eSupport.h"

namespace {

std::string ReadFile(const std::string& path)
{
    const TBytes bytes = ReadBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

TEST(DueReminder, OpensItsWindowStartsItsApplicationAndGoesWhenClosed)
{
    RegDeleteTreeA(HKEY_CURRENT_USER, "SOFTWARE\\Doviz");
    StoreOption("AutoSaveData", "1");
    TScratchFolder folder("e2e start ");
    const std::string probe = folder.File("StartProbe.txt");

    // Due an hour before the program starts: a one-time reminder missed while the program was
    // closed rings at its first tick.
    const SYSTEMTIME due = SecondsFromNow(-3600);
    SYSTEMTIME now;
    GetLocalTime(&now);
    char dueTime[64] = {}, dueDate[64] = {};
    GetTimeFormatA(LOCALE_USER_DEFAULT, TIME_NOSECONDS, &due, nullptr, dueTime, sizeof dueTime);
    GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &due, nullptr, dueDate, sizeof dueDate);
    const std::string dueAt = "Due at " + (due.wDay == now.wDay ? std::string() : std::string(dueDate) + " ") + dueTime;
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
    reminder->StartFolder = folder.Path();
    const std::string alarmFile = StoreReminder(reminder, due);

    TRunningClock clock;
    ASSERT_NE(clock.Window(), nullptr);
    HWND message = AwaitShown("TMessageForm");
    ASSERT_NE(message, nullptr)
        << "no message window";
    EXPECT_NE(ChildWithText(message, "Stretch"), nullptr);
    EXPECT_NE(ChildWithText(message, dueAt + "\r\nStand up\r\nand stretch"), nullptr);
    char caption[64] = {};
    GetWindowTextA(message, caption, sizeof caption);
    EXPECT_STREQ(caption, "Doviz Clock");

    ASSERT_TRUE(WaitUntil([&] { return ReadFile(probe) == "reminded\n"; })) << "the application did not run in its folder";
    // Disabled at once in the file, but kept while its window is open.
    EXPECT_TRUE(WaitUntil([&] {
        TMemoryStream stored(ReadBytes(alarmFile));
        TOvList<TAlarm> read;
        ReadAlarms(stored, read);
        const bool disabled = read.Count() == 1 && !read.Items(0)->Enabled;
        FreeAlarms(read);
        return disabled;
    })) << "the signalled reminder is not stored disabled";

    PostMessageA(message, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return ReadFile(alarmFile) == std::string(4, '\0'); }))
        << "the reminder is still in the file";
    EXPECT_TRUE(WaitUntil([] { return FindWindowA("TMessageForm", nullptr) == nullptr; })) << "the window stayed";
    ASSERT_TRUE(clock.CloseAndWait());

    DeleteFileA(alarmFile.c_str());
}

TEST(DueReminder, RemindLaterOpensThePropertiesActiveAndTakingKeys)
{
    RegDeleteTreeA(HKEY_CURRENT_USER, "SOFTWARE\\Doviz");
    // Once a day and already due: it rings at the first tick however slowly the clock starts,
    // and no Cancel below makes it ring again today.
    const SYSTEMTIME due = SecondsFromNow(-3600);
    auto* reminder = new TAlarm;
    reminder->Name = "Tea";
    reminder->Kind = akReminder;
    reminder->Enabled = true;
    reminder->OnceADay = true;
    reminder->MessageOn = true;
    const std::string alarmFile = StoreReminder(reminder, due);

    TRunningClock clock;
    ASSERT_NE(clock.Window(), nullptr);
    // The user works in another program when the reminder comes.
    HWND other = CreateWindowExA(0, "EDIT", "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 300, 300, 200, nullptr,
                                 nullptr, nullptr, nullptr);
    SetForegroundWindow(other);
    HWND message = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
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
            ASSERT_TRUE(WaitUntil([] { return IsWindowVisible(FindWindowA("#32768", nullptr)); })) << "no menu";
            SendChord({}, 'C');
        },
    };
    for (const auto& open : ways) {
        // The last dialog's modal loop gives the message window back before it takes clicks.
        ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(message) != FALSE; }));
        open();
        HWND dialog = AwaitShown("TAlPropForm");
        ASSERT_NE(dialog, nullptr) << "\"Remind later\" opened no properties dialog";
        EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == dialog; })) << "the dialog came up inactive";
        SendChord({}, VK_ESCAPE);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(dialog); })) << "Esc did not reach the dialog";
    }

    PostMessageA(message, WM_CLOSE, 0, 0);
    DestroyWindow(other);
    ASSERT_TRUE(clock.CloseAndWait());
    DeleteFileA(alarmFile.c_str());
}

}  // namespace
