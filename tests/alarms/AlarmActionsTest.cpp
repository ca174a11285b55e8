#include "alarms/AlarmActions.h"

#include "Moment.h"

#include <gtest/gtest.h>

namespace {

TEST(RemindLater, MovesTheMomentOnAndArmsTheAlarm)
{
    const struct {
        TSystemTime now;
        int minutes;
        TSystemTime expected;  // day of week left as the alarm had it
    } cases[] = {
        {Moment(2026, 3, 14, 23, 58, 10), 5, Moment(2026, 3, 15, 0, 3, 10)},
        {Moment(2026, 12, 31, 23, 59, 30, 250), 1, Moment(2027, 1, 1, 0, 0, 30, 250)},
        {Moment(2024, 2, 28, 23, 50, 0), 15, Moment(2024, 2, 29, 0, 5, 0)},
        {Moment(2026, 6, 1, 7, 0, 20), 10, Moment(2026, 6, 1, 7, 10, 20)},
    };
    for (const auto& c : cases) {
        TAlarm alarm;
        alarm.Kind = akReminder;
        alarm.OnceADay = true;
        alarm.SignalTime.wDayOfWeek = 4;
        RemindLater(alarm, c.now, c.minutes);
        TSystemTime expected = c.expected;
        expected.wDayOfWeek = 4;
        EXPECT_EQ(alarm.SignalTime, expected) << c.minutes;
        EXPECT_TRUE(alarm.Enabled);
        EXPECT_FALSE(alarm.OnceADay);
        EXPECT_EQ(alarm.Kind, akReminder);
    }
}

class TSomeWindow : public TAlarmWindow {
public:
    void DetachAlarm() override {}
};

TEST(FinishedAlarm, OnlyADisabledRemovableAlarmThatNothingHolds)
{
    TSomeWindow window;
    const struct {
        bool enabled, remove, hasWindow, hasDialog, finished;
    } cases[] = {
        {false, true, false, false, true},  {true, true, false, false, false}, {false, false, false, false, false},
        {false, true, true, false, false},  {false, true, false, true, false},
    };
    for (const auto& c : cases) {
        TAlarm alarm;
        alarm.Enabled = c.enabled;
        alarm.RemoveAfterSignal = c.remove;
        if (c.hasWindow) alarm.MessageWindows.Add(&window);
        if (c.hasDialog) alarm.PropDialog = &window;
        EXPECT_EQ(IsFinishedAlarm(alarm), c.finished) << c.enabled << c.remove << c.hasWindow << c.hasDialog;
        alarm.MessageWindows.Clear();
    }
}

}  // namespace
