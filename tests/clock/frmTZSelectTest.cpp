#include "clock/frmTZSelect.h"

#include <gtest/gtest.h>

#include "../support/Input.h"
#include "../support/ModalHook.h"
#include "../support/WinTestSupport.h"

namespace {

RECT Bounds(const TControl& c)
{
    return c.BoundsInParent();
}

TEST(TZSelectDlg, ItsFiveControlsSitInOrder)
{
    TTZSelectDlg dlg;
    RECT list = Bounds(dlg.TZListBox);
    LONG_PTR listStyle = GetWindowLongPtrA(dlg.TZListBox.Handle(), GWL_STYLE);
    EXPECT_TRUE(listStyle & LBS_SORT);
    EXPECT_FALSE(listStyle & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL));

    RECT label = Bounds(dlg.Label1), edit = Bounds(dlg.AliasEdit);
    EXPECT_EQ(dlg.Label1.Text(), "Alias:");
    EXPECT_LE(label.right, edit.left);  // left of the edit
    EXPECT_GE(label.top, list.bottom);  // below the list
    EXPECT_GE(edit.top, list.bottom);
    EXPECT_LE(edit.right, 265);

    EXPECT_EQ(dlg.OKBtn.Text(), "OK");
    EXPECT_EQ(dlg.CancelBtn.Text(), "Cancel");
    EXPECT_EQ(dlg.DefaultButton, &dlg.OKBtn);
    EXPECT_EQ(dlg.CancelButton, &dlg.CancelBtn);
    EXPECT_TRUE(GetWindowLongPtrA(dlg.OKBtn.Handle(), GWL_STYLE) & BS_DEFPUSHBUTTON);
    EXPECT_GE(Bounds(dlg.OKBtn).top, edit.bottom);
}

TEST(TZSelectDlg, OpensWithTheListFocusedSoArrowKeysMoveAtOnce)
{
    TTZSelectDlg dlg;
    dlg.TZListBox.Add("(UTC+01:00) Paris");
    HWND focused = nullptr;
    TModalHook hook([&](TForm& f) {
        focused = GetFocus();
        f.SetModalResult(mrCancel);
    });
    dlg.ShowModal();
    EXPECT_EQ(focused, dlg.TZListBox.Handle());
}

class TZSelectUse : public testing::Test {
protected:
    TTZSelectDlg dlg;
    void SetUp() override
    {
        dlg.Show();
        for (const char* row : {"(UTC+09:00) Tokyo", "(UTC-05:00) Bogota", "(UTC+01:00) Paris"}) dlg.TZListBox.Add(row);
        dlg.AliasEdit.SetText("Typed alias");
    }
};

TEST_F(TZSelectUse, ClickDoubleClickAndArrowKeysReplaceTheTypedAliasWithTheRow)
{
    // The rows are in the list's own order.
    EXPECT_EQ(dlg.TZListBox.Item(0), "(UTC+01:00) Paris");
    ClickRow(dlg.TZListBox, 1);
    EXPECT_EQ(dlg.AliasEdit.Text(), "(UTC+09:00) Tokyo");

    dlg.AliasEdit.SetText("Home");
    ClickRow(dlg.TZListBox, 0);
    SecondClickRow(dlg.TZListBox, 0);
    EXPECT_EQ(dlg.AliasEdit.Text(), "(UTC+01:00) Paris");
    EXPECT_TRUE(dlg.Visible());  // a double-click does not close it
    EXPECT_EQ(dlg.ModalResult(), mrNone);

    dlg.AliasEdit.SetText("Home");
    SetFocus(dlg.TZListBox.Handle());
    PostMessageA(dlg.TZListBox.Handle(), WM_KEYDOWN, VK_DOWN, 1);
    PostMessageA(dlg.TZListBox.Handle(), WM_KEYUP, VK_DOWN, 0xC0000001);
    PumpMessages();
    EXPECT_EQ(dlg.TZListBox.ItemIndex(), 1);
    EXPECT_EQ(dlg.AliasEdit.Text(), "(UTC+09:00) Tokyo");
}

TEST_F(TZSelectUse, WithoutASelectedRowTheAliasStays)
{
    // A click below the last row selects nothing; a key release with nothing selected changes nothing.
    SendMessageA(dlg.TZListBox.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 105));
    PostMessageA(dlg.TZListBox.Handle(), WM_KEYUP, VK_SHIFT, 0xC0000001);
    PumpMessages();
    EXPECT_EQ(dlg.TZListBox.ItemIndex(), -1);
    EXPECT_EQ(dlg.AliasEdit.Text(), "Typed alias");
    // Selecting from code is not the user's pick: the alias stays too.
    dlg.TZListBox.SetItemIndex(2);
    PumpMessages();
    EXPECT_EQ(dlg.AliasEdit.Text(), "Typed alias");
}

TEST_F(TZSelectUse, OnlyTheReleaseOfAKeyTheListTookDownCopiesTheRow)
{
    dlg.TZListBox.SetItemIndex(1);
    SetFocus(dlg.TZListBox.Handle());
    // A key pressed elsewhere (the clock menu's T) and released over the list.
    SendMessageA(dlg.TZListBox.Handle(), WM_KEYUP, 'T', 0xC0000001);
    EXPECT_EQ(dlg.AliasEdit.Text(), "Typed alias");
    SendMessageA(dlg.TZListBox.Handle(), WM_KEYDOWN, VK_SHIFT, 1);
    SendMessageA(dlg.TZListBox.Handle(), WM_KEYUP, VK_SHIFT, 0xC0000001);
    EXPECT_EQ(dlg.AliasEdit.Text(), "(UTC+09:00) Tokyo");
}

TEST(TZSelectDlg, TypingACitySelectsItsRowAndCopiesItIntoTheAlias)
{
    const char* rows[] = {"(UTC+09:00) Osaka, Sapporo, Tokyo", "(UTC+09:00) Yakutsk", "(UTC+10:00) Canberra, Melbourne, Sydney",
                          "(UTC-05:00) Eastern Time (US & Canada)", "(UTC-03:30) Newfoundland"};
    // Each row carries its zone, whose big cities are found too.
    TTimeZoneInfo zones[] = {{"Tokyo Standard Time", rows[0], {}}, {"Yakutsk Standard Time", rows[1], {}},
                             {"AUS Eastern Standard Time", rows[2], {}}, {"Eastern Standard Time", rows[3], {}},
                             {"Newfoundland Standard Time", rows[4], {}}};
    struct Case {
        const char* typed;
        const char* row;
    } cases[] = {{"tok", rows[0]}, {"syd", rows[2]}, {"new", rows[4]}, {"new y", rows[3]}, {"toro", rows[3]},
                 {"qqq", nullptr}};
    for (const auto& c : cases) {
        TTZSelectDlg dlg;
        dlg.Show();
        for (TTimeZoneInfo& zone : zones) dlg.TZListBox.Add(zone.DisplayName, &zone);
        dlg.AliasEdit.SetText("Typed alias");
        SetFocus(dlg.TZListBox.Handle());
        Type(dlg.TZListBox.Handle(), c.typed);
        if (!c.row) {
            EXPECT_EQ(dlg.TZListBox.ItemIndex(), -1) << c.typed;
            EXPECT_EQ(dlg.AliasEdit.Text(), "Typed alias") << c.typed;
            continue;
        }
        ASSERT_GE(dlg.TZListBox.ItemIndex(), 0) << c.typed;
        EXPECT_EQ(dlg.TZListBox.Item(dlg.TZListBox.ItemIndex()), c.row) << c.typed;
        EXPECT_EQ(dlg.AliasEdit.Text(), c.row) << c.typed;
    }
}

}  // namespace
