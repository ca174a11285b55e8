#include "alarms/frmAlarms.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "../support/Input.h"
#include "AlarmDialogTestSupport.h"
#include "alarms/frmAlarmProp.h"

namespace {

std::string TimeText(const TSystemTime& t)
{
    SYSTEMTIME st = FromRecord(t);
    char buf[64] = {};
    GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &st, nullptr, buf, sizeof buf);
    return buf;
}

std::string DateText(const TSystemTime& t)
{
    return FormatDate(FromRecord(t));
}

// Whether a button draws any coloured pixel: a greyed one shows none.
bool Coloured(const TControl& button)
{
    RECT r = {};
    GetClientRect(button.Handle(), &r);
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, r.right, r.bottom);
    HGDIOBJ old = SelectObject(dc, bitmap);
    SendMessageA(button.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
    bool coloured = false;
    for (int y = 0; y < r.bottom; ++y)
        for (int x = 0; x < r.right; ++x) {
            const COLORREF c = GetPixel(dc, x, y);
            const int lo = std::min({GetRValue(c), GetGValue(c), GetBValue(c)});
            const int hi = std::max({GetRValue(c), GetGValue(c), GetBValue(c)});
            coloured = coloured || hi - lo > 40;
        }
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return coloured;
}

// Tells when its alarm is destroyed.
struct TWatcher : TAlarmWindow {
    bool detached = false;
    void DetachAlarm() override { detached = true; }
};

class AlarmsForm_ : public testing::Test {
protected:
    TAlarmsForm form;
    int saves = 0;
    bool autoSave = true;

    void SetUp() override
    {
        form.AutoSaveData = [this] { return autoSave; };
        form.SaveAlarms = [this] { ++saves; };
    }
    void TearDown() override { FreeAlarms(Alarms); }

    TAlarm& AddAlarm(const char* name, std::uint8_t kind, TSystemTime time, const char* mask = "")
    {
        auto* a = new TAlarm;
        a->Name = name;
        a->Kind = static_cast<TAlarmKind>(kind);
        a->SignalTime = time;
        a->CronMask = mask;
        Alarms.Add(a);
        return *a;
    }
    std::vector<std::string> Rows() const
    {
        std::vector<std::string> rows;
        for (int i = 0; i < form.AlarmBox.Count(); ++i) rows.push_back(form.AlarmBox.Item(i));
        return rows;
    }
};

TEST_F(AlarmsForm_, IsAResizableListWindowWithItsOwnIcon)
{
    EXPECT_NE(SendMessageA(form.Handle(), WM_GETICON, ICON_BIG, 0), 0);
    LONG_PTR list = GetWindowLongPtrA(form.AlarmBox.Handle(), GWL_STYLE);
    EXPECT_FALSE(list & LBS_SORT);
    EXPECT_FALSE(list & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL));
    EXPECT_TRUE(form.AddBtn.Enabled());
    EXPECT_FALSE(form.DelBtn.Enabled());
    EXPECT_FALSE(form.ModifyBtn.Enabled());
    EXPECT_EQ(form.AlarmBox.Hint() + "|" + form.AddBtn.Hint() + "|" + form.DelBtn.Hint() + "|" +
                  form.ModifyBtn.Hint() + "|" + form.OkBtn.Hint(),
              "List of alarms|Add alarm|Delete alarm|Modify alarm|Close the window");
    LOGFONTA lf{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(form.OkBtn.Handle(), WM_GETFONT, 0, 0)), sizeof lf, &lf);
    EXPECT_EQ(lf.lfWeight, FW_BOLD);
    EXPECT_EQ(form.OkBtn.Text(), "OK");

    // Resized, the list fills the width above the buttons, which stay at the bottom, OK at the right.
    SetWindowPos(form.Handle(), nullptr, 0, 0, 400, 320, SWP_NOMOVE | SWP_NOZORDER);
    RECT client = form.ClientRect();
    RECT box = form.AlarmBox.BoundsInParent(), ok = form.OkBtn.BoundsInParent(), add = form.AddBtn.BoundsInParent();
    EXPECT_EQ(box.right, client.right);
    EXPECT_LE(box.bottom, add.top);
    EXPECT_GE(add.bottom, client.bottom - 6);
    EXPECT_EQ(ok.top, add.top);
    EXPECT_GE(ok.right, client.right - 6);
    EXPECT_LE(ok.right, client.right);
}

TEST_F(AlarmsForm_, RowsFollowTheKindOfEachAlarmInListOrder)
{
    TSystemTime morning = Moment(2026, 12, 8, 7, 30, 0), midnight = Moment(2026, 12, 24, 0, 0, 0),
                evening = Moment(2026, 12, 24, 18, 5, 9);
    AddAlarm("Wake", akUsual, morning);
    AddAlarm("Eve", akReminder, midnight);
    TAlarm& unknown = AddAlarm("Odd", 9, TSystemTime{});
    AddAlarm("Dinner", akReminder, evening);
    AddAlarm("Noon", akCron, TSystemTime{}, "0;12\t* * * *");
    form.AlarmBox.Add("stale row");
    form.FillAlarmList();
    EXPECT_EQ(Rows(), (std::vector<std::string>{"Wake (" + TimeText(morning) + ")", "Eve (" + DateText(midnight) + ")",
                                                "Dinner (" + DateText(evening) + " " + TimeText(evening) + ")",
                                                "Noon (0;12\t* * * *)"}));
    EXPECT_EQ(form.AlarmBox.Data(0), Alarms.Items(0));
    EXPECT_EQ(form.AlarmBox.IndexOfData(&unknown), -1);
    EXPECT_EQ(form.AlarmBox.Data(3), Alarms.Items(4));
}

TEST_F(AlarmsForm_, ARecordWithoutAValidTimeEndsTheFillWithItsError)
{
    AddAlarm("First", akCron, TSystemTime{}, "* * * * *");
    AddAlarm("Broken", akUsual, TSystemTime{});
    AddAlarm("Never listed", akCron, TSystemTime{}, "* * * * *");
    EXPECT_THROW(form.FillAlarmList(), EConvertError);
    EXPECT_EQ(Rows(), (std::vector<std::string>{"First (* * * * *)"}));
}

TEST_F(AlarmsForm_, DeleteRemovesAndDestroysTheSelectedAlarmWithoutAsking)
{
    AddAlarm("Keep", akCron, TSystemTime{}, "1 * * * *");
    TAlarm& doomed = AddAlarm("Go", akCron, TSystemTime{}, "2 * * * *");
    TWatcher watcher;
    doomed.MessageWindows.Add(&watcher);
    form.FillAlarmList();
    form.Show();
    int asked = 0;
    Application.MessageBoxHook = [&](const std::string&, const std::string&, UINT) { return ++asked, IDOK; };
    // Nothing selected: nothing happens.
    form.DelBtnClick();
    form.ModifyBtnClick();
    EXPECT_EQ(Alarms.Count(), 2);
    // Buttons that do nothing look so: greyed.
    EXPECT_FALSE(Coloured(form.DelBtn) || Coloured(form.ModifyBtn));

    ClickRow(form.AlarmBox, 1);
    EXPECT_TRUE(form.DelBtn.Enabled());
    EXPECT_TRUE(form.ModifyBtn.Enabled());
    EXPECT_TRUE(Coloured(form.DelBtn) && Coloured(form.ModifyBtn));
    Click(form.DelBtn);
    Application.MessageBoxHook = nullptr;
    EXPECT_EQ(asked, 0);
    EXPECT_TRUE(watcher.detached);
    ASSERT_EQ(Alarms.Count(), 1);
    EXPECT_EQ(Alarms.Items(0)->Name, "Keep");
    EXPECT_EQ(Rows(), (std::vector<std::string>{"Keep (1 * * * *)"}));
    EXPECT_FALSE(form.DelBtn.Enabled());
    EXPECT_FALSE(form.ModifyBtn.Enabled());
    EXPECT_EQ(saves, 1);  // on disk at once
}

TEST_F(AlarmsForm_, ModifyRewritesTheRowOfTheEditedAlarm)
{
    TSystemTime at = Moment(2026, 12, 8, 7, 30, 0);
    TAlarm& usual = AddAlarm("Wake", akUsual, at);
    form.FillAlarmList();
    form.Show();
    ClickRow(form.AlarmBox, 0);
    {
        TModalHook actor([](TForm& f) {
            auto& d = dynamic_cast<TAlPropForm&>(f);
            Click(d.CronRB);
            d.CronEdit.SetText("30 7 * 2,3 *");
            Click(d.OkBtn);
        });
        Click(form.ModifyBtn);
    }
    EXPECT_EQ(usual.Kind, akCron);
    EXPECT_EQ(Rows(), (std::vector<std::string>{"Wake (30 7 * 2,3 *)"}));
    EXPECT_EQ(form.AlarmBox.ItemIndex(), 0);

    // Cancel leaves the row.
    {
        TModalHook actor([](TForm& f) { Click(dynamic_cast<TAlPropForm&>(f).CancelBtn); });
        Click(form.ModifyBtn);
    }
    EXPECT_EQ(Rows(), (std::vector<std::string>{"Wake (30 7 * 2,3 *)"}));
    // A kind the program doesn't know keeps the old text; the dialog, which knows only its three
    // kinds, makes it a usual alarm again.
    usual.Kind = static_cast<TAlarmKind>(5);
    form.UpdateAlarmRow(usual);
    EXPECT_EQ(Rows(), (std::vector<std::string>{"Wake (30 7 * 2,3 *)"}));
    {
        TModalHook actor([](TForm& f) {
            auto& d = dynamic_cast<TAlPropForm&>(f);
            EXPECT_TRUE(d.UsualRB.Checked());
            d.TimePicker1.SetTime(FromRecord(Moment(2000, 1, 1, 9, 0, 0)));
            Click(d.OkBtn);
        });
        Click(form.ModifyBtn);
    }
    EXPECT_EQ(usual.Kind, akUsual);
    EXPECT_EQ(Rows(), (std::vector<std::string>{"Wake (" + TimeText(usual.SignalTime) + ")"}));
    EXPECT_EQ(usual.SignalTime.wHour, 9);

    // Rows that come and go while the dialog is open (a reminder added by a timer) don't mislead
    // it: the edited alarm's own row is rewritten, whatever is selected by then.
    TAlarm& other = AddAlarm("Other", akCron, TSystemTime{}, "1 * * * *");
    {
        TModalHook actor([&](TForm& f) {
            form.AddAlarmRow(other);
            form.AlarmBox.SetItemIndex(1);
            auto& d = dynamic_cast<TAlPropForm&>(f);
            d.NameEdit.SetText("Woken");
            Click(d.OkBtn);
        });
        form.ModifyBtnClick();
    }
    EXPECT_EQ(Rows(), (std::vector<std::string>{"Woken (" + TimeText(usual.SignalTime) + ")", "Other (1 * * * *)"}));
    EXPECT_EQ(saves, 3);  // each OK on disk at once
}

TEST_F(AlarmsForm_, AddAppendsTheNewAlarmAndItsRowAndSavesAtOnce)
{
    AddAlarm("First", akCron, TSystemTime{}, "1 * * * *");
    form.FillAlarmList();
    {
        TModalHook actor([](TForm& f) { Click(dynamic_cast<TAlPropForm&>(f).OkBtn); });
        Click(form.AddBtn);
    }
    ASSERT_EQ(Alarms.Count(), 2);
    TAlarm& added = *Alarms.Items(1);
    EXPECT_EQ(added.Name, "Unnamed alarm");
    EXPECT_EQ(Rows().back(), "Unnamed alarm (" + TimeText(added.SignalTime) + ")");
    EXPECT_EQ(form.AlarmBox.Data(1), &added);
    {
        TModalHook actor([](TForm& f) { Click(dynamic_cast<TAlPropForm&>(f).CancelBtn); });
        Click(form.AddBtn);
    }
    EXPECT_EQ(Alarms.Count(), 2);
    EXPECT_EQ(saves, 1);  // the OK, not the Cancel
}

TEST_F(AlarmsForm_, ClosingHidesTheWindowAndSavesOnlyWithAutoSave)
{
    for (bool on : {false, true}) {
        autoSave = on;
        saves = 0;
        form.Show();
        Click(form.OkBtn);
        EXPECT_FALSE(form.Visible());
        EXPECT_TRUE(IsWindow(form.Handle()));
        form.Show();
        SendMessageA(form.Handle(), WM_CLOSE, 0, 0);
        EXPECT_FALSE(form.Visible());
        // Esc, as OK.
        form.Show();
        PostMessageA(form.AlarmBox.Handle(), WM_KEYDOWN, VK_ESCAPE, 1);
        PumpMessages();
        EXPECT_FALSE(form.Visible());
        EXPECT_EQ(saves, on ? 3 : 0);
    }
}

TEST_F(AlarmsForm_, RowsOfAlarmsChangedElsewhereAreKeptUpToDate)
{
    TAlarm& a = AddAlarm("A", akCron, TSystemTime{}, "1 * * * *");
    TAlarm& b = AddAlarm("B", akCron, TSystemTime{}, "2 * * * *");
    TAlarm& odd = AddAlarm("Odd", 4, TSystemTime{});
    form.AddAlarmRow(a);
    form.AddAlarmRow(odd);
    form.AddAlarmRow(b);
    b.CronMask = "3 * * * *";
    form.UpdateAlarmRow(b);
    EXPECT_EQ(Rows(), (std::vector<std::string>{"A (1 * * * *)", "B (3 * * * *)"}));
    form.Show();
    ClickRow(form.AlarmBox, 0);
    form.RemoveAlarmRow(a);
    EXPECT_EQ(Rows(), (std::vector<std::string>{"B (3 * * * *)"}));
    EXPECT_FALSE(form.DelBtn.Enabled());
    EXPECT_EQ(Alarms.Count(), 3);
}

}  // namespace
