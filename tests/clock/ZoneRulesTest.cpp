#include "clock/ZoneRules.h"

#include <gtest/gtest.h>

#include "../support/Moments.h"

namespace {

TSystemTime Rel(int month, int week, int dayOfWeek, int hour, int minute = 0, int second = 0, int ms = 0)
{
    return TSystemTime{0, static_cast<std::uint16_t>(month), static_cast<std::uint16_t>(dayOfWeek),
                       static_cast<std::uint16_t>(week), static_cast<std::uint16_t>(hour),
                       static_cast<std::uint16_t>(minute), static_cast<std::uint16_t>(second),
                       static_cast<std::uint16_t>(ms)};
}

// The zones' rules as the system describes them today.
const TZoneRule NewYork{300, 0, -60, Rel(11, 1, 0, 2), Rel(3, 2, 0, 2)};
const TZoneRule London{0, 0, -60, Rel(10, 5, 0, 2), Rel(3, 5, 0, 1)};
const TZoneRule Sydney{-600, 0, -60, Rel(4, 1, 0, 3), Rel(10, 1, 0, 2)};
const TZoneRule Santiago{240, 0, -60, Rel(4, 1, 6, 23, 59, 59, 999), Rel(9, 1, 6, 23, 59, 59, 999)};
const TZoneRule Tokyo{-540, 0, 0, {}, {}};

// Transition instants from the IANA time-zone database, typed in by hand: the offset in
// minutes just before the instant and from it on.
TEST(ZoneRules, OffsetsAroundEachTransitionMatchTheTimeZoneDatabase)
{
    struct Case {
        const char* zone;
        const TZoneRule& rule;
        TSystemTime at;
        int before, after;
    } cases[] = {
        {"New York", NewYork, Moment(2026, 3, 8, 7), -300, -240},
        {"New York", NewYork, Moment(2026, 11, 1, 6), -240, -300},
        {"New York", NewYork, Moment(2027, 3, 14, 7), -300, -240},
        {"New York", NewYork, Moment(2027, 11, 7, 6), -240, -300},
        // Last Sunday: the fifth in March 2026, the fourth in October 2026.
        {"London", London, Moment(2026, 3, 29, 1), 0, 60},
        {"London", London, Moment(2026, 10, 25, 1), 60, 0},
        {"London", London, Moment(2027, 3, 28, 1), 0, 60},
        {"London", London, Moment(2027, 10, 31, 1), 60, 0},
        // Daylight time across the new year.
        {"Sydney", Sydney, Moment(2026, 4, 4, 16), 660, 600},
        {"Sydney", Sydney, Moment(2026, 10, 3, 16), 600, 660},
        {"Sydney", Sydney, Moment(2027, 4, 3, 16), 660, 600},
        {"Sydney", Sydney, Moment(2027, 10, 2, 16), 600, 660},
        {"Sydney", Sydney, Moment(2026, 12, 31, 13), 660, 660},
        // At the end of a Saturday, written 23:59:59.999.
        {"Santiago", Santiago, Moment(2026, 4, 5, 3), -180, -240},
        {"Santiago", Santiago, Moment(2026, 9, 6, 4), -240, -180},
        {"Santiago", Santiago, Moment(2027, 4, 4, 3), -180, -240},
        {"Santiago", Santiago, Moment(2027, 9, 5, 4), -240, -180},
        {"Tokyo", Tokyo, Moment(2026, 7, 1, 0), 540, 540},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.zone << " " << c.at.wYear << "-" << c.at.wMonth << "-" << c.at.wDay);
        EXPECT_EQ(ZoneOffsetAt(c.rule, IncMinutes(c.at, -1.0 / 60)), c.before);
        EXPECT_EQ(ZoneOffsetAt(c.rule, c.at), c.after);
    }
}

TEST(ZoneRules, LocalTimeOfAMomentInEachSeason)
{
    const TZoneRules sydney{Sydney, 0, {}};
    EXPECT_EQ(ZoneLocalTime(sydney, Moment(2026, 1, 15, 12)), IncMinutes(Moment(2026, 1, 15, 23), 0));
    EXPECT_EQ(ZoneLocalTime(sydney, Moment(2026, 7, 15, 12)), IncMinutes(Moment(2026, 7, 15, 22), 0));
    // New Year's Eve in UTC is already New Year's Day in Sydney, in daylight time.
    EXPECT_EQ(ZoneLocalTime(sydney, Moment(2026, 12, 31, 13, 30)), IncMinutes(Moment(2027, 1, 1, 0, 30), 0));
}

TEST(ZoneRules, PerYearRulesApplyToTheirYearAndTheNearestOutsideTheRange)
{
    // Daylight time in 2010, none from 2011 (a zone that gave it up).
    TZoneRules rules{NewYork, 2010, {NewYork, {300, 0, 0, {}, {}}}};
    EXPECT_EQ(rules.ForYear(2000), rules.Years[0]);
    EXPECT_EQ(rules.ForYear(2011), rules.Years[1]);
    EXPECT_EQ(rules.ForYear(2030), rules.Years[1]);
    EXPECT_EQ(ZoneLocalTime(rules, Moment(2010, 7, 1, 12)), IncMinutes(Moment(2010, 7, 1, 8), 0));
    EXPECT_EQ(ZoneLocalTime(rules, Moment(2026, 7, 1, 12)), IncMinutes(Moment(2026, 7, 1, 7), 0));
    EXPECT_EQ(TZoneRules{London}.ForYear(1990), London);
}

TEST(ZoneRules, ImpossibleDatesMeanStandardTime)
{
    TZoneRule bad = NewYork;
    bad.DaylightDate.wDay = 6;
    EXPECT_EQ(ZoneOffsetAt(bad, Moment(2026, 7, 1, 12)), -300);
    bad = NewYork;
    bad.StandardDate.wMonth = 13;
    EXPECT_EQ(ZoneOffsetAt(bad, Moment(2026, 7, 1, 12)), -300);
    // An absolute date counts in its own year only.
    TZoneRule once{300, 0, -60, Moment(2026, 11, 1, 6), Moment(2026, 3, 8, 2)};
    EXPECT_EQ(ZoneOffsetAt(once, Moment(2026, 7, 1, 12)), -240);
    EXPECT_EQ(ZoneOffsetAt(once, Moment(2026, 12, 1, 12)), -300);
}

TEST(ZoneRules, DecodedInTheSystemsOwnOrder)
{
    // Pacific Standard Time as the system stores it: 480, 0, -60, first Sunday of November 2:00,
    // second Sunday of March 2:00.
    const std::uint8_t value[44] = {0xE0, 0x01, 0, 0, 0, 0, 0, 0, 0xC4, 0xFF, 0xFF, 0xFF, 0, 0, 11, 0, 0, 0, 1, 0, 2, 0,
                                    0, 0, 0, 0, 0, 0, 0, 0, 3, 0, 0, 0, 2, 0, 2, 0, 0, 0, 0, 0, 0, 0};
    const TZoneRule rule = DecodeZoneRule(value, sizeof value);
    EXPECT_EQ(rule, (TZoneRule{480, 0, -60, Rel(11, 1, 0, 2), Rel(3, 2, 0, 2)}));
    EXPECT_EQ(DecodeZoneRule(value, 4), (TZoneRule{480, 0, 0, {}, {}}));
}

}  // namespace
