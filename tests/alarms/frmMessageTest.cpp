#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "../support/WinTestSupport.h"
#include "alarms/frmMessage.h"

namespace {

class MessageForm : public ::testing::Test {
protected:
    MessageForm()
    {
        alarm = std::make_unique<TAlarm>();
        alarm->Name = "Tea";
        alarm->MessageText = "Kettle\r\nis on";
        alarm->Kind = akReminder;
        alarm->OnceADay = true;
        hooks.Clock = &clock;
        hooks.EditAlarm = [this](TAlarm& a, const TSystemTime& proposal) {
            edits.push_back(a.Name);
            editedAt = proposal;
            return editAnswer;
        };
        hooks.AlarmChanged = [this](TAlarm& a) { changed.push_back(a.Name); };
        hooks.LastWindowClosed = [this](TAlarm& a) { lastClosed.push_back(a.Name); };
    }
    ~MessageForm() override
    {
        alarm.reset();
        PumpMessages();
    }

    TMessageForm& Open() { return *TMessageForm::Open(*alarm, "Doviz Clock", hooks); }
    TMenuItem& Item(TMessageForm& form, const char* name) { return *form.ResheduleMenu.Find(name); }

    TFakeClock clock;
    TMessageHooks hooks;
    std::unique_ptr<TAlarm> alarm;
    bool editAnswer = true;
    TSystemTime editedAt;
    std::vector<std::string> edits, changed, lastClosed;
};

TEST_F(MessageForm, ShowsTheAlarmInTheDesignedWindow)
{
    TMessageForm& form = Open();
    EXPECT_TRUE(form.Visible());

    EXPECT_EQ(form.Label1.Text(), "Message from ");
    EXPECT_EQ(form.CaptionText.Text(), "Tea");
    const RECT label = form.Label1.BoundsInParent(), name = form.CaptionText.BoundsInParent();
    EXPECT_EQ(label.top, name.top);
    EXPECT_GE(name.left, label.right - 1);
    EXPECT_EQ(form.TextMemo.Text(), "Kettle\r\nis on");
    const LONG_PTR memo = GetWindowLongPtrA(form.TextMemo.Handle(), GWL_STYLE);
    EXPECT_EQ(memo & (WS_HSCROLL | WS_VSCROLL | ES_READONLY | ES_MULTILINE),
              static_cast<LONG_PTR>(WS_HSCROLL | WS_VSCROLL | ES_MULTILINE));

    EXPECT_EQ(form.OkBtn.Text(), "OK");
    EXPECT_EQ(form.OkBtn.Hint(), "Close the window");
    EXPECT_EQ(form.DefaultButton, &form.OkBtn);
    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(form.OkBtn.Handle(), WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_GE(font.lfWeight, FW_BOLD);
    EXPECT_EQ(form.LaterBtn.Text(), "Remind later");
    EXPECT_EQ(GetWindowLongPtrA(form.LaterBtn.Handle(), GWL_STYLE) & BS_TYPEMASK, BS_SPLITBUTTON);

    const struct {
        const char* name;
        const char* caption;
        int tag;
    } items[] = {{"In1minuteItem", "In &1 minute", 1},     {"In5minutesItem", "In &5 minutes", 5},
                 {"In10minutesItem", "In 1&0 minutes", 10}, {"In15minutesItem", "In 15 minutes", 15},
                 {"ModifyItem", "&Custom ...", -1}};
    const auto& all = form.ResheduleMenu.Items().Items();
    ASSERT_EQ(all.size(), 6u);
    EXPECT_TRUE(all[4]->IsSeparator());
    for (const auto& i : items) {
        EXPECT_EQ(Item(form, i.name).Caption(), i.caption);
        EXPECT_EQ(Item(form, i.name).Tag, i.tag);
    }
    ASSERT_EQ(alarm->MessageWindows.Count(), 1);
    EXPECT_EQ(alarm->MessageWindows.Items(0), &form);
    EXPECT_EQ(form.Alarm, alarm.get());
}

TEST_F(MessageForm, TextWithBareLineFeedsStillShowsItsLines)
{
    alarm->MessageText = "one\ntwo\r\nthree";
    EXPECT_EQ(Open().TextMemo.Text(), "one\r\ntwo\r\nthree");
}

TEST_F(MessageForm, ButtonBodyAndCustomItemOpenTheDialogAtNow)
{
    clock.Now = Moment(2026, 5, 1, 10, 20, 30);
    for (bool ok : {true, false}) {
        for (bool body : {true, false}) {
            TMessageForm& form = Open();
            edits.clear();
            changed.clear();
            alarm->Enabled = false;
            editAnswer = ok;
            if (body)
                SendMessageA(form.LaterBtn.Handle(), BM_CLICK, 0, 0);
            else
                Item(form, "ModifyItem").Click();
            EXPECT_EQ(edits, std::vector<std::string>{"Tea"});
            EXPECT_EQ(editedAt, clock.Now);
            // The dialog alone changes the alarm: Cancel leaves it as it was.
            EXPECT_EQ(alarm->SignalTime, TSystemTime{});
            EXPECT_FALSE(alarm->Enabled);
            EXPECT_EQ(changed.size(), ok ? 1u : 0u) << body;
        }
    }
}

TEST_F(MessageForm, ArrowOpensTheMenuBelowTheButton)
{
    TMessageForm& form = Open();
    clock.Now = Moment(2026, 5, 1, 10, 0, 0);
    RECT opened{};
    static RECT menu;
    menu = {};
    form.ResheduleMenu.OnPopup = [&](TPopupMenu&) {
        GetWindowRect(form.LaterBtn.Handle(), &opened);
        // Once the menu is up: where it is; then its mnemonic picks "In 1&0 minutes".
        SetTimer(form.Handle(), 1, 50, [](HWND window, UINT, UINT_PTR id, DWORD) {
            KillTimer(window, id);
            if (HWND popup = FindWindowA("#32768", nullptr)) GetWindowRect(popup, &menu);
            PostMessageA(window, WM_CHAR, '0', 0);
        });
    };
    // A click on the arrow at the button's right edge.
    const RECT r = form.LaterBtn.BoundsInParent();
    const LPARAM arrow = MAKELPARAM(r.right - r.left - 6, (r.bottom - r.top) / 2);
    SendMessageA(form.LaterBtn.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, arrow);
    SendMessageA(form.LaterBtn.Handle(), WM_LBUTTONUP, 0, arrow);
    PumpMessages();
    EXPECT_NE(opened.bottom, 0) << "the menu did not open";
    // Below the button, at its left edge.
    EXPECT_EQ(menu.left, opened.left);
    EXPECT_EQ(menu.top, opened.bottom);
    EXPECT_EQ(alarm->SignalTime.wMinute, 10);
    EXPECT_TRUE(edits.empty());
}

// Closing removes the window from its alarm; the last one to close asks for the alarm's end.
TEST_F(MessageForm, ClosingTheLastWindowHandsTheAlarmOn)
{
    TMessageForm& first = Open();
    TMessageForm& second = Open();
    TMessageForm& third = Open();
    ASSERT_EQ(alarm->MessageWindows.Count(), 3);
    // Put where the system puts new windows, none hides another whole.
    RECT r[3];
    for (int i = 0; i < 3; ++i) GetWindowRect((i == 0 ? first : i == 1 ? second : third).Handle(), &r[i]);
    for (int i = 0; i < 3; ++i)
        for (int j = i + 1; j < 3; ++j) EXPECT_FALSE(EqualRect(&r[i], &r[j])) << i << " and " << j;
    SendMessageA(first.OkBtn.Handle(), BM_CLICK, 0, 0);
    PumpMessages();
    EXPECT_EQ(alarm->MessageWindows.Count(), 2);
    SendMessageA(second.Handle(), WM_CLOSE, 0, 0);
    PumpMessages();
    EXPECT_EQ(alarm->MessageWindows.Count(), 1);
    EXPECT_TRUE(lastClosed.empty());
    EXPECT_EQ(FindWindowA("TMessageForm", nullptr), third.Handle());  // the others are gone
    // Esc closes it as its close box does.
    PostMessageA(third.OkBtn.Handle(), WM_KEYDOWN, VK_ESCAPE, 1);
    PumpMessages();
    EXPECT_EQ(alarm->MessageWindows.Count(), 0);
    EXPECT_EQ(lastClosed, std::vector<std::string>{"Tea"});
    EXPECT_EQ(FindWindowA("TMessageForm", nullptr), nullptr);
}

TEST_F(MessageForm, WindowDestroyedUnclosedLeavesItsAlarm)
{
    TMessageForm& form = Open();
    delete &form;
    EXPECT_EQ(alarm->MessageWindows.Count(), 0);
    EXPECT_TRUE(lastClosed.empty());
}

}  // namespace
