#include "alarms/NextRing.h"

#include "alarms/AlarmLife.h"
#include "alarms/AlarmScheduler.h"

#include "AddAlarm.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>

namespace {

std::int64_t Seconds(const TSystemTime& t)
{
    std::int64_t s = 0;
    SecondsOf(t, s);
    return s;
}

TAlarm* Make(TOvList<TAlarm>& list, const std::string& name, TAlarmKind kind, const TSystemTime& time,
             const std::string& mask = "", bool onceADay = false, bool oneTime = false)
{
    return &AddAlarm(list, name, kind, time, mask, onceADay, oneTime);
}

std::int64_t MinuteOf(const TAlarmStamp& s)
{
    return Seconds(Moment(s.Year, s.Month, s.Day, s.Hour, s.Minute, 0));
}

// What was announced, and what a ring for it leaves behind to say which moment it rang for.
struct TAnnounced {
    std::optional<std::int64_t> At;
    enum { Tick, LastRung, CronMinute } Rings = Tick;
};

// A year of ticks a second to ten minutes apart (less than any two moments of one alarm), the
// clock set back now and then, "Remind later" on some rings: every tick rings exactly the alarms
// whose announced moment it passed, each for the moment announced (a once-a-day reminder, and a
// "Remind later" moment, at the first tick at or after it).
TEST(NextRing, AYearOfTicksRingsWhatWasAnnounced)
{
    TOvList<TAlarm> list;
    Make(list, "usual", akUsual, Moment(2026, 1, 1, 7, 30, 15));
    Make(list, "reminder", akReminder, Moment(2026, 3, 14, 9, 0, 0));
    Make(list, "one-time", akReminder, Moment(2026, 8, 1, 18, 45, 30), "", false, true);
    Make(list, "daily reminder", akReminder, Moment(2026, 2, 2, 12, 0, 0), "", true);
    Make(list, "weekdays", akCron, {}, "0,30 8 * 2,3,4,5,6 *");
    Make(list, "daily cron", akCron, {}, "0,20,40 * * * *", true);
    Make(list, "yearly", akCron, {}, "0 9 13 * 6");
    Make(list, "31 February", akCron, {}, "0 0 31 * 2");
    Make(list, "disabled", akUsual, Moment(2026, 1, 1, 10, 0, 0))->Enabled = false;

    std::mt19937 random(24);
    TAlarmScheduler scheduler;
    std::int64_t now = Seconds(Moment(2026, 1, 1, 0, 0, 0));
    std::map<const TAlarm*, TAnnounced> announced;
    auto announce = [&](const TAlarm* a) {
        TAnnounced& n = announced[a];
        n.At = NextRing(*a, now);
        const bool exact = a->Kind == akUsual || (a->Kind == akReminder && !a->OnceADay);
        n.Rings = exact ? TAnnounced::LastRung
                        : a->Kind == akCron && n.At != a->RemindAt ? TAnnounced::CronMinute : TAnnounced::Tick;
    };
    std::map<std::string, int> rings;
    auto tick = [&](std::int64_t at) {
        const std::int64_t before = now;
        now = at;
        const TSystemTime t = RecordOfSeconds(at);
        std::map<const TAlarm*, bool> rang;
        scheduler.Tick(list, {t, t}, [&](TAlarm& a) {
            rang[&a] = true;
            ++rings[a.Name];
            DisableAfterSignal(a);
            if (random() % 4 == 0) RemindLater(a, t, 1 + static_cast<int>(random() % 15));
        });
        for (int i = 0; i < list.Count(); ++i) {
            const TAlarm* a = list.Items(i);
            const TAnnounced& next = announced[a];
            const bool due = next.At && before < *next.At && *next.At <= at;
            ASSERT_EQ(rang[a], due) << a->Name << " at " << at << ", announced " << next.At.value_or(-1);
            if (due && next.Rings == TAnnounced::LastRung) {
                EXPECT_EQ(a->LastRung, *next.At) << a->Name;
            }
            if (due && next.Rings == TAnnounced::CronMinute) {
                EXPECT_EQ(MinuteOf(a->LastSignalled), *next.At) << a->Name;
            }
            // Recomputed from wherever the clock stands, as the dialog and the tip do.
            if (rang[a] || at <= before || random() % 200 == 0) announce(a);
        }
    };
    // The first tick judges its own second alone.
    --now;
    for (int i = 0; i < list.Count(); ++i) announce(list.Items(i));
    tick(now + 1);
    const std::int64_t end = now + 365 * 86400LL;
    while (now < end && !HasFatalFailure()) {
        const bool setBack = random() % 2000 == 0;
        tick(setBack ? now - 600 - static_cast<std::int64_t>(random() % 3000) : now + 1 + random() % 600);
    }
    EXPECT_FALSE(NextRing(*list.Items(7), now)) << "a mask that never matches";
    // Each kind had its rings: the walk tried what it claims to.
    for (const char* name : {"usual", "reminder", "one-time", "daily reminder", "weekdays", "daily cron", "yearly"})
        EXPECT_GT(rings[name], 0) << name;
    FreeAlarms(list);
}

struct TTextCase {
    const char* what;
    TAlarmKind kind;
    TSystemTime time;
    const char* mask;
    bool enabled, onceADay;
    const char* text;
};

TEST(NextRing, TheDialogSaysWhenItRings)
{
    // Now: Monday 2026-03-02 00:18:00.
    const std::int64_t now = Seconds(Moment(2026, 3, 2, 0, 18, 0));
    const TTextCase cases[] = {
        {"usual, later today", akUsual, Moment(2020, 1, 1, 7, 30, 0), "", true, false, "Rings in 7 h 12 min (Mon 07:30)"},
        {"usual, passed today", akUsual, Moment(2020, 1, 1, 0, 10, 0), "", true, false, "Rings in 23 h 52 min (Tue 00:10)"},
        {"a day less seconds", akUsual, Moment(2020, 1, 1, 0, 17, 30), "", true, false, "Rings in 1 day (Tue 00:17)"},
        {"seconds away", akUsual, Moment(2020, 1, 1, 0, 18, 20), "", true, false, "Rings in 1 min (Mon 00:18)"},
        {"reminder, days ahead", akReminder, Moment(2026, 3, 6, 9, 0, 0), "", true, false, "Rings in 4 days (Fri 09:00)"},
        {"reminder, one day", akReminder, Moment(2026, 3, 3, 9, 0, 0), "", true, false, "Rings in 1 day (Tue 09:00)"},
        {"reminder passed", akReminder, Moment(2026, 3, 1, 9, 0, 0), "", true, false, "Will not ring: the moment has passed"},
        {"once a day, passed", akReminder, Moment(2026, 3, 1, 9, 0, 0), "", true, true, "Rings in 1 min (Mon 00:18)"},
        {"disabled", akUsual, Moment(2020, 1, 1, 7, 30, 0), "", false, false, "Will not ring: the alarm is disabled"},
        {"cron", akCron, {}, "0 9 * * *", true, false, "Rings every minute that matches"},
        {"cron once a day", akCron, {}, "0 9 * 4 *", true, true, "Rings in 2 days (Wed 09:00)"},
        {"31 February", akCron, {}, "0 0 31 * 2", true, true, "The cron mask never matches"},
        {"30 February, every minute", akCron, {}, "* * 30 * 2", true, false, "The cron mask never matches"},
    };
    for (const TTextCase& c : cases) {
        TAlarm a;
        a.Kind = c.kind;
        a.SignalTime = c.time;
        a.CronMask = c.mask;
        a.Enabled = c.enabled;
        a.OnceADay = c.onceADay;
        EXPECT_EQ(NextRingText(a, now), c.text) << c.what;
    }
}

TEST(NextRing, TheTipNamesTheSoonestAlarm)
{
    TOvList<TAlarm> list;
    const std::int64_t now = Seconds(Moment(2026, 3, 2, 12, 0, 0));
    EXPECT_EQ(NextAlarmTip(list, now), "Doviz Clock");
    Make(list, "Later", akUsual, Moment(2020, 1, 1, 11, 0, 0));
    Make(list, "Wake up", akReminder, Moment(2026, 3, 3, 7, 30, 0));
    Make(list, "Off", akUsual, Moment(2020, 1, 1, 12, 5, 0))->Enabled = false;
    EXPECT_EQ(NextAlarmTip(list, now), "Doviz Clock \x96 next alarm Tue 07:30 Wake up");
    // The wake timer's moment is in UTC: two hours east of it, 05:30.
    EXPECT_EQ(NextWakeUtc(list, now, now - 7200), Seconds(Moment(2026, 3, 3, 5, 30, 0)));
    FreeAlarms(list);
    EXPECT_EQ(NextWakeUtc(list, now, now), std::nullopt);
}

}  // namespace
