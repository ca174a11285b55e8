#include "alarms/AlarmScheduler.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

TSystemTime At(int y, int mo, int d, int h, int mi, int s, int ms = 500)
{
    TSystemTime t;
    t.wYear = y;
    t.wMonth = mo;
    t.wDay = d;
    t.wDayOfWeek = DayOfWeek(EncodeDate(y, mo, d));
    t.wHour = h;
    t.wMinute = mi;
    t.wSecond = s;
    t.wMilliseconds = ms;
    return t;
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
        auto* a = new TAlarm;
        a->Name = name;
        a->Enabled = true;
        a->Kind = kind;
        a->SignalTime = time;
        a->CronMask = mask;
        a->OnceADay = onceADay;
        list.Add(a);
        return *a;
    }

    void Tick(const TSystemTime& now)
    {
        AlarmTimerTimer(list, now, [&](TAlarm& a) {
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

    TOvList<TAlarm> list;
    std::vector<TSignal> signals;
};

constexpr long Day = 86400;

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

TEST_F(Scheduler, UsualAlarmCountsTheTicksInItsSecond)
{
    Add("wake", akUsual, At(2026, 1, 1, 7, 30, 0));
    Tick(At(2026, 3, 1, 7, 29, 59, 900));
    Tick(At(2026, 3, 1, 7, 30, 1, 100));
    EXPECT_TRUE(signals.empty());
    Tick(At(2026, 3, 2, 7, 30, 0, 0));
    Tick(At(2026, 3, 2, 7, 30, 0, 999));
    EXPECT_EQ(signals.size(), 2u);
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

TEST_F(Scheduler, RestartWithinTheMinuteSignalsAgain)
{
    TAlarm& before = Add("noon", akCron, {}, "0 12 * * *");
    Tick(At(2026, 5, 4, 12, 0, 0));
    Tick(At(2026, 5, 4, 12, 0, 10));
    ASSERT_EQ(signals.size(), 1u);

    TMemoryStream file;
    ASSERT_TRUE(before.WriteToStream(file));
    FreeAlarms(list);
    auto* after = new TAlarm;
    TMemoryStream reread(file.Bytes());
    ASSERT_TRUE(after->ReadFromStream(reread));
    list.Add(after);
    Tick(At(2026, 5, 4, 12, 0, 30));
    EXPECT_EQ(signals.size(), 2u);
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
        Tick(At(2026, 6, 1, 9, 0, 0));
        EXPECT_EQ(Names(), (std::vector<std::string>{"0", "1", "2"})) << deleting;
        EXPECT_EQ(list.Count(), 3) << deleting;
    }
}

TEST_F(Scheduler, AlarmAddedDuringATickWaitsForTheNext)
{
    Add("first", akCron, {}, "* * * * *");
    TSystemTime now = At(2026, 6, 1, 9, 0, 0);
    AlarmTimerTimer(list, now, [&](TAlarm& a) {
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

    Run(At(2024, 1, 1, 0, 0, 0), 366 * Day);
    std::map<std::string, int> counted;
    for (const auto& [name, count] : expected) counted[name] = 0;
    for (const auto& s : signals) ++counted[s.name];
    EXPECT_EQ(counted, expected);
}

}  // namespace
