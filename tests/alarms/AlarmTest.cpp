#include "alarms/Alarm.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class TFakeWindow : public TAlarmWindow {
public:
    void DetachAlarm() override { ++detached; }
    int detached = 0;
};

TEST(Alarm, NewRecordHoldsTheDefaults)
{
    TAlarm a;
    EXPECT_FALSE(a.Enabled || a.SoundOn || a.MessageOn || a.CronFlag || a.OneTime || a.OnceADay ||
                 a.RemoveAfterSignal || a.RunOn);
    EXPECT_EQ(a.SignalTime, TSystemTime{});
    EXPECT_EQ(a.LastSignalled, TAlarmStamp{});
    EXPECT_EQ(a.Kind, akUsual);
    EXPECT_EQ(a.PropDialog, nullptr);
    EXPECT_EQ(a.MessageWindows.Count(), 0);
    for (const std::string* s : {&a.SoundFile, &a.MessageText, &a.Name, &a.CronMask, &a.CommandLine, &a.StartFolder})
        EXPECT_TRUE(s->empty());
}

TEST(Alarm, DestroyingDetachesEveryMessageWindowButNotTheDialog)
{
    TFakeWindow windows[3], dialog;
    {
        TAlarm a;
        for (auto& w : windows) a.MessageWindows.Add(&w);
        a.PropDialog = &dialog;
    }
    for (auto& w : windows) EXPECT_EQ(w.detached, 1);
    EXPECT_EQ(dialog.detached, 0);
}

// A window may drop itself from the alarm's list while it is told; no window is told twice or skipped.
TEST(Alarm, WindowThatUnregistersWhileDetachedIsToldOnce)
{
    struct TSelfRemoving : TAlarmWindow {
        TAlarm* alarm = nullptr;
        int detached = 0;
        void DetachAlarm() override
        {
            ++detached;
            alarm->MessageWindows.Remove(this);
        }
    } windows[2];
    auto* a = new TAlarm;
    for (auto& w : windows) {
        w.alarm = a;
        a->MessageWindows.Add(&w);
    }
    delete a;
    EXPECT_EQ(windows[0].detached, 1);
    EXPECT_EQ(windows[1].detached, 1);
}

TEST(Alarm, DeleteAlarmRemovesAndDestroys)
{
    TOvList<TAlarm> list;
    TFakeWindow window;
    std::vector<TAlarm*> made;
    for (int i = 0; i < 3; ++i) made.push_back(new TAlarm);
    for (TAlarm* a : made) list.Add(a);
    made[1]->MessageWindows.Add(&window);

    DeleteAlarm(list, 1);
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Items(0), made[0]);
    EXPECT_EQ(list.Items(1), made[2]);
    EXPECT_EQ(window.detached, 1);

    FreeAlarms(list);
    EXPECT_EQ(list.Count(), 0);
}

}  // namespace
