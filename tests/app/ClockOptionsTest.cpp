// The options as the clock window shows them: loaded at start, each setter reshaping the window,
// saved when the window goes.

#include <gtest/gtest.h>

#include <map>

#include "../support/ModalHook.h"
#include "ScratchClock.h"
#include "options/frmOpt.h"

namespace {

class ClockOptions : public testing::Test, protected TScratchClock {
protected:
    ClockOptions() : TScratchClock("ClockOptions") {}
    const std::string optionsKey = "SOFTWARE\\Doviz\\Clock\\Options";

    std::map<std::string, std::pair<DWORD, std::string>> Stored()
    {
        std::map<std::string, std::pair<DWORD, std::string>> values;
        TRegKey key = TRegKey::Open(root.Handle(), optionsKey, KEY_READ);
        if (!key) return values;
        for (DWORD i = 0;; ++i) {
            char name[256];
            DWORD nameLength = sizeof name;
            BYTE data[512];
            DWORD size = sizeof data, type = 0;
            if (RegEnumValueA(key.Handle(), i, name, &nameLength, nullptr, &type, data, &size) != ERROR_SUCCESS) break;
            values[name] = {type, std::string(reinterpret_cast<char*>(data), size)};
        }
        return values;
    }
    void TearDown() override
    {
        DaylightAdjust = false;
        Application.CancelTerminate();
    }
};

SIZE Client(const TClockForm& f)
{
    RECT r;
    GetClientRect(f.Handle(), &r);
    return {r.right, r.bottom};
}

int FaceHeight(const TRoVudez& face)
{
    RECT r;
    GetClientRect(face.Handle(), &r);
    return r.bottom;
}

TEST_F(ClockOptions, FirstRunClosedAtOnceStoresTheTwentyOneStrings)
{
    { TClockForm form(Config()); }
    auto values = Stored();
    const std::map<std::string, std::string> expected = {
        {"AutoSave", "1"},   {"AutoSaveData", "1"}, {"DayTime", "0"},     {"DblClickAction", "0"},
        {"IniName", "SOFTWARE\\Doviz\\Clock"},      {"IniSection", "Options"}, {"Name", ""},
        {"OnTop", "1"},      {"RepeatSound", "0"},  {"ShowCaption", "1"},  {"ShowDate", "0"},    {"ShowHint", "0"},
        {"ShowSecs", "1"},   {"ShowTrayIcon", "0"}, {"ShowTZSecs", "0"},  {"StartWithWindows", "0"},
        {"StorageType", "0"}, {"Tag", "0"},       {"VertLayout", "0"}, {"WakeForAlarms", "0"}, {"ZoneDST", "0"}};
    ASSERT_EQ(values.size(), expected.size());
    for (const auto& [name, text] : expected) {
        ASSERT_TRUE(values.count(name)) << name;
        EXPECT_EQ(values[name].first, static_cast<DWORD>(REG_SZ)) << name;
        EXPECT_EQ(values[name].second, std::string(text.c_str(), text.size() + 1)) << name;
    }
}

TEST_F(ClockOptions, SettersKeepTheWindowInItsGeometry)
{
    TClockForm form(Config());
    TClockOptions& o = *form.Options;
    EXPECT_EQ(Client(form).cx, 75);
    EXPECT_EQ(Client(form).cy, 40);
    o.SetShowCaption(false);
    EXPECT_EQ(Client(form).cx, 83);
    EXPECT_EQ(Client(form).cy, 18);
    o.SetShowCaption(true);
    EXPECT_EQ(Client(form).cx, 75);
    EXPECT_EQ(Client(form).cy, 40);

    form.AddItemClick();
    form.AddItemClick();
    o.SetShowDate(true);
    o.SetShowHint(true);
    EXPECT_EQ(Client(form).cx, 225);
    EXPECT_EQ(Client(form).cy, 67);
    EXPECT_EQ(FaceHeight(*form.LocalClock), 45);
    EXPECT_EQ(FaceHeight(*form.Clocks->Items(1)), 45);
    EXPECT_TRUE(form.Clocks->Items(1)->ShowDate());
    EXPECT_TRUE(form.Clocks->Items(1)->Labels());
    o.SetVertLayout(true);
    EXPECT_EQ(Client(form).cx, 75);
    EXPECT_EQ(Client(form).cy, 157);
    o.SetShowCaption(false);
    EXPECT_EQ(Client(form).cx, 83);
    EXPECT_EQ(Client(form).cy, 135);
    o.SetShowDate(false);
    EXPECT_EQ(FaceHeight(*form.LocalClock), 30);
    EXPECT_EQ(Client(form).cy, 90);
    EXPECT_FALSE(form.Clocks->Items(0)->ShowDate());
    o.SetShowDate(true);
    EXPECT_EQ(Client(form).cy, 135);

    // The band's picture and the strip follow the caption option; the strip is a drag handle.
    POINT strip{3, 60};
    ClientToScreen(form.Handle(), &strip);
    EXPECT_EQ(SendMessageA(form.Handle(), WM_NCHITTEST, 0, MAKELPARAM(strip.x, strip.y)), HTCAPTION);

    RECT before;
    GetWindowRect(form.Handle(), &before);
    o.SetVertLayout(true);  // unchanged: nothing moves
    RECT after;
    GetWindowRect(form.Handle(), &after);
    EXPECT_TRUE(EqualRect(&before, &after));
}

TEST_F(ClockOptions, SecondsDaylightTopMostAndTray)
{
    TClockForm form(Config());
    form.ShowClock();
    TClockOptions& o = *form.Options;
    form.AddItemClick();
    o.SetShowSecs(false);
    EXPECT_FALSE(form.LocalClock->ShowSeconds);
    o.SetShowTZSecs(true);
    EXPECT_TRUE(form.Clocks->Items(0)->ShowSeconds);
    form.AddItemClick();
    EXPECT_TRUE(form.Clocks->Items(1)->ShowSeconds);  // new faces take the option
    o.SetDayTime(true);
    EXPECT_TRUE(DaylightAdjust);
    o.SetOnTop(false);
    EXPECT_FALSE(GetWindowLongPtrA(form.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    o.SetOnTop(true);
    EXPECT_TRUE(GetWindowLongPtrA(form.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);

    EXPECT_FALSE(form.TrayIcon.Active());
    o.SetShowTrayIcon(true);
    EXPECT_TRUE(form.TrayIcon.Active());
    EXPECT_EQ(form.TrayIcon.Tip(), "Doviz Clock");
    o.SetShowTrayIcon(false);
    EXPECT_FALSE(form.TrayIcon.Active());
    // Hidden to the tray: the icon is the way back and stays while hidden.
    form.HideItemClick();
    EXPECT_TRUE(form.TrayIcon.Active());
    o.SetShowTrayIcon(true);
    o.SetShowTrayIcon(false);
    EXPECT_TRUE(form.TrayIcon.Active());
    form.DoDblClick();
    EXPECT_FALSE(form.TrayIcon.Active());
}

TEST_F(ClockOptions, StoredOptionsShapeTheWindowAtStart)
{
    StoreOption("VertLayout", "1");
    StoreOption("ShowCaption", "0");
    StoreOption("ShowDate", "1");
    StoreOption("DayTime", "$1");
    TClockForm form(Config());
    EXPECT_EQ(Client(form).cx, 83);
    EXPECT_EQ(Client(form).cy, 30);
    EXPECT_TRUE(form.LocalClock->ShowDate());
    EXPECT_TRUE(DaylightAdjust);
    form.AddItemClick();
    EXPECT_EQ(Client(form).cy, 60);
}

TEST_F(ClockOptions, DoubleClickActionBindsOnlyKnownActions)
{
    StoreOption("DblClickAction", "1");  // add a clock
    {
        TClockForm form(Config());
        SendMessageA(form.Handle(), WM_NCLBUTTONDBLCLK, HTCAPTION, 0);
        EXPECT_EQ(form.Clocks->Count(), 1);
        form.Options->SetDblClickAction(static_cast<TDblClickAction>(7));  // the earlier binding stays
        SendMessageA(form.Handle(), WM_NCLBUTTONDBLCLK, HTCAPTION, 0);
        EXPECT_EQ(form.Clocks->Count(), 2);
    }
    StoreOption("DblClickAction", "9");
    TClockForm form(Config());
    EXPECT_FALSE(form.DblClickHandler);
    SendMessageA(form.Handle(), WM_NCLBUTTONDBLCLK, HTCAPTION, 0);
    EXPECT_FALSE(form.Hidden);
}

TEST_F(ClockOptions, NumberTypedValueStopsTheLoadAndIsShown)
{
    StoreOption("DayTime", "1");
    StoreOption("ShowDate", "1");
    TRegKey::Create(root.Handle(), optionsKey, KEY_ALL_ACCESS).WriteDword("OnTop", 0);
    std::string shown;
    Application.MessageBoxHook = [&](const std::string& t, const std::string&, UINT) {
        if (shown.empty()) shown = t;
        return IDOK;
    };
    {
        TClockForm form(Config());
        EXPECT_TRUE(DaylightAdjust);            // before OnTop in the order: loaded
        EXPECT_FALSE(form.Options->ShowDate());  // after it: still the default
        form.Options->SetAutoSave(false);        // keep the broken value for the check below
    }
    Application.MessageBoxHook = nullptr;
    EXPECT_EQ(shown, "Invalid data type for 'OnTop'");
}

TEST_F(ClockOptions, StoredAutoSaveOffKeepsTheRegistryAsItWas)
{
    StoreOption("AutoSave", "0");
    StoreOption("ShowDate", "1");
    {
        TClockForm form(Config());
        form.Options->SetShowDate(false);
    }
    EXPECT_EQ(Stored()["ShowDate"].second, std::string("1", 2));
}

TEST_F(ClockOptions, CtrlOAndBothMenusOpenTheOptionsDialog)
{
    TClockForm form(Config());
    form.ShowClock();
    std::vector<std::string> opened;
    TModalHook hook([&](TForm& f) {
        opened.push_back(f.Caption());
        f.SetModalResult(mrCancel);
    });
    form.FormKeyDown('O', TShiftState{false, true, false});
    form.Popup.Find("OptionsItem")->Click();
    form.TrayMenu.Find("Options1Item")->Click();
    form.Options->SetDblClickAction(dcaOptions);
    SendMessageA(form.Handle(), WM_NCLBUTTONDBLCLK, HTCAPTION, 0);
    EXPECT_EQ(opened, std::vector<std::string>(4, "Doviz Clock options"));
}

TEST_F(ClockOptions, OkInTheDialogReshapesTheWindow)
{
    TClockForm form(Config());
    form.ShowClock();
    TModalHook hook([&](TForm& f) {
        auto& dialog = static_cast<TOptForm&>(f);
        dialog.VertRB.SetChecked(true);
        dialog.CaptionCB.SetChecked(false);
        dialog.DateCB.SetChecked(true);
        SendMessageA(dialog.OkBtn.Handle(), BM_CLICK, 0, 0);
    });
    form.AddItemClick();
    form.OptionsItemClick();
    EXPECT_EQ(Client(form).cx, 83);
    EXPECT_EQ(Client(form).cy, 60);
    EXPECT_TRUE(form.Options->VertLayout());
    EXPECT_FALSE(form.Options->ShowCaption());
}

}  // namespace
