#include "RecordingTarget.h"
#include "options/MemoryStore.h"
#include "options/Opts.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

const std::string Key = "SOFTWARE\\Doviz\\Clock";

struct SetterCase {
    const char* name;
    std::function<void(TClockOptions&, TOvBool)> set;
    bool defaultValue;
    const char* onToggle;  // the call that assigning the opposite of the default makes
};

const SetterCase setters[] = {
    {"OnTop", &TClockOptions::SetOnTop, true, "SetTopMost 0"},
    {"ShowDate", &TClockOptions::SetShowDate, false, "ApplyLayout -CD-"},
    {"ShowHint", &TClockOptions::SetShowHint, false, "ApplyLayout -C-L"},
    {"ShowCaption", &TClockOptions::SetShowCaption, true, "ApplyLayout ----"},
    {"VertLayout", &TClockOptions::SetVertLayout, false, "ApplyLayout VC--"},
    {"DayTime", &TClockOptions::SetDayTime, false, "SetDaylightAdjust 1"},
    {"ShowSecs", &TClockOptions::SetShowSecs, true, "SetLocalSeconds 0"},
    {"ShowTZSecs", &TClockOptions::SetShowTZSecs, false, "SetZoneSeconds 1"},
    {"ShowTrayIcon", &TClockOptions::SetShowTrayIcon, false, "SetTrayIconAlways 1"},
    {"StartWithWindows", &TClockOptions::SetStartWithWindows, false, "SetStartWithWindows 1"},
    {"ZoneDST", &TClockOptions::SetZoneDST, false, "SetZoneDaylight 1"},
};

TEST(Opts, EachSetterActsOnceAndOnlyOnChange)
{
    for (const auto& c : setters) {
        TMemoryStore store;
        TRecordingTarget target;
        TClockOptions options(store.Factory(), &target);
        c.set(options, c.defaultValue);
        EXPECT_TRUE(target.Calls.empty()) << c.name << ": unchanged value";
        c.set(options, !c.defaultValue);
        ASSERT_EQ(target.Calls, std::vector<std::string>{c.onToggle}) << c.name;
        // Another non-zero byte means the same: it is kept for the save but changes nothing.
        c.set(options, TOvBool::FromByte(c.defaultValue ? 0 : 2));
        EXPECT_EQ(target.Calls.size(), 1u) << c.name << ": same truth";
        options.Save();
        EXPECT_EQ(store.Find(Key, "Options", c.name)->Text, c.defaultValue ? "0" : "2") << c.name;
    }
}

TEST(Opts, DblClickActionBindsEveryTimeWithinRange)
{
    TRecordingTarget target;
    TClockOptions options(nullptr, &target);
    options.SetDblClickAction(dcaRestore);
    options.SetDblClickAction(dcaRestore);
    options.SetDblClickAction(dcaOptions);
    options.SetDblClickAction(dcaPlan);
    options.SetDblClickAction(static_cast<TDblClickAction>(7));
    EXPECT_EQ(options.DblClickAction(), 7);
    options.SetDblClickAction(static_cast<TDblClickAction>(255));
    EXPECT_EQ(target.Calls,
              (std::vector<std::string>{"BindDblClick 0", "BindDblClick 0", "BindDblClick 5", "BindDblClick 6"}));
}

TEST(Opts, LoadActsThroughTheSettersInNameOrder)
{
    struct Case {
        std::vector<std::pair<const char*, const char*>> stored;
        std::vector<std::string> calls;
    };
    const Case cases[] = {
        // First run: nothing stored, yet the double-click is bound.
        {{}, {"BindDblClick 0"}},
        // Stored defaults change nothing on screen.
        {{{"OnTop", "1"}, {"ShowCaption", "1"}, {"DblClickAction", "0"}}, {"BindDblClick 0"}},
        {{{"VertLayout", "1"}, {"ShowCaption", "0"}, {"ShowDate", "1"}, {"DblClickAction", "9"}},
         {"ApplyLayout ----", "ApplyLayout --D-", "ApplyLayout V-D-"}},
        {{{"OnTop", "0"}, {"DayTime", "1"}, {"ShowTZSecs", "1"}, {"ShowTrayIcon", "1"}, {"DblClickAction", "3"}},
         {"SetDaylightAdjust 1", "BindDblClick 3", "SetTopMost 0", "SetTrayIconAlways 1", "SetZoneSeconds 1"}},
    };
    for (const auto& c : cases) {
        TMemoryStore store;
        for (const auto& [name, text] : c.stored) store.Put(Key, "Options", name, {text});
        TRecordingTarget target;
        TClockOptions options(store.Factory(), &target);
        options.Load();
        EXPECT_EQ(target.Calls, c.calls);
    }
}

}  // namespace
