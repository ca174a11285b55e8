#include "alarms/AlarmActions.h"
#include "alarms/AlarmLife.h"
#include "alarms/RingLoop.h"

#include "../support/Moments.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

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
    // A cron alarm keeps ringing once a day by its mask; its moment is kept apart from SignalTime.
    TAlarm cron;
    cron.Kind = akCron;
    cron.OnceADay = true;
    RemindLater(cron, Moment(2026, 6, 1, 12, 0, 5), 5);
    EXPECT_TRUE(cron.OnceADay);
    EXPECT_EQ(cron.SignalTime, TSystemTime{});
    EXPECT_EQ(RecordOfSeconds(cron.RemindAt), Moment(2026, 6, 1, 12, 5, 5));
}

TEST(RemindLater, OnlyAPlainReminderMoreThanAMinuteLateSaysWhenItWasDue)
{
    const struct {
        TAlarmKind kind;
        bool onceADay;
        int secondsLate;
        bool late;
    } cases[] = {{akReminder, false, 3600, true}, {akReminder, false, 61, true}, {akReminder, false, 60, false},
                 {akReminder, true, 3600, false}, {akUsual, false, 3600, false}, {akCron, false, 3600, false}};
    for (const auto& c : cases) {
        TAlarm alarm;
        alarm.Kind = c.kind;
        alarm.OnceADay = c.onceADay;
        alarm.SignalTime = Moment(2026, 6, 1, 8, 0, 0);
        const TSystemTime now = IncMinutes(alarm.SignalTime, c.secondsLate / 60.0);
        EXPECT_EQ(RingsLate(alarm, now), c.late) << c.kind << c.onceADay << c.secondsLate;
    }
    TAlarm noDate;
    noDate.Kind = akReminder;
    EXPECT_FALSE(RingsLate(noDate, Moment(2026, 6, 1, 8, 0, 0)));
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

class TSounds : public TSoundPlayer {
public:
    void PlayAlias(const std::string& alias) override { Heard += "alias " + alias + ";"; }
    void PlayFile(const std::string& file) override { Heard += "file " + file + ";"; }
    void Loop(const std::string& sound, bool alias) override { Heard += "loop " + sound + (alias ? "*;" : ";"); }
    void Stop() override { Heard += "stop;"; }
    std::string Heard;
};

// The loop's start and every way it stops: one sound at a time, the newest; an older window's
// close leaves it playing; ten minutes end each ring on its own.
TEST(RingLoop, PlaysTheNewestRingingSoundUntilHeard)
{
    TAlarm def, file, silent;
    def.SoundOn = file.SoundOn = true;
    def.SoundFile = DefaultSoundName;
    file.SoundFile = "C:\\ring.wav";
    TSounds sounds;
    TRingLoop loop(&sounds);
    int a = 0, b = 0, c = 0;
    std::vector<const void*> expired;
    const struct {
        const char* what;
        std::function<void()> act;
        const char* heard;
    } steps[] = {
        {"no sound, no loop", [&] { loop.Start(&c, silent, 0); }, ""},
        {"first window", [&] { loop.Start(&a, def, 0); }, "loop .Default*;"},
        {"the same window again", [&] { loop.Start(&a, def, 5); }, ""},
        {"a newer one takes over", [&] { loop.Start(&b, file, 100); }, "loop C:\\ring.wav;"},
        {"the older one closes: the newer plays on", [&] { loop.Stop(&a); }, ""},
        {"a window not ringing", [&] { loop.Stop(&c); }, ""},
        {"again the first", [&] { loop.Start(&a, def, 200); }, "loop .Default*;"},
        {"the newest closes: the older sounds again", [&] { loop.Stop(&a); }, "loop C:\\ring.wav;"},
        {"not yet ten minutes", [&] { expired = loop.Expire(699); }, ""},
        {"ten minutes", [&] { expired = loop.Expire(700); }, "stop;"},
        {"stopped once", [&] { loop.Stop(&b); }, ""},
    };
    for (const auto& step : steps) {
        sounds.Heard.clear();
        step.act();
        EXPECT_EQ(sounds.Heard, step.heard) << step.what;
    }
    EXPECT_EQ(expired, std::vector<const void*>{&b});
    EXPECT_FALSE(loop.Ringing(&a) || loop.Ringing(&b));
}

}  // namespace
