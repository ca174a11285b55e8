#include "clock/frmTZSelect.h"

#include <gtest/gtest.h>

#include "../support/ModalHook.h"
#include "../support/WinTestSupport.h"

namespace {

LPARAM RowPoint(const TListBox& list, int index)
{
    RECT r{};
    SendMessageA(list.Handle(), LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
    return MAKELPARAM(r.left + 5, (r.top + r.bottom) / 2);
}

RECT Bounds(const TControl& c)
{
    return c.BoundsInParent();
}

TEST(TZSelectDlg, IsASmallCentredToolWindowWithItsFiveControls)
{
    TTZSelectDlg dlg;
    EXPECT_EQ(dlg.Caption(), "TimeZone Selection");
    char className[64] = {};
    GetClassNameA(dlg.Handle(), className, sizeof className);
    EXPECT_STREQ(className, "TTZSelectDlg");
    SIZE client = dlg.ClientSize();
    EXPECT_EQ(client.cx, 265);
    EXPECT_EQ(client.cy, 171);
    LONG_PTR style = GetWindowLongPtrA(dlg.Handle(), GWL_STYLE);
    LONG_PTR ex = GetWindowLongPtrA(dlg.Handle(), GWL_EXSTYLE);
    EXPECT_TRUE(ex & WS_EX_TOOLWINDOW);
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    EXPECT_FALSE(style & (WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));

    RECT wr, work;
    GetWindowRect(dlg.Handle(), &wr);
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_LE(std::abs((wr.left + wr.right) - (work.left + work.right)), 1);
    EXPECT_LE(std::abs((wr.top + wr.bottom) - (work.top + work.bottom)), 1);

    RECT list = Bounds(dlg.TZListBox);
    EXPECT_EQ(list.left, 0);
    EXPECT_EQ(list.top, 0);
    EXPECT_EQ(list.right, 265);
    EXPECT_EQ(list.bottom, 113);
    LONG_PTR listStyle = GetWindowLongPtrA(dlg.TZListBox.Handle(), GWL_STYLE);
    EXPECT_TRUE(listStyle & LBS_SORT);
    EXPECT_FALSE(listStyle & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL));

    RECT label = Bounds(dlg.Label1), edit = Bounds(dlg.AliasEdit);
    EXPECT_EQ(dlg.Label1.Text(), "Alias:");
    EXPECT_EQ(edit.right - edit.left, 233);
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
    void ClickRow(int row, bool twice = false)
    {
        const LPARAM at = RowPoint(dlg.TZListBox, row);
        SendMessageA(dlg.TZListBox.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageA(dlg.TZListBox.Handle(), WM_LBUTTONUP, 0, at);
        if (!twice) return;
        SendMessageA(dlg.TZListBox.Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
        SendMessageA(dlg.TZListBox.Handle(), WM_LBUTTONUP, 0, at);
    }
};

TEST_F(TZSelectUse, ClickDoubleClickAndArrowKeysReplaceTheTypedAliasWithTheRow)
{
    // The rows are in the list's own order.
    EXPECT_EQ(dlg.TZListBox.Item(0), "(UTC+01:00) Paris");
    ClickRow(1);
    EXPECT_EQ(dlg.AliasEdit.Text(), "(UTC+09:00) Tokyo");

    dlg.AliasEdit.SetText("Home");
    ClickRow(0, true);
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

// Each key as the message loop hands it over: down, its character, up.
void Type(TListBox& list, const std::string& text)
{
    for (char c : text) {
        const WPARAM key = static_cast<WPARAM>(toupper(static_cast<unsigned char>(c)));
        SendMessageA(list.Handle(), WM_KEYDOWN, key, 1);
        SendMessageA(list.Handle(), WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(c)), 1);
        SendMessageA(list.Handle(), WM_KEYUP, key, 0xC0000001);
    }
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
        Type(dlg.TZListBox, c.typed);
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
