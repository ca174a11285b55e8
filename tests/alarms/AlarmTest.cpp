#include "alarms/Alarm.h"

#include <gtest/gtest.h>

namespace {

// Unregistering itself while it is told is the worst a message window can do to the walk.
struct TSelfRemovingWindow : TAlarmWindow {
    TAlarm* alarm = nullptr;
    int detached = 0;
    void DetachAlarm() override
    {
        ++detached;
        if (alarm) alarm->MessageWindows.Remove(this);
        alarm = nullptr;
    }
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
    EXPECT_EQ(a.Name + a.SoundFile + a.MessageText + a.CronMask + a.CommandLine + a.StartFolder, "");
}

TEST(Alarm, DeletingDetachesEveryMessageWindowAndTheDialog)
{
    TOvList<TAlarm> list;
    for (int i = 0; i < 3; ++i) list.Add(new TAlarm);
    TAlarm* doomed = list.Items(1);
    TSelfRemovingWindow windows[3], dialog;
    for (auto& w : windows) {
        w.alarm = doomed;
        doomed->MessageWindows.Add(&w);
    }
    dialog.alarm = doomed;
    doomed->PropDialog = &dialog;

    DeleteAlarm(list, 1);
    for (auto& w : windows) EXPECT_EQ(w.detached, 1);
    EXPECT_EQ(dialog.detached, 1);
    EXPECT_EQ(dialog.alarm, nullptr);
    ASSERT_EQ(list.Count(), 2);
    EXPECT_NE(list.Items(0), doomed);
    EXPECT_NE(list.Items(1), doomed);
    FreeAlarms(list);
    EXPECT_EQ(list.Count(), 0);
}

}  // namespace
