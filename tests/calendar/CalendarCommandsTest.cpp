#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "../app/ScratchClock.h"
#include "app/Main.h"
#include "calendar/frmCalendar.h"

namespace {

TEST(CalendarCommands, BothMenusAndTheDoubleClickActionShowTheCalendar)
{
    const TScratchClock scratch{"CalendarCommands"};
    TClockForm clock(scratch.Config());
    TCalendarForm calendar([] { return EncodeDate(2026, 5, 20); });
    ASSERT_FALSE(calendar.Visible());

    auto shownBy = [&](const std::function<void()>& command) {
        calendar.Hide();
        command();
        PumpMessages();
        return calendar.Visible();
    };
    EXPECT_TRUE(shownBy([&] { clock.Popup.Find("CalendarItem")->Click(); }));
    EXPECT_TRUE(shownBy([&] { clock.TrayMenu.Find("Calendar1Item")->Click(); }));
    clock.Options->SetDblClickAction(dcaCalendar);
    EXPECT_TRUE(shownBy([&] { clock.CustDblClick(&clock); }));
    EXPECT_EQ(calendar.Calendar.Date(), EncodeDate(2026, 5, 20));
}

TEST(CalendarCommands, TheFirstOpeningMakesTheCalendarOnTodayAndLaterOnesKeepItsDate)
{
    const TScratchClock scratch{"CalendarFirstNeed"};
    TClockForm clock(scratch.Config());
    EXPECT_EQ(CalendarForm, nullptr);

    const TDateTime before = LocalToday();
    clock.CalendarItemClick();
    TCalendarForm* calendar = CalendarForm;
    ASSERT_NE(calendar, nullptr);
    EXPECT_TRUE(calendar->Visible());
    const TDateTime opened = calendar->Calendar.Date();
    EXPECT_TRUE(opened == before || opened == LocalToday());

    calendar->NextYearBtnClick();
    const TDateTime moved = calendar->Calendar.Date();
    SendMessageA(calendar->Handle(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(calendar->Visible());
    clock.TrayMenu.Find("Calendar1Item")->Click();
    EXPECT_EQ(CalendarForm, calendar);
    EXPECT_TRUE(calendar->Visible());
    EXPECT_EQ(calendar->Calendar.Date(), moved);
}

}  // namespace
