#include "calendar/CalendarModel.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const TWeekdayNames Names = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};

// A grid whose "today" is a fixed day; Monday first, as the window has it.
struct TGrid {
    explicit TGrid(int y, int m, int d, int startOfWeek = 1)
        : today(EncodeDate(y, m, d)), model([this] { return today; })
    {
        model.SetStartOfWeek(startOfWeek);
        model.OnChange = [this] { ++changes; };
    }
    TDateTime today;
    TCalendarModel model;
    int changes = 0;
};

std::string Ymd(const TCalendarModel& m)
{
    return std::to_string(m.Year()) + "-" + std::to_string(m.Month()) + "-" + std::to_string(m.Day());
}

// Weekday by Sakamoto's rule, 0 = Sunday; independent of the day count the model uses.
int Weekday(int y, int m, int d)
{
    static const int t[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (m < 3) y -= 1;
    return (y + y / 4 - y / 100 + y / 400 + t[m - 1] + d) % 7;
}

int MonthLength(int y, int m)
{
    static const int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    return m == 2 && leap ? 29 : lengths[m - 1];
}

TEST(CalendarLayout, FirstAndLastDayLandWhereTheWeekSaysTable)
{
    struct Case {
        int y, m, startOfWeek;
        int offset;
        TGridCell first, last;
        const char* header;  // the first column's
    } cases[] = {
        {2024, 1, 1, 1, {0, 1}, {2, 5}, "Mon"},     // starts on a Monday: first column
        {2023, 10, 1, -5, {6, 1}, {1, 6}, "Mon"},   // starts on a Sunday, 31 days: ends in row 6, column 2
        {2023, 10, 0, 1, {0, 1}, {2, 5}, "Sun"},    // the same month with Sunday first
        {2021, 2, 1, 1, {0, 1}, {6, 4}, "Mon"},     // 28 days from a Monday fill exactly four rows
        {2026, 8, 1, -4, {5, 1}, {0, 6}, "Mon"},    // Saturday the 1st
        {2026, 8, 6, 1, {0, 1}, {2, 5}, "Sat"},     // Saturday first
    };
    for (const auto& c : cases) {
        TGrid g(c.y, c.m, 1, c.startOfWeek);
        SCOPED_TRACE(std::to_string(c.y) + "-" + std::to_string(c.m) + " start " + std::to_string(c.startOfWeek));
        EXPECT_EQ(g.model.MonthOffset(), c.offset);
        EXPECT_EQ(g.model.CellText(c.first, Names), "1");
        EXPECT_EQ(g.model.Selected(), c.first);
        EXPECT_EQ(g.model.CellText(c.last, Names), std::to_string(g.model.DaysThisMonth()));
        EXPECT_EQ(g.model.CellText({0, 0}, Names), c.header);
        EXPECT_EQ(g.model.CellText({6, 0}, Names), Names[(c.startOfWeek + 6) % 7]);
    }
}

TEST(CalendarLayout, EveryMonthOfFourCenturiesAgreesWithAnIndependentWeekday)
{
    for (int y = 1; y <= 2420; y = y == 30 ? 1580 : y + 1) {
        for (int m = 1; m <= 12; ++m) {
            int startOfWeek = (y + m) % 7;
            int days = MonthLength(y, m);
            int day = (y * 7 + m * 5) % days + 1;
            TGrid g(y, m, day, startOfWeek);
            int firstCol = (Weekday(y, m, 1) - startOfWeek + 7) % 7;
            std::string expected, actual;
            for (int row = 1; row < TCalendarModel::RowCount; ++row)
                for (int col = 0; col < TCalendarModel::ColCount; ++col) {
                    int n = (row - 1) * 7 + col - firstCol + 1;
                    expected += (n >= 1 && n <= days ? std::to_string(n) : "") + "|";
                    actual += g.model.CellText({col, row}, Names) + "|";
                }
            ASSERT_EQ(actual, expected) << y << "-" << m << " start " << startOfWeek;
            int k = firstCol + day - 1;
            ASSERT_EQ(g.model.Selected(), (TGridCell{k % 7, k / 7 + 1})) << y << "-" << m << "-" << day;
        }
    }
}

TEST(CalendarLayout, FebruaryLengthsThroughTheGrid)
{
    struct Case {
        int year, days;
    } cases[] = {{2000, 29}, {1900, 28}, {2004, 29}, {1, 28}, {4, 29}, {100, 28}, {400, 29}};
    for (const auto& c : cases) {
        TGrid g(c.year, 2, 1);
        EXPECT_EQ(g.model.DaysThisMonth(), c.days) << c.year;
        g.model.SetDay(29);
        EXPECT_EQ(g.model.Day(), c.days == 29 ? 29 : 1) << c.year;
    }
}

TEST(CalendarSetters, OutOfRangeOrUnchangedValuesDoNothingTable)
{
    struct Case {
        const char* what;
        void (TCalendarModel::*set)(int);
        int value;
    } cases[] = {
        {"year 0", &TCalendarModel::SetYear, 0},      {"year -3", &TCalendarModel::SetYear, -3},
        {"same year", &TCalendarModel::SetYear, 2026}, {"month 0", &TCalendarModel::SetMonth, 0},
        {"month 13", &TCalendarModel::SetMonth, 13},   {"same month", &TCalendarModel::SetMonth, 4},
        {"day 0", &TCalendarModel::SetDay, 0},         {"day 31 of April", &TCalendarModel::SetDay, 31},
        {"same day", &TCalendarModel::SetDay, 30},
    };
    for (const auto& c : cases) {
        TGrid g(2026, 4, 30);
        (g.model.*c.set)(c.value);
        EXPECT_EQ(Ymd(g.model), "2026-4-30") << c.what;
        EXPECT_EQ(g.changes, 0) << c.what;
        EXPECT_TRUE(g.model.UseCurrentDate()) << c.what;
    }
}

TEST(CalendarSetters, AChangeKeepsTheOtherElementsAndEndsUseCurrentDate)
{
    TGrid g(2026, 4, 30);
    g.model.SetYear(9000);  // no upper bound short of what a date can hold
    EXPECT_EQ(Ymd(g.model), "9000-4-30");
    EXPECT_FALSE(g.model.UseCurrentDate());
    g.model.SetMonth(12);
    g.model.SetDay(1);
    EXPECT_EQ(Ymd(g.model), "9000-12-1");
    EXPECT_EQ(g.changes, 3);
    EXPECT_EQ(g.model.Date(), EncodeDate(9000, 12, 1));

    g.today = EncodeDate(2027, 3, 3);
    g.model.SetUseCurrentDate(true);
    EXPECT_EQ(Ymd(g.model), "2027-3-3");
    EXPECT_EQ(g.model.Selected(), (TGridCell{2, 1}));  // a Wednesday
}

TEST(CalendarSetters, AKeptDayTheTargetLacksFailsAndChangesNothingTable)
{
    struct Case {
        int y, m, d;
        void (*step)(TCalendarModel&);
        const char* what;
    } cases[] = {
        {2026, 1, 31, NextMonth, "31 January, next month"},
        {2026, 3, 30, PrevMonth, "30 March, previous month"},
        {2026, 5, 31, NextMonth, "31 May, next month"},
        {2004, 2, 29, NextYear, "29 February 2004, next year"},
        {2000, 2, 29, PrevYear, "29 February 2000, previous year"},
    };
    for (const auto& c : cases) {
        TGrid g(c.y, c.m, c.d);
        TGridCell selected = g.model.Selected();
        try {
            c.step(g.model);
            ADD_FAILURE() << c.what << ": no error";
        } catch (const EConvertError& e) {
            EXPECT_STREQ(e.what(), "Invalid argument to date encode") << c.what;
        }
        EXPECT_EQ(Ymd(g.model), std::to_string(c.y) + "-" + std::to_string(c.m) + "-" + std::to_string(c.d)) << c.what;
        EXPECT_EQ(g.model.Selected(), selected) << c.what;
        EXPECT_EQ(g.changes, 0) << c.what;
        EXPECT_FALSE(g.model.Updating()) << c.what;
        EXPECT_TRUE(g.model.UseCurrentDate()) << c.what;
    }
}

TEST(CalendarSteps, MonthsWrapTheYearAndYearsStopAtOneTable)
{
    struct Case {
        int y, m, d;
        void (*step)(TCalendarModel&);
        const char* expected;
    } cases[] = {
        {1, 1, 10, PrevMonth, "1-12-10"},  // no year 0: December of the same year
        {1, 5, 10, PrevYear, "1-5-10"},
        {2300, 6, 1, NextYear, "2301-6-1"},
        {2026, 1, 15, NextMonth, "2026-2-15"},
        {2026, 12, 31, NextMonth, "2027-1-31"},
        {2026, 1, 31, PrevMonth, "2025-12-31"},
        {2026, 3, 28, PrevMonth, "2026-2-28"},
    };
    for (const auto& c : cases) {
        TGrid g(c.y, c.m, c.d);
        c.step(g.model);
        EXPECT_EQ(Ymd(g.model), c.expected);
    }
}

TEST(CalendarSelection, OnlyNumberedCellsAndNotWhileReadOnly)
{
    TGrid g(2023, 10, 15);  // a Sunday first, so row 1 holds only the 1st
    for (TGridCell empty : {TGridCell{0, 1}, TGridCell{2, 6}, TGridCell{3, 0}, TGridCell{7, 2}})
        EXPECT_FALSE(g.model.SelectCell(empty)) << empty.Col << "," << empty.Row;
    EXPECT_EQ(Ymd(g.model), "2023-10-15");
    EXPECT_TRUE(g.model.SelectCell({1, 6}));
    EXPECT_EQ(Ymd(g.model), "2023-10-31");
    EXPECT_EQ(g.changes, 1);

    g.model.ReadOnly = true;
    EXPECT_FALSE(g.model.SelectCell({3, 3}));
    EXPECT_FALSE(g.model.Step(0, -1));
    // Changes from code still lay the month out and select its day.
    g.model.SetDay(4);
    EXPECT_EQ(g.model.Selected(), (TGridCell{2, 2}));
}

TEST(CalendarGeometry, CellsShareTheGridLessItsLines)
{
    TGrid g(2026, 12, 8);
    EXPECT_EQ(g.model.ColWidth(181), 25);
    EXPECT_EQ(g.model.RowHeight(99), 13);
    EXPECT_EQ(g.model.CellRect({0, 0}, 181, 99), (TCellRect{0, 0, 25, 13}));
    EXPECT_EQ(g.model.CellRect({6, 6}, 181, 99), (TCellRect{156, 84, 181, 97}));

    struct Case {
        int x, y;
        std::optional<TGridCell> cell;
    } cases[] = {
        {0, 0, TGridCell{0, 0}},  {24, 12, TGridCell{0, 0}}, {25, 13, TGridCell{0, 0}},  // on the lines
        {26, 14, TGridCell{1, 1}}, {180, 96, TGridCell{6, 6}}, {182, 50, std::nullopt},
        {50, 98, std::nullopt},   {-1, 5, std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(g.model.CellAt(c.x, c.y, 181, 99), c.cell) << c.x << "," << c.y;

    g.model.GridLineWidth = 2;
    EXPECT_EQ(g.model.ColWidth(181), 24);
    EXPECT_EQ(g.model.CellRect({1, 1}, 181, 99), (TCellRect{26, 14, 50, 26}));
}

}  // namespace
