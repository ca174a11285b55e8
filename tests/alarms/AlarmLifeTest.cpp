#include "alarms/AlarmLife.h"

#include "../support/AlarmLife.h"
#include "AddAlarm.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

namespace {

class TSeeded : public life::TChoices {
public:
    explicit TSeeded(unsigned seed) : random_(seed) {}
    unsigned Pick(unsigned n) override { return n ? static_cast<unsigned>(random_() % n) : 0; }

private:
    std::mt19937 random_;
};

// Lives of a few alarms each: adds, edits with OK and Cancel, kind changes, "Remind later" by
// every item, message windows closed, ticks with jitter, sleep, the clock set back and forward,
// zone changes, exits, kills. After every step the program rang what the model rings, nothing
// rang while its dialog was open, and the file holds what was confirmed. DOVIZ_LIFE_SEED replays
// one life.
TEST(AlarmLife, RandomLivesRingWhatTheModelRings)
{
    unsigned first = 1, lives = 3000;
    if (const char* seed = std::getenv("DOVIZ_LIFE_SEED")) {
        first = static_cast<unsigned>(std::strtoul(seed, nullptr, 10));
        lives = 1;
    }
    for (unsigned seed = first; seed < first + lives; ++seed) {
        TSeeded choices(seed);
        // One life in five with AutoSaveData off: nothing is written, and a restart goes back to
        // the file as it was.
        life::TLife life(choices, seed % 5 != 0);
        bool ok = true;
        for (int step = 0; step < 80 && ok; ++step) ok = life.Step();
        if (!ok) {
            ADD_FAILURE() << "life " << seed << ": " << life.Failure() << "\nreplay: DOVIZ_LIFE_SEED=" << seed
                          << " doviz_core_tests --gtest_filter=AlarmLife.*\n"
                          << life.Trace();
            return;
        }
    }
}

// The faults that one rule per path left, each a short life through the same calls the windows make.
class AlarmRule : public ::testing::Test {
protected:
    ~AlarmRule() override { FreeAlarms(list); }

    TAlarm& Add(TAlarmKind kind, const TSystemTime& time, const char* mask = "")
    {
        return AddAlarm(list, "", kind, time, mask);
    }

    // A tick at a local time, UTC running offset hours behind.
    void Tick(const TSystemTime& local, int offset = 0)
    {
        scheduler.Tick(list, {local, IncMinutes(local, -60.0 * offset)}, [&](TAlarm& a) {
            ++rings;
            DisableAfterSignal(a);
        });
    }

    // A tick a second from a moment on, for a number of seconds.
    void Run(const TSystemTime& from, int seconds, int offset = 0)
    {
        for (int i = 0; i < seconds; ++i) Tick(IncMinutes(from, i / 60.0), offset);
    }

    // "Remind later", "Custom ..." and Cancel after some ticks with the dialog open.
    void CustomThenCancel(TAlarm& a, const TSystemTime& now)
    {
        TOpenDialog dialog;
        a.PropDialog = &dialog;
        Run(now, 3);
        a.PropDialog = nullptr;
    }

    // The properties dialog's OK with new values.
    static void Confirm(TAlarm& a, TAlarmKind kind, const char* mask = "")
    {
        const TAlarmKind was = a.Kind;
        a.Kind = kind;
        a.CronMask = mask;
        ArmAlarm(a, was);
    }

    struct TOpenDialog : TAlarmWindow {
        void DetachAlarm() override {}
    };

    TAlarmScheduler scheduler;
    TOvList<TAlarm> list;
    int rings = 0;
};

TEST_F(AlarmRule, RemindLaterThenCancelPutsTheAlarmBack)
{
    TAlarm& reminder = Add(akReminder, Moment(2026, 12, 9, 1, 2, 40));
    reminder.OneTime = true;
    TAlarm& daily = Add(akUsual, Moment(2026, 12, 9, 1, 2, 41));
    Run(Moment(2026, 12, 9, 1, 2, 30), 20);
    ASSERT_EQ(rings, 2);
    const TSystemTime dailyTime = daily.SignalTime;
    CustomThenCancel(reminder, Moment(2026, 12, 9, 1, 3, 8));
    CustomThenCancel(daily, Moment(2026, 12, 9, 1, 3, 12));
    Run(Moment(2026, 12, 9, 1, 3, 20), 120);
    EXPECT_EQ(rings, 2) << "nothing rings again";
    EXPECT_FALSE(reminder.Enabled);
    EXPECT_EQ(daily.SignalTime, dailyTime) << "the daily time stays";
}

TEST_F(AlarmRule, AKindChangedToCronForgetsTheOldMoment)
{
    TAlarm& reminder = Add(akReminder, Moment(2026, 12, 9, 10, 5, 0));
    TAlarm& usual = Add(akUsual, Moment(2026, 12, 9, 17, 0, 0));
    Tick(Moment(2026, 12, 9, 10, 0, 0));
    Confirm(reminder, akCron, "0 3 * * *");
    Confirm(usual, akCron, "0 3 * * *");
    Run(Moment(2026, 12, 9, 10, 0, 1), 10);
    Tick(Moment(2026, 12, 9, 10, 6, 0));   // past the reminder's moment
    Tick(Moment(2026, 12, 9, 17, 30, 0));  // past the usual time
    EXPECT_EQ(rings, 0);
}

TEST_F(AlarmRule, OnceADayReminderMovedLaterTodayRingsThen)
{
    TAlarm& reminder = Add(akReminder, Moment(2026, 12, 9, 8, 0, 0));
    reminder.OnceADay = true;
    Run(Moment(2026, 12, 9, 7, 59, 59), 2);
    ASSERT_EQ(rings, 1);
    // "Custom ..." with 15:00 today, once a day still ticked, and OK.
    reminder.SignalTime = Moment(2026, 12, 9, 15, 0, 0);
    ArmAlarm(reminder, akReminder);
    Run(Moment(2026, 12, 9, 14, 59, 59), 2);
    EXPECT_EQ(rings, 2);
}

// The zone moves the local clock on an hour with no time passing: the usual alarm in the skipped
// hour waits for tomorrow; a one-time reminder in it rings, late, as nothing else would ring it.
TEST_F(AlarmRule, AZoneChangeRingsNothingItSkippedButAReminder)
{
    Add(akUsual, Moment(2000, 1, 1, 11, 30, 0));
    Add(akReminder, Moment(2026, 12, 9, 11, 40, 0)).OneTime = true;
    Tick(Moment(2026, 12, 9, 11, 0, 0), 0);
    Tick(Moment(2026, 12, 9, 12, 0, 1), 1);
    EXPECT_EQ(rings, 1);
    // After sleep, where time did pass, the usual alarm still catches up.
    Tick(Moment(2026, 12, 10, 12, 0, 0), 1);
    EXPECT_EQ(rings, 2);
}

}  // namespace
