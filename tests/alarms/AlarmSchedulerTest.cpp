#include "alarms/AlarmScheduler.h"

#include "alarms/AlarmFile.h"
#include "alarms/AlarmLife.h"

#include "AddAlarm.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cmath>
#include <cstdio>
#include <map>
#include <random>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

TSystemTime At(int y, int mo, int d, int h, int mi, int s, int ms = 500)
{
    return Moment(y, mo, d, h, mi, s, ms);
}

// The next second, by plain calendar counting.
void NextSecond(TSystemTime& t)
{
    if (++t.wSecond < 60) return;
    t.wSecond = 0;
    if (++t.wMinute < 60) return;
    t.wMinute = 0;
    if (++t.wHour < 24) return;
    t.wHour = 0;
    t.wDayOfWeek = (t.wDayOfWeek + 1) % 7;
    if (++t.wDay <= DaysInMonth(t.wYear, t.wMonth)) return;
    t.wDay = 1;
    if (++t.wMonth <= 12) return;
    t.wMonth = 1;
    ++t.wYear;
}

struct TSignal {
    std::string name;
    TSystemTime at;
};

class Scheduler : public ::testing::Test {
protected:
    ~Scheduler() override { FreeAlarms(list); }

    TAlarm& Add(const std::string& name, TAlarmKind kind, TSystemTime time = {}, const std::string& mask = "",
                bool onceADay = false)
    {
        return AddAlarm(list, name, kind, time, mask, onceADay);
    }

    // Local time and UTC read alike: no zone, no summer time.
    void Tick(const TSystemTime& now)
    {
        scheduler.Tick(list, {now, now}, [&](TAlarm& a) {
            signals.push_back({a.Name, now});
            if (a.OneTime) DeleteAlarm(list, list.IndexOf(&a));
        });
    }

    // One tick a second from the first moment for a number of seconds.
    void Run(TSystemTime from, long seconds)
    {
        for (long i = 0; i < seconds; ++i, NextSecond(from)) Tick(from);
    }

    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const auto& s : signals) names.push_back(s.name);
        return names;
    }

    TAlarmScheduler scheduler;
    TOvList<TAlarm> list;
    std::vector<TSignal> signals;
};

constexpr std::int64_t Day = 86400;  // 64 bits: a year of milliseconds overflows a Windows long

TEST_F(Scheduler, UsualAlarmSignalsDailyWhateverItsDate)
{
    Add("wake", akUsual, At(1990, 1, 1, 7, 30, 0, 0));
    Run(At(2026, 3, 1, 0, 0, 0), 3 * Day);
    ASSERT_EQ(signals.size(), 3u);
    for (int d = 0; d < 3; ++d) {
        EXPECT_EQ(signals[d].at.wDay, 1 + d);
        EXPECT_EQ(signals[d].at.wHour * 3600 + signals[d].at.wMinute * 60 + signals[d].at.wSecond, 7 * 3600 + 30 * 60);
    }
}

// Each row: ticks in order, and how many signals a usual 07:30:00 alarm gives.
TEST_F(Scheduler, UsualAlarmSignalsOnceForEachPassingOfItsSecond)
{
    const struct {
        const char* why;
        std::vector<TSystemTime> ticks;
        size_t signals;
    } cases[] = {
        {"two ticks in its second", {At(2026, 3, 1, 7, 30, 0, 0), At(2026, 3, 1, 7, 30, 0, 999)}, 1},
        {"a late tick steps over it", {At(2026, 3, 1, 7, 29, 59, 900), At(2026, 3, 1, 7, 30, 1, 100)}, 1},
        {"the first tick counts its own second only", {At(2026, 3, 1, 7, 30, 1)}, 0},
        {"asleep over it", {At(2026, 3, 1, 1, 0, 0), At(2026, 3, 1, 9, 0, 0), At(2026, 3, 1, 9, 0, 1)}, 1},
        {"asleep for two days", {At(2026, 3, 1, 1, 0, 0), At(2026, 3, 3, 9, 0, 0)}, 1},
        {"clock moved back: its own second only", {At(2026, 3, 1, 8, 0, 0), At(2026, 3, 1, 7, 0, 0)}, 0},
        {"clock moved back onto it: rung already", {At(2026, 3, 1, 7, 30, 0), At(2026, 3, 1, 7, 29, 0), At(2026, 3, 1, 7, 30, 0)}, 1},
        {"clock moved back a day onto it", {At(2026, 3, 2, 7, 30, 0), At(2026, 3, 1, 7, 29, 59), At(2026, 3, 1, 7, 30, 0)}, 2},
        {"across midnight", {At(2026, 3, 1, 23, 59, 59), At(2026, 3, 2, 7, 30, 0)}, 1},
    };
    for (const auto& c : cases) {
        FreeAlarms(list);
        signals.clear();
        scheduler.Reset();
        Add("wake", akUsual, At(2026, 1, 1, 7, 30, 0));
        for (const auto& t : c.ticks) Tick(t);
        EXPECT_EQ(signals.size(), c.signals) << c.why;
    }
}

// A tick that comes while an earlier one is still in an action does nothing.
TEST_F(Scheduler, NestedTickDoesNothing)
{
    Add("a", akUsual, At(2026, 1, 1, 9, 0, 0));
    Add("b", akUsual, At(2026, 1, 1, 9, 0, 1));
    const TSystemTime first = At(2026, 6, 1, 9, 0, 0), nested = At(2026, 6, 1, 9, 0, 1);
    scheduler.Tick(list, {first, first}, [&](TAlarm& a) {
        signals.push_back({a.Name, first});
        scheduler.Tick(list, {nested, nested}, [&](TAlarm& b) { signals.push_back({b.Name, nested}); });
    });
    EXPECT_EQ(Names(), std::vector<std::string>{"a"});
    // The nested tick did not count as the previous one: the next tick still covers 09:00:01.
    Tick(At(2026, 6, 1, 9, 0, 2));
    EXPECT_EQ(Names(), (std::vector<std::string>{"a", "b"}));
}

TEST_F(Scheduler, FailingActionStopsNoOther)
{
    for (const char* name : {"fails", "next", "last"}) Add(name, akUsual, At(2000, 1, 1, 9, 0, 0));
    const TSystemTime now = At(2026, 6, 1, 9, 0, 0);
    scheduler.Tick(list, {now, now}, [&](TAlarm& a) {
        signals.push_back({a.Name, now});
        if (a.Name == "fails") throw std::runtime_error("no window");
    });
    EXPECT_EQ(Names(), (std::vector<std::string>{"fails", "next", "last"}));
    // The failure leaves the next tick working.
    signals.clear();
    Add("later", akUsual, At(2000, 1, 1, 9, 0, 1));
    Tick(At(2026, 6, 1, 9, 0, 1));
    EXPECT_EQ(Names(), std::vector<std::string>{"later"});
}

TEST_F(Scheduler, ReminderSignalsAtItsSecondOnly)
{
    TAlarm& passed = Add("passed", akReminder, At(2026, 1, 1, 10, 0, 0));
    TAlarm& coming = Add("coming", akReminder, At(2026, 1, 2, 10, 0, 0, 0));
    coming.SignalTime.wDayOfWeek = 6;  // stale
    Run(At(2026, 1, 2, 0, 0, 0), 2 * Day);
    EXPECT_EQ(Names(), std::vector<std::string>{"coming"});
    EXPECT_EQ(signals[0].at, At(2026, 1, 2, 10, 0, 0));
    EXPECT_TRUE(coming.Enabled);
    EXPECT_EQ(passed.SignalTime.wDayOfWeek, DayOfWeek(EncodeDate(2026, 1, 3)));  // the last tick's
}

TEST_F(Scheduler, ReminderPassedWhileAsleepSignalsOnWaking)
{
    Add("asleep", akReminder, At(2026, 1, 2, 10, 0, 0));
    Add("before start", akReminder, At(2026, 1, 2, 8, 59, 59));
    Add("impossible date", akReminder, At(2026, 1, 2, 9, 30, 0)).SignalTime.wMonth = 13;
    Tick(At(2026, 1, 2, 9, 0, 0));
    Tick(At(2026, 1, 2, 11, 0, 0));
    Tick(At(2026, 1, 2, 11, 0, 1));
    EXPECT_EQ(Names(), std::vector<std::string>{"asleep"});
    EXPECT_EQ(signals[0].at, At(2026, 1, 2, 11, 0, 0));
}

TEST_F(Scheduler, CronSignalsOncePerMatchingMinute)
{
    Add("noon", akCron, {}, "0 12 * * *");
    Add("noon hour once", akCron, {}, "* 12 * * *", true);
    Run(At(2026, 5, 4, 0, 0, 0), 2 * Day);
    ASSERT_EQ(signals.size(), 4u);
    for (const auto& s : signals) {
        EXPECT_EQ(s.at.wHour, 12);
        EXPECT_EQ(s.at.wMinute, 0);
        EXPECT_EQ(s.at.wSecond, 0);
    }
    EXPECT_EQ(list.Items(1)->LastSignalled, AlarmStampOf(At(2026, 5, 5, 12, 0, 0)));
}

// The file keeps what was judged: a restart rings nothing twice and catches up what fell due
// while the program was closed, once.
TEST_F(Scheduler, RestartJudgesFromWhereTheFileLeftOff)
{
    Add("noon", akCron, {}, "0 12 * * *");
    Add("wake", akUsual, At(2000, 1, 1, 12, 0, 5));
    Tick(At(2026, 5, 4, 11, 59, 59));
    Tick(At(2026, 5, 4, 12, 0, 0));
    Tick(At(2026, 5, 4, 12, 0, 5));
    ASSERT_EQ(Names(), (std::vector<std::string>{"noon", "wake"}));

    TMemoryStream file;
    ASSERT_TRUE(WriteAlarms(file, list, scheduler.LastTick()));
    FreeAlarms(list);
    TMemoryStream reread(file.Bytes());
    ReadAlarms(reread, list);
    ASSERT_EQ(list.Count(), 2);
    scheduler.Reset();
    Tick(At(2026, 5, 4, 12, 0, 30));
    EXPECT_EQ(signals.size(), 2u);
    // Closed for a day: each rings once, late.
    Tick(At(2026, 5, 5, 13, 0, 0));
    EXPECT_EQ(Names(), (std::vector<std::string>{"noon", "wake", "noon", "wake"}));
}

TEST_F(Scheduler, DueAlarmsSignalInListOrder)
{
    Add("c", akCron, {}, "* * * * *");
    Add("a", akUsual, At(2000, 1, 1, 9, 0, 0));
    Add("b", akReminder, At(2026, 6, 1, 9, 0, 0));
    Tick(At(2026, 6, 1, 9, 0, 0));
    EXPECT_EQ(Names(), (std::vector<std::string>{"c", "a", "b"}));
}

TEST_F(Scheduler, DisabledOrUnknownKindsNeverSignal)
{
    const std::pair<TAlarmKind, bool> cases[] = {{akUsual, false}, {akReminder, false}, {akCron, false},
                                                 {static_cast<TAlarmKind>(3), true},
                                                 {static_cast<TAlarmKind>(255), true}};
    for (const auto& [kind, enabled] : cases) {
        TAlarm& a = Add("x", kind, At(2026, 6, 1, 9, 0, 0), "* * * * *");
        a.Enabled = enabled;
    }
    Run(At(2026, 6, 1, 8, 59, 0), 120);
    EXPECT_TRUE(signals.empty());
}

// Whichever of three due alarms deletes itself, the others signal once each on that tick.
TEST_F(Scheduler, SelfDeletingAlarmSkipsNoOther)
{
    for (int deleting = 0; deleting < 3; ++deleting) {
        FreeAlarms(list);
        signals.clear();
        for (const char* name : {"0", "1", "2"}) Add(name, akUsual, At(2000, 1, 1, 9, 0, 0));
        Add("later", akUsual, At(2000, 1, 1, 10, 0, 0));
        list.Items(deleting)->OneTime = true;
        scheduler.Reset();
        Tick(At(2026, 6, 1, 9, 0, 0));
        EXPECT_EQ(Names(), (std::vector<std::string>{"0", "1", "2"})) << deleting;
        EXPECT_EQ(list.Count(), 3) << deleting;
    }
}

TEST_F(Scheduler, AlarmAddedDuringATickWaitsForTheNext)
{
    Add("first", akCron, {}, "* * * * *");
    TSystemTime now = At(2026, 6, 1, 9, 0, 0);
    scheduler.Tick(list, {now, now}, [&](TAlarm& a) {
        signals.push_back({a.Name, now});
        if (list.Count() == 1) Add("new", akCron, {}, "* * * * *");
    });
    EXPECT_EQ(Names(), std::vector<std::string>{"first"});
    NextSecond(now);
    signals.clear();
    Tick(now);
    EXPECT_EQ(Names(), std::vector<std::string>{"new"});
}

TEST_F(Scheduler, OnceADayReminderSignalsOnceEachDayFromItsMoment)
{
    TAlarm& late = Add("missed while off", akReminder, At(2026, 2, 1, 18, 0, 0), "", true);
    Add("today", akReminder, At(2026, 2, 3, 18, 0, 0, 999), "", true);
    Run(At(2026, 2, 3, 12, 0, 0), Day);
    ASSERT_EQ(signals.size(), 4u);
    EXPECT_EQ(signals[0].name, "missed while off");
    EXPECT_EQ(signals[0].at, At(2026, 2, 3, 12, 0, 0));
    EXPECT_EQ(signals[1].name, "today");
    EXPECT_EQ(signals[1].at, At(2026, 2, 3, 18, 0, 0));
    EXPECT_EQ(signals[2].at, At(2026, 2, 4, 0, 0, 0));
    EXPECT_EQ(signals[3].at, At(2026, 2, 4, 0, 0, 0));
    EXPECT_EQ(late.LastSignalled, AlarmStampOf(At(2026, 2, 4, 0, 0, 0)));
}

// A window standing for the alarm's open properties dialog.
struct TOpenDialog : TAlarmWindow {
    void DetachAlarm() override {}
};

TEST_F(Scheduler, AlarmWithItsDialogOpenWaitsUntilTheDialogCloses)
{
    TOpenDialog dialog;
    TAlarm& usual = Add("usual", akUsual, At(2000, 1, 1, 9, 0, 1));
    TAlarm& reminder = Add("reminder", akReminder, At(2026, 6, 1, 9, 0, 2));
    reminder.OneTime = true;
    TAlarm& cron = Add("cron", akCron, {}, "* * * * *");
    Tick(At(2026, 6, 1, 8, 59, 59));
    signals.clear();
    for (TAlarm* a : {&usual, &reminder, &cron}) a->PropDialog = &dialog;
    Run(At(2026, 6, 1, 9, 0, 0), 4);
    EXPECT_TRUE(signals.empty());
    EXPECT_EQ(list.Count(), 3);
    EXPECT_TRUE(reminder.Enabled);
    // Cancelled: judged from where it was before the dialog, so what fell due meanwhile rings, late.
    for (TAlarm* a : {&usual, &reminder, &cron}) a->PropDialog = nullptr;
    Tick(At(2026, 6, 1, 9, 0, 4));
    EXPECT_EQ(Names(), (std::vector<std::string>{"usual", "reminder", "cron"}));
}

// "Remind later" on a cron alarm: one more signal at the moment it set, besides the mask.
TEST_F(Scheduler, CronAlarmAlsoSignalsAtItsRemindLaterMoment)
{
    TAlarm& noon = Add("noon hour once", akCron, {}, "* 12 * * *", true);
    Run(At(2026, 5, 4, 11, 59, 55), 11);
    RemindLater(noon, At(2026, 5, 4, 12, 0, 5), 5);
    Run(At(2026, 5, 4, 12, 0, 6), Day);
    ASSERT_EQ(signals.size(), 3u);
    EXPECT_EQ(signals[0].at, At(2026, 5, 4, 12, 0, 0));
    EXPECT_EQ(signals[1].at, At(2026, 5, 4, 12, 5, 5));
    EXPECT_EQ(signals[2].at, At(2026, 5, 5, 12, 0, 0));
}

TEST(AlarmStamp, DayOfWeekComesFromTheDate)
{
    TSystemTime t = At(2024, 2, 29, 23, 59, 10);
    t.wDayOfWeek = 0;  // wrong on purpose
    EXPECT_EQ(AlarmStampOf(t), (TAlarmStamp{2024, 2, 29, 5, 23, 59}));  // a Thursday
    EXPECT_EQ(AlarmStampOf(At(2000, 1, 1, 0, 0, 0)).DayOfWeek, 7);     // a Saturday
    EXPECT_EQ(AlarmStampOf(At(2026, 3, 1, 0, 0, 0)).DayOfWeek, 1);     // a Sunday
}

// 2024 starts on a Monday and has 262 weekdays; its Friday the 13ths are in September and December.
TEST_F(Scheduler, AYearOfTicks)
{
    const std::map<std::string, int> expected = {
        {"usual 23:59:59", 366},         {"reminder leap day", 1},     {"reminder once a day", 2},
        {"cron noon", 366},              {"cron noon hour once", 366}, {"cron weekday quarters", 262 * 4},
        {"cron leap day", 1},            {"cron Friday 13th", 2},      {"disabled", 0},
    };
    Add("usual 23:59:59", akUsual, At(2020, 1, 1, 23, 59, 59));
    Add("reminder leap day", akReminder, At(2024, 2, 29, 12, 34, 56));
    Add("reminder once a day", akReminder, At(2024, 12, 30, 18, 0, 0), "", true);
    Add("cron noon", akCron, {}, "0 12 * * *");
    Add("cron noon hour once", akCron, {}, "* 12 * * *", true);
    Add("cron weekday quarters", akCron, {}, "0,15,30,45 8 * 2,3,4,5,6 *");
    Add("cron leap day", akCron, {}, "0 0 29 * 2");
    Add("cron Friday 13th", akCron, {}, "0 9 13 6 *");
    Add("disabled", akCron, {}, "* * * * *").Enabled = false;

    // Every second around each minute's edge and through the reminders' minutes; the clock jumps
    // over the seconds between, in which nothing falls due.
    TSystemTime t = At(2024, 1, 1, 0, 0, 0);
    for (long i = 0; i < 366 * Day; ++i, NextSecond(t)) {
        const bool edge = t.wSecond < 2 || t.wSecond > 57;
        const int minute = t.wHour * 60 + t.wMinute;
        if (edge || minute == 12 * 60 + 34 || minute == 18 * 60) Tick(t);
    }
    std::map<std::string, int> counted;
    for (const auto& [name, count] : expected) counted[name] = 0;
    for (const auto& s : signals) ++counted[s.name];
    EXPECT_EQ(counted, expected);
}

// A window timer's ticks drift: a year of ticks 0.9 to 2.5 seconds apart, with a few nights in
// which the computer sleeps for hours, still signals every usual alarm once for each day and every
// reminder once.
TEST_F(Scheduler, AJitteryYearLosesAndDoublesNothing)
{
    const TDateTime start = EncodeDate(2024, 1, 1);
    // Sleeps as (day of the year, hour fallen asleep, hours asleep).
    const struct {
        int day, hour, hours;
    } sleeps[] = {{10, 1, 8}, {100, 22, 11}, {200, 6, 3}, {300, 23, 2}, {365, 20, 5}};
    const char* const usual[] = {"00:00:00", "06:59:59", "07:30:00", "12:00:01", "23:59:59"};
    std::map<std::string, int> secondOfDay;
    for (const char* u : usual) {
        int h, m, sec;
        std::sscanf(u, "%d:%d:%d", &h, &m, &sec);
        Add(u, akUsual, At(2000, 1, 1, h, m, sec));
        secondOfDay[u] = h * 3600 + m * 60 + sec;
    }
    // Reminders: an ordinary moment, one inside a sleep, the first and last seconds of the year.
    const TSystemTime reminders[] = {At(2024, 3, 31, 2, 30, 0), At(2024, 4, 10, 3, 0, 0),
                                     At(2024, 1, 1, 0, 0, 2), At(2024, 12, 31, 23, 59, 59)};
    for (const auto& r : reminders) Add("reminder", akReminder, r);

    // The ticks jitter through the two minutes around each moment that matters (a due time, a
    // falling asleep); the clock jumps over the quiet hours between.
    std::vector<std::int64_t> moments;  // in ms from the start
    for (std::int64_t d = 0; d <= 366; ++d)
        for (const auto& [name, second] : secondOfDay) moments.push_back((d * Day + second) * 1000);
    for (const auto& r : reminders) moments.push_back(std::llround((SystemTimeToDateTime(r) - start) * Day) * 1000);
    for (const auto& z : sleeps) moments.push_back(((z.day - 1) * Day + z.hour * 3600LL) * 1000);
    std::sort(moments.begin(), moments.end());
    constexpr std::int64_t Near = 60000;
    auto moment = moments.begin();

    std::mt19937 random(20240101);
    const std::int64_t endMs = (366LL * Day + 3) * 1000;  // a tick falls in the new year's first second
    for (std::int64_t ms = 1000; ms < endMs;) {
        Tick(DateTimeToSystemTime(start + static_cast<double>(ms) / (Day * 1000.0)));
        std::int64_t next = ms + 900 + static_cast<std::int64_t>(random() % 1601);
        while (moment != moments.end() && *moment + Near < next) ++moment;
        if (moment != moments.end()) next = std::max(next, *moment - Near);
        for (const auto& z : sleeps) {
            const std::int64_t asleep = ((z.day - 1) * Day + z.hour * 3600LL) * 1000;
            if (ms < asleep && asleep <= next) ms += z.hours * 3600000LL;
        }
        ms = std::max(ms, next);
    }

    // Each usual signal answers the last occurrence of its time at or before it.
    std::map<std::string, std::set<long>> days;
    std::map<std::string, int> counts;
    for (const auto& sig : signals) {
        ++counts[sig.name];
        if (sig.name == "reminder") continue;
        const double at = SystemTimeToDateTime(sig.at) - start;
        days[sig.name].insert(static_cast<long>(std::floor(at - secondOfDay[sig.name] / double(Day) + 1e-6)));
    }
    for (const char* u : usual) {
        EXPECT_EQ(counts[u], 366) << u;
        EXPECT_EQ(days[u].size(), 366u) << u;
    }
    EXPECT_EQ(counts["reminder"], 4);
}

}  // namespace
