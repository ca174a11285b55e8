// The calendar window, reached from the running program's menu.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "E2eSupport.h"

namespace {

HWND FindDescendant(HWND parent, const char* className)
{
    struct TSearch {
        const char* className;
        HWND found;
    } search{className, nullptr};
    EnumChildWindows(
        parent,
        [](HWND hwnd, LPARAM lParam) -> BOOL {
            auto* s = reinterpret_cast<TSearch*>(lParam);
            char name[64] = {};
            GetClassNameA(hwnd, name, sizeof name);
            if (lstrcmpiA(name, s->className) != 0) return TRUE;
            s->found = hwnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForVisible(const char* className, const char* caption)
{
    for (int i = 0; i < 100; ++i) {
        HWND w = FindWindowA(className, caption);
        if (w && IsWindowVisible(w)) return w;
        Sleep(50);
    }
    return nullptr;
}

// Another process's control: GetWindowText would not ask it.
std::string TextOf(HWND hwnd)
{
    char buf[256] = {};
    SendMessageA(hwnd, WM_GETTEXT, sizeof buf, reinterpret_cast<LPARAM>(buf));
    return buf;
}

TEST(CalendarMenu, OpensTheCalendarOnTodaysMonthAndYear)
{
    RegDeleteTreeA(HKEY_CURRENT_USER, "SOFTWARE\\Doviz");
    TRunningClock clock;
    ASSERT_NE(clock.Window(), nullptr);
    EXPECT_EQ(FindWindowA("TCalendarForm", "Calendar"), nullptr) << "made only when first asked for";

    // A right-click on the local clock opens the menu; its mnemonic picks "&Calendar".
    HWND face = FindDescendant(clock.Window(), "TRoVudez");
    ASSERT_NE(face, nullptr);
    PostMessageA(face, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(10, 10));
    PostMessageA(face, WM_RBUTTONUP, 0, MAKELPARAM(10, 10));
    HWND menu = WaitForVisible("#32768", nullptr);
    ASSERT_NE(menu, nullptr) << "no menu";
    PostMessageA(menu, WM_CHAR, 'c', 0);

    HWND calendar = WaitForVisible("TCalendarForm", "Calendar");
    ASSERT_NE(calendar, nullptr) << "the calendar did not show";
    RECT client{};
    GetClientRect(calendar, &client);
    EXPECT_EQ(client.right, 181);
    EXPECT_EQ(client.bottom, 152);

    SYSTEMTIME today;
    GetLocalTime(&today);
    char month[80] = {};
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SMONTHNAME1 + today.wMonth - 1, month, sizeof month);
    EXPECT_EQ(TextOf(FindDescendant(calendar, "ComboBox")), month);
    EXPECT_EQ(TextOf(FindDescendant(calendar, "Edit")), std::to_string(today.wYear));

    ASSERT_TRUE(clock.CloseAndWait());
}

}  // namespace
