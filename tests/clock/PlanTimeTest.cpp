#include "clock/PlanTime.h"

#include <gtest/gtest.h>

#include "../support/Moments.h"

namespace {

TSystemTime Rel(int month, int week, int dayOfWeek, int hour)
{
    return TSystemTime{0, static_cast<std::uint16_t>(month), static_cast<std::uint16_t>(dayOfWeek),
                       static_cast<std::uint16_t>(week), static_cast<std::uint16_t>(hour), 0, 0, 0};
}

TPlanZone ByRules(std::int32_t bias, TSystemTime standard = {}, TSystemTime daylight = {})
{
    TPlanZone zone;
    zone.Rules.Rule = {bias, 0, daylight.wMonth ? -60 : 0, standard, daylight};
    return zone;
}

// The system's rules of today: New York and Sydney change on the dates of the time-zone database.
const TPlanZone NewYork = ByRules(300, Rel(11, 1, 0, 2), Rel(3, 2, 0, 2));
const TPlanZone Sydney = ByRules(-600, Rel(4, 1, 0, 3), Rel(10, 1, 0, 2));
const TPlanZone Kiritimati = ByRules(-840);
const TPlanZone Baker = ByRules(720);  // UTC-12, a day behind Kiritimati at the same hour
const TPlanZone Utc = ByRules(0);

// The zone block as the catalogue decodes it: the bias, no dates, so no rules of its own.
TTimeZoneBlock Block(std::int32_t bias)
{
    TTimeZoneBlock block;
    block.Bias = bias;
    return block;
}

TEST(PlanTime, AMomentIsShownInEachFacesZoneAcrossChangesAndTheDateLine)
{
    const TZoneRules& nyRules = NewYork.Rules;
    const TPlanZone nyOwn = ZoneFacePlan(Block(300), &nyRules, true, false);
    const TPlanZone nyFixed = ZoneFacePlan(Block(300), &nyRules, false, false);
    const TPlanZone nyHour = ZoneFacePlan(Block(300), &nyRules, false, true);
    const TPlanZone nyUnknown = ZoneFacePlan(Block(300), nullptr, true, true);  // no rules known: no hour either
    // As the catalogue decodes New York's value: the stored standard date's hour lands in the
    // standard bias. Without a daylight date the system adds no period bias: UTC minus Bias.
    TTimeZoneBlock decoded = Block(300);
    decoded.StandardBias = 2;
    decoded.StandardDate.wDayOfWeek = 0xFFC4;
    const TPlanZone nyDecoded = ZoneFacePlan(decoded, nullptr, false, false);
    struct Case {
        const char* name;
        const TPlanZone& zone;
        TSystemTime utc, shown;
    } cases[] = {
        {"New York, own rules, winter", nyOwn, Moment(2026, 3, 8, 6, 59), Moment(2026, 3, 8, 1, 59)},
        {"New York, own rules, summer from the change", nyOwn, Moment(2026, 3, 8, 7), Moment(2026, 3, 8, 3)},
        {"New York, own rules, back to winter", nyOwn, Moment(2026, 11, 1, 6), Moment(2026, 11, 1, 1)},
        {"New York, standard time all year", nyFixed, Moment(2026, 7, 1, 12), Moment(2026, 7, 1, 7)},
        {"New York, the common hour all year", nyHour, Moment(2026, 1, 1, 12), Moment(2026, 1, 1, 8)},
        {"New York, rules unknown", nyUnknown, Moment(2026, 7, 1, 12), Moment(2026, 7, 1, 7)},
        {"New York, its block as decoded", nyDecoded, Moment(2026, 7, 1, 12), Moment(2026, 7, 1, 7)},
        {"Sydney, summer over the new year", Sydney, Moment(2026, 12, 31, 13), Moment(2027, 1, 1, 0)},
        {"Sydney, winter from April", Sydney, Moment(2026, 4, 4, 16), Moment(2026, 4, 5, 2)},
        {"Sydney, summer from October", Sydney, Moment(2026, 10, 3, 16), Moment(2026, 10, 4, 3)},
        {"Kiritimati, a day ahead", Kiritimati, Moment(2026, 12, 15, 11), Moment(2026, 12, 16, 1)},
        {"Baker, a day behind", Baker, Moment(2026, 12, 15, 11), Moment(2026, 12, 14, 23)},
        {"Baker, across the year back", Baker, Moment(2027, 1, 1, 3), Moment(2026, 12, 31, 15)},
    };
    for (const Case& c : cases) EXPECT_EQ(PlannedTime(c.zone, c.utc), c.shown) << c.name;
}

TEST(PlanTime, ATypedTimeNamesItsMomentAndTheChangesHoursAreReadOneWay)
{
    const TPlanZone nyHour = ZoneFacePlan(Block(300), nullptr, false, true);
    struct Case {
        const char* name;
        const TPlanZone& zone;
        TSystemTime wall, utc;
        bool shownAsTyped = true;
    } cases[] = {
        {"New York, winter", NewYork, Moment(2026, 12, 15, 9), Moment(2026, 12, 15, 14)},
        {"New York, summer", NewYork, Moment(2026, 7, 1, 9), Moment(2026, 7, 1, 13)},
        // 02:30 does not occur on 8 March: read on winter time it is 03:30 summer time.
        {"New York, the hour that does not exist", NewYork, Moment(2026, 3, 8, 2, 30), Moment(2026, 3, 8, 7, 30), false},
        // 01:30 occurs twice on 1 November: the first, still summer time.
        {"New York, the hour that occurs twice", NewYork, Moment(2026, 11, 1, 1, 30), Moment(2026, 11, 1, 5, 30)},
        {"New York, the hour after it", NewYork, Moment(2026, 11, 1, 2, 30), Moment(2026, 11, 1, 7, 30)},
        // Sydney sets its clocks forward in October and back in April.
        {"Sydney, the hour that does not exist", Sydney, Moment(2026, 10, 4, 2, 30), Moment(2026, 10, 3, 16, 30), false},
        {"Sydney, the hour that occurs twice", Sydney, Moment(2026, 4, 5, 2, 30), Moment(2026, 4, 4, 15, 30)},
        {"Sydney, summer over the new year", Sydney, Moment(2027, 1, 1, 0), Moment(2026, 12, 31, 13)},
        {"Kiritimati, a day ahead", Kiritimati, Moment(2026, 12, 16, 1), Moment(2026, 12, 15, 11)},
        {"Baker, a day behind", Baker, Moment(2026, 12, 14, 23), Moment(2026, 12, 15, 11)},
        {"the common hour, no changes", nyHour, Moment(2026, 3, 8, 2, 30), Moment(2026, 3, 8, 6, 30)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PlannedUtc(c.zone, c.wall), c.utc) << c.name;
        // The face then shows the time typed, but for one that does not exist: an hour on.
        const TSystemTime shown = c.shownAsTyped ? c.wall : IncMinutes(c.wall, 60);
        EXPECT_EQ(PlannedTime(c.zone, c.utc), shown) << c.name;
    }
}

TEST(PlanTime, TheSliderStepsQuartersFromTheLocalFacesHour)
{
    // Kolkata's half hour: the slider starts at its hour, not at UTC's.
    const TPlanZone kolkata = ByRules(-330);
    const TSystemTime start = PlanStart(kolkata, Moment(2026, 12, 15, 9, 47));
    EXPECT_EQ(start, Moment(2026, 12, 15, 9, 30));
    EXPECT_EQ(PlanStart(NewYork, Moment(2026, 3, 8, 7, 10)), Moment(2026, 3, 8, 7));
    EXPECT_EQ(PlanMomentAt(start, 5), Moment(2026, 12, 15, 10, 45));
    EXPECT_EQ(PlanMomentAt(start, PlanSteps + 3), Moment(2026, 12, 17, 9, 30));
    struct Case {
        TSystemTime moment;
        int step;
    } cases[] = {
        {Moment(2026, 12, 15, 9, 30), 0},  {Moment(2026, 12, 15, 9, 44), 0},   {Moment(2026, 12, 15, 9, 45), 1},
        {Moment(2026, 12, 15, 9, 29), 0},  {Moment(2026, 12, 17, 9, 30), 192}, {Moment(2027, 1, 1, 0), PlanSteps},
        {Moment(2026, 12, 16, 9, 30), 96},
    };
    for (const Case& c : cases) EXPECT_EQ(PlanStepOf(start, c.moment), c.step) << c.moment.wDay << " " << c.moment.wHour;
}

TEST(PlanTime, WorkingHoursDatesColoursAndTheCopiedLine)
{
    EXPECT_FALSE(InWorkingHours(Moment(2026, 1, 1, 7, 59)));
    EXPECT_TRUE(InWorkingHours(Moment(2026, 1, 1, 8)));
    EXPECT_TRUE(InWorkingHours(Moment(2026, 1, 1, 17, 59)));
    EXPECT_FALSE(InWorkingHours(Moment(2026, 1, 1, 18)));
    EXPECT_TRUE(SameDate(Moment(2026, 1, 1, 0), Moment(2026, 1, 1, 23, 59)));
    EXPECT_FALSE(SameDate(Moment(2026, 1, 1, 0), Moment(2027, 1, 1, 0)));
    EXPECT_EQ(DimmedColour(0x00FF0000), 0x00BF4040u);
    EXPECT_EQ(DimmedColour(0x0000FFFF), 0x0040BFBFu);

    const std::vector<TPlanPart> parts = {
        {"Tue 15 Dec 2026", "15:00", "Local time", true},
        {"Tue 15 Dec 2026", "09:00", "New York", false},
        {"Wed 16 Dec 2026", "00:00", "Tokyo", true},
        {"", "2:00 PM", "", false},
    };
    EXPECT_EQ(PlanLine(parts, " | "), "Tue 15 Dec 2026 15:00 Local time | 09:00 New York | Wed 16 Dec 2026 00:00 Tokyo | 2:00 PM");
    EXPECT_EQ(PlanLine({}, " | "), "");

    // The dates a moment can be typed on: a day either side stays within the calendar.
    for (const auto& [wall, plannable] : {std::pair{Moment(1753, 1, 2, 0), true}, std::pair{Moment(1753, 1, 1, 23, 59), false},
                                          std::pair{Moment(9999, 12, 29, 23, 59), true}, std::pair{Moment(9999, 12, 30, 0), false}}) {
        EXPECT_EQ(PlannableDate(wall), plannable) << wall.wYear;
        if (plannable) EXPECT_NO_THROW(PlannedUtc(Sydney, wall)) << wall.wYear;
    }
}

}  // namespace
