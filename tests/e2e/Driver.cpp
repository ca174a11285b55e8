// Starts the program as a user would, finds its window, looks at it and closes it.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "E2eSupport.h"

namespace {

std::string ReadRegText(const char* key, const char* value)
{
    char buf[256] = {};
    DWORD size = sizeof buf;
    DWORD type = 0;
    if (RegGetValueA(HKEY_CURRENT_USER, key, value, RRF_RT_ANY, &type, buf, &size) != ERROR_SUCCESS) return "<none>";
    return type == REG_SZ ? std::string(buf) : "<not text>";
}

TEST(FirstStart, ShowsOneTopMostClockAndSavesItsPosition)
{
    RegDeleteTreeA(HKEY_CURRENT_USER, "SOFTWARE\\Doviz");
    TRunningClock clock;
    ASSERT_TRUE(clock.Started());
    ASSERT_NE(clock.Window(), nullptr) << "no TClockForm window";

    RECT client{};
    GetClientRect(clock.Window(), &client);
    EXPECT_EQ(client.right, 75);
    EXPECT_EQ(client.bottom, 40);
    LONG_PTR ex = GetWindowLongPtrA(clock.Window(), GWL_EXSTYLE);
    EXPECT_TRUE(ex & WS_EX_TOPMOST);
    EXPECT_TRUE(IsWindowVisible(clock.Window()));
    // No taskbar button: owned by a tool window.
    HWND owner = GetWindow(clock.Window(), GW_OWNER);
    ASSERT_NE(owner, nullptr);
    EXPECT_TRUE(GetWindowLongPtrA(owner, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);

    RECT wr{};
    GetWindowRect(clock.Window(), &wr);
    ASSERT_TRUE(clock.CloseAndWait());

    const char* key = "SOFTWARE\\Doviz\\Clock\\TClockForm";
    char norm[64];
    snprintf(norm, sizeof norm, "%ld,%ld,%ld,%ld", wr.left, wr.top, wr.right, wr.bottom);
    EXPECT_EQ(ReadRegText(key, "NormPos"), norm);
    EXPECT_EQ(ReadRegText(key, "Visible"), "0");
    EXPECT_EQ(ReadRegText(key, "ShowCmd"), "1");
    EXPECT_NE(ReadRegText(key, "PixelsPerInch"), "<none>");
    EXPECT_NE(ReadRegText(key, "MinMaxPos"), "<none>");
    EXPECT_NE(ReadRegText(key, "Flags"), "<none>");
}

TEST(SecondStart, ComesBackWhereItWasLeft)
{
    RegDeleteTreeA(HKEY_CURRENT_USER, "SOFTWARE\\Doviz");
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "SOFTWARE\\Doviz\\Clock\\TClockForm", 0, nullptr, 0, KEY_WRITE,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const char norm[] = "120,90,195,130";
    RegSetValueExA(key, "NormPos", 0, REG_SZ, reinterpret_cast<const BYTE*>(norm), sizeof norm);
    RegCloseKey(key);

    TRunningClock clock;
    ASSERT_NE(clock.Window(), nullptr);
    RECT wr{};
    GetWindowRect(clock.Window(), &wr);
    EXPECT_EQ(wr.left, 120);
    EXPECT_EQ(wr.top, 90);
    EXPECT_EQ(wr.right - wr.left, 75);
    EXPECT_EQ(wr.bottom - wr.top, 40);
    ASSERT_TRUE(clock.CloseAndWait());
}

TEST(StoredOptions, ShapeTheWindowAndAreWrittenBackAtExit)
{
    RegDeleteTreeA(HKEY_CURRENT_USER, "SOFTWARE\\Doviz");
    StoreOption("VertLayout", "1");
    StoreOption("ShowCaption", "0");
    StoreOption("ShowDate", "1");
    StoreOption("OnTop", "0");
    TRunningClock clock;
    ASSERT_NE(clock.Window(), nullptr);
    RECT client{};
    GetClientRect(clock.Window(), &client);
    EXPECT_EQ(client.right, 83);  // a column with the left strip
    EXPECT_EQ(client.bottom, 30);  // one face with its date
    EXPECT_FALSE(GetWindowLongPtrA(clock.Window(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    ASSERT_TRUE(clock.CloseAndWait());

    const char* key = "SOFTWARE\\Doviz\\Clock\\Options";
    EXPECT_EQ(ReadRegText(key, "VertLayout"), "1");
    EXPECT_EQ(ReadRegText(key, "ShowCaption"), "0");
    EXPECT_EQ(ReadRegText(key, "ShowDate"), "1");
    EXPECT_EQ(ReadRegText(key, "OnTop"), "0");
    EXPECT_EQ(ReadRegText(key, "AutoSave"), "1");
    EXPECT_EQ(ReadRegText(key, "IniName"), "SOFTWARE\\Doviz\\Clock");
}

}  // namespace
