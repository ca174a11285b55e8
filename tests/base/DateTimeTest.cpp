#include "base/DateTime.h"

#include <gtest/gtest.h>

#include "../support/Moments.h"

namespace {

TEST(DateTime, KnownDayCounts)
{
    EXPECT_EQ(EncodeDate(1899, 12, 30), 0.0);
    EXPECT_EQ(EncodeDate(1900, 1, 1), 2.0);
    EXPECT_EQ(EncodeDate(2000, 1, 1), 36526.0);
    EXPECT_EQ(EncodeDate(2026, 12, 8), 46364.0);
    EXPECT_EQ(EncodeDate(1, 1, 1), -693593.0);
    EXPECT_EQ(EncodeDate(9999, 12, 31), 2958465.0);
}

TEST(DateTime, LeapRuleForEveryYear)
{
    struct Case {
        int year;
        bool leap;
    } cases[] = {{1, false}, {4, true}, {100, false}, {400, true}, {1900, false},
                 {2000, true}, {2024, true}, {2026, false}, {2100, false}};
    for (const auto& c : cases) {
        EXPECT_EQ(IsLeapYear(c.year), c.leap) << c.year;
        if (c.leap) {
            EXPECT_NO_THROW(EncodeDate(c.year, 2, 29)) << c.year;
        } else {
            EXPECT_THROW(EncodeDate(c.year, 2, 29), EConvertError) << c.year;
        }
    }
}

TEST(DateTime, ImpossibleDatesFailWithTheEncodeMessage)
{
    const int bad[][3] = {{2026, 4, 31}, {2026, 13, 1}, {2026, 0, 1}, {2026, 1, 0}, {0, 1, 1}, {10000, 1, 1}};
    for (const auto& d : bad) {
        try {
            EncodeDate(d[0], d[1], d[2]);
            ADD_FAILURE() << d[0] << "-" << d[1] << "-" << d[2];
        } catch (const EConvertError& e) {
            EXPECT_STREQ(e.what(), "Invalid argument to date encode");
        }
    }
}

TEST(DateTime, RoundTripRecomputesTheDayOfWeek)
{
    TSystemTime st = Moment(2026, 12, 8, 13, 5, 7, 250);
    st.wDayOfWeek = 5;  // wrong on purpose
    TSystemTime back = DateTimeToSystemTime(SystemTimeToDateTime(st));
    st.wDayOfWeek = 2;  // 2026-12-08 is a Tuesday
    EXPECT_EQ(back, st);

    EXPECT_EQ(DateTimeToSystemTime(0.0).wDayOfWeek, 6);  // 1899-12-30, a Saturday
    EXPECT_EQ(DateTimeToSystemTime(EncodeDate(1, 1, 1)).wDayOfWeek, 1);  // a Monday
    EXPECT_EQ(DateTimeToSystemTime(EncodeDate(2024, 2, 29)).wDayOfWeek, 4);
}

TEST(DateTime, EveryDayOfAFourHundredYearCycleRoundTrips)
{
    int dow = DayOfWeek(EncodeDate(2000, 1, 1));
    double expectedDays = EncodeDate(2000, 1, 1);
    for (int y = 2000; y < 2400; ++y)
        for (int m = 1; m <= 12; ++m)
            for (int d = 1; d <= DaysInMonth(y, m); ++d) {
                TSystemTime st = DateTimeToSystemTime(EncodeDate(y, m, d));
                ASSERT_EQ(EncodeDate(y, m, d), expectedDays);
                ASSERT_TRUE(st.wYear == y && st.wMonth == m && st.wDay == d) << y << "-" << m << "-" << d;
                ASSERT_EQ(st.wDayOfWeek, dow);
                dow = (dow + 1) % 7;
                expectedDays += 1;
            }
}

TEST(DateTime, AddingMinutesCrossesDaysMonthsAndYears)
{
    struct Case {
        TSystemTime from;
        double minutes;
        TSystemTime to;
    } cases[] = {
        {Moment(2026, 12, 31, 23, 30), 60, Moment(2027, 1, 1, 0, 30)},
        {Moment(2024, 2, 28, 23, 59), 1, Moment(2024, 2, 29, 0, 0)},
        {Moment(2023, 2, 28, 23, 59), 1, Moment(2023, 3, 1, 0, 0)},
        {Moment(2026, 3, 1, 0, 10), -15, Moment(2026, 2, 28, 23, 55)},
        {Moment(2026, 6, 15, 12, 0, 30, 500), 1440 * 2 + 5, Moment(2026, 6, 17, 12, 5, 30, 500)},
    };
    for (const auto& c : cases) {
        TSystemTime got = IncMinutes(c.from, c.minutes);
        TSystemTime want = c.to;
        want.wDayOfWeek = DayOfWeek(SystemTimeToDateTime(want));
        EXPECT_EQ(got, want) << got.wYear << "-" << got.wMonth << "-" << got.wDay << " " << got.wHour << ":"
                             << got.wMinute;
    }
}

TEST(DateTime, TimeOfDayIsTheFraction)
{
    EXPECT_DOUBLE_EQ(SystemTimeToDateTime(Moment(1899, 12, 30, 12)), 0.5);
    EXPECT_DOUBLE_EQ(SystemTimeToDateTime(Moment(1899, 12, 29, 6)), -1.25);
    TSystemTime back = DateTimeToSystemTime(-1.25);
    EXPECT_EQ(back.wDay, 29);
    EXPECT_EQ(back.wHour, 6);
    // A value a hair below midnight rounds up into the next day, not to 24:00.
    TSystemTime late = DateTimeToSystemTime(EncodeDate(2026, 1, 1) + 1 - 1e-10);
    EXPECT_EQ(late.wDay, 2);
    EXPECT_EQ(late.wHour, 0);
}

// Moments before 1970 fall in the day and minute that hold them, not in the next ones.
TEST(DateTime, MomentsFindTheirDayWeekdayAndMinuteOnBothSidesOf1970)
{
    struct TRow {
        std::int64_t Seconds, Day;
        int Weekday;
        std::int64_t Minute;
    } rows[] = {
        {0, 0, 4, 0},                          // 1970-01-01 00:00:00, a Thursday
        {86399, 0, 4, 86340},                  // its last second
        {-1, -1, 3, -60},                      // 1969-12-31 23:59:59, a Wednesday
        {-86400, -1, 3, -86400},
        {-86401, -2, 2, -86460},
        {-61, -1, 3, -120},
        {1796774399, 20795, 2, 1796774340},    // 2026-12-08 23:59:59, a Tuesday
        {-62135596800, -719162, 1, -62135596800},  // 0001-01-01, a Monday
    };
    for (const TRow& r : rows) {
        EXPECT_EQ(DayOfSeconds(r.Seconds), r.Day) << r.Seconds;
        EXPECT_EQ(WeekdayOfDay(r.Day), r.Weekday) << r.Seconds;
        EXPECT_EQ(MinuteStart(r.Seconds), r.Minute) << r.Seconds;
        EXPECT_EQ(RecordOfSeconds(r.Seconds).wDayOfWeek, r.Weekday) << r.Seconds;
    }
}

}  // namespace
