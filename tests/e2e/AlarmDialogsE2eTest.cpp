// Makes an alarm in the running program with Ctrl+A and finds it in the alarms file and the list.

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "E2eSupport.h"
#include "alarms/AlarmFile.h"

namespace {

// Presses the letter with the modifiers held, at the clock window.
void PressChord(HWND window, std::initializer_list<WORD> modifiers, WORD key)
{
    Focus(window);
    SendChord(modifiers, key);
}

HWND FindChild(HWND parent, const char* className, const char* text)
{
    return FindWindowExA(parent, nullptr, className, text);
}

// The alarms in the file, read by the program's own codec.
std::vector<std::unique_ptr<TAlarm>> ReadAlarmsFile(const std::string& path)
{
    TMemoryStream stream(ReadBytes(path));
    TOvList<TAlarm> list;
    ReadAlarms(stream, list);
    std::vector<std::unique_ptr<TAlarm>> alarms;
    for (int i = 0; i < list.Count(); ++i) alarms.emplace_back(list.Items(i));
    return alarms;
}

int SecondOfDay(int h, int m, int s)
{
    return (h * 60 + m) * 60 + s;
}

TEST(AlarmDialogs, CtrlAMakesTheNewAlarmAndShiftCtrlAListsIt)
{
    RegDeleteTreeA(HKEY_CURRENT_USER, "SOFTWARE\\Doviz");
    const std::string file = Beside("RoVudez.alm");
    DeleteFileA(file.c_str());

    TRunningClock clock;
    ASSERT_NE(clock.Window(), nullptr);
    // The list is made when first asked for; a cron editor only by the dialog that opens one.
    EXPECT_EQ(FindWindowA("TAlarmsForm", "Alarms"), nullptr);
    EXPECT_EQ(FindWindowA("TCronMaskForm", "Cron mask"), nullptr);
    SYSTEMTIME before;
    GetLocalTime(&before);
    PressChord(clock.Window(), {VK_CONTROL}, 'A');
    HWND dialog = AwaitShown("TAlPropForm");
    ASSERT_NE(dialog, nullptr) << "Ctrl+A opened no properties dialog";
    char caption[64] = {};
    GetWindowTextA(dialog, caption, sizeof caption);
    EXPECT_STREQ(caption, "Alarm properties");
    SYSTEMTIME after;
    GetLocalTime(&after);

    // Made disabled: enabled, it would be due in the second it was made, and its message window
    // could take the keys meant for the clock.
    HWND enabled = FindChild(dialog, "Button", "Alarm is enabled");
    HWND ok = FindChild(dialog, "Button", "OK");
    ASSERT_NE(enabled, nullptr);
    ASSERT_NE(ok, nullptr);
    PostMessageA(enabled, BM_CLICK, 0, 0);
    PostMessageA(ok, BM_CLICK, 0, 0);
    WaitUntil([] { return !Shown("TAlPropForm"); });

    // Auto-save is on by default: the file is written as soon as the alarm is added.
    std::vector<std::unique_ptr<TAlarm>> records;
    WaitUntil([&] { return !(records = ReadAlarmsFile(file)).empty(); });
    ASSERT_EQ(records.size(), 1u);
    const TAlarm& a = *records[0];
    EXPECT_EQ(a.Name, "Unnamed alarm");
    EXPECT_EQ(a.Kind, akUsual);
    EXPECT_FALSE(a.Enabled);
    EXPECT_TRUE(a.MessageOn);
    EXPECT_EQ(a.MessageText, "Time to signal ...");
    EXPECT_TRUE(a.SoundOn);
    EXPECT_EQ(a.SoundFile, "(Default)");
    EXPECT_FALSE(a.OneTime || a.RunOn || a.CronFlag || a.OnceADay);
    const TSystemTime& t = a.SignalTime;
    int at = SecondOfDay(t.wHour, t.wMinute, t.wSecond);
    EXPECT_GE(at, SecondOfDay(before.wHour, before.wMinute, before.wSecond) - 1);
    EXPECT_LE(at, SecondOfDay(after.wHour, after.wMinute, after.wSecond) + 1);
    EXPECT_EQ(t.wYear, after.wYear);

    PressChord(clock.Window(), {VK_SHIFT, VK_CONTROL}, 'A');
    HWND list = AwaitShown("TAlarmsForm");
    ASSERT_NE(list, nullptr) << "Shift+Ctrl+A showed no alarm list";
    HWND box = FindChild(list, "ListBox", nullptr);
    ASSERT_NE(box, nullptr);
    ASSERT_EQ(SendMessageA(box, LB_GETCOUNT, 0, 0), 1);
    // Across processes the row comes through the wide message.
    wchar_t wide[256] = {};
    SendMessageW(box, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(wide));
    char row[256] = {};
    WideCharToMultiByte(CP_ACP, 0, wide, -1, row, sizeof row, nullptr, nullptr);
    SYSTEMTIME signal;
    memcpy(&signal, &t, sizeof signal);
    char time[64] = {};
    GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &signal, nullptr, time, sizeof time);
    EXPECT_EQ(std::string(row), std::string("Unnamed alarm (") + time + ")");

    ASSERT_TRUE(clock.CloseAndWait());
    DeleteFileA(file.c_str());
}

}  // namespace
