#include <gtest/gtest.h>

#include "../support/Input.h"
#include "../support/WinTestSupport.h"
#include "widgets/Edits.h"
#include "widgets/Form.h"
#include "widgets/ListBox.h"

namespace {

bool HasHorizontalBar(HWND hwnd)
{
    return (GetWindowLongPtrA(hwnd, GWL_STYLE) & WS_HSCROLL) != 0;
}

TEST(ListBox, SortedRowsKeepTheirDataWhereverTheyLand)
{
    TForm form(TestDialog("TTextListTest"));
    TListBox list(form, {8, 8, 200, 100}, true, false);
    int a = 1, b = 2, c = 3;
    list.Add("Tokyo", &a);
    EXPECT_EQ(list.Add("Berlin", &b), 0);
    EXPECT_EQ(list.Add("Lima", &c), 1);
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.Item(2), "Tokyo");
    EXPECT_EQ(list.Data(0), &b);
    EXPECT_EQ(list.Data(2), &a);
    EXPECT_EQ(list.IndexOfData(&c), 1);
    EXPECT_EQ(list.IndexOfData(nullptr), -1);
    list.Delete(0);
    EXPECT_EQ(list.IndexOfData(&c), 0);
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.ItemIndex(), -1);
}

TEST(ListBox, ReplacingARowKeepsItsPlaceDataAndSelection)
{
    TForm form(TestDialog("TTextListTest"));
    TListBox list(form, {8, 8, 200, 100}, false, false);
    int a = 1, b = 2;
    list.Add("first", &a);
    list.Add("second", &b);
    list.SetItemIndex(1);
    list.SetItem(1, "changed");
    EXPECT_EQ(list.Item(1), "changed");
    EXPECT_EQ(list.Data(1), &b);
    EXPECT_EQ(list.ItemIndex(), 1);
    list.SetItem(0, "also changed");
    EXPECT_EQ(list.ItemIndex(), 1);
    EXPECT_EQ(list.Data(0), &a);
}

TEST(ListBox, HorizontalBarShowsExactlyWhileARowIsWiderThanTheList)
{
    TForm form(TestDialog("TTextListTest"));
    form.Show();
    TListBox list(form, {8, 8, 100, 100}, false, false);
    list.Add("short");
    EXPECT_FALSE(HasHorizontalBar(list.Handle()));
    list.Add("(UTC-05:00) Eastern Time (US & Canada), a row far wider than the list");
    EXPECT_TRUE(HasHorizontalBar(list.Handle()));
    list.SetItem(1, "short again");
    EXPECT_FALSE(HasHorizontalBar(list.Handle()));
    list.Add("another row that is much wider than one hundred pixels");
    EXPECT_TRUE(HasHorizontalBar(list.Handle()));
    list.Delete(2);
    EXPECT_FALSE(HasHorizontalBar(list.Handle()));
}

TEST(ListBox, UserClicksRaiseTheEventsAndCodeDoesNot)
{
    TForm form(TestDialog("TTextListTest"));
    form.Show();
    TListBox list(form, {8, 8, 200, 100}, false, false);
    list.Add("one");
    list.Add("two");
    int clicks = 0, doubleClicks = 0, mouseUps = 0;
    list.OnClick = [&](TListBox&) { ++clicks; };
    list.OnDblClick = [&](TListBox&) { ++doubleClicks; };
    list.OnMouseUp = [&](TControl&) { ++mouseUps; };
    list.SetItemIndex(0);
    EXPECT_EQ(clicks, 0);
    ClickRow(list, 1);
    EXPECT_EQ(list.ItemIndex(), 1);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(mouseUps, 1);
    SecondClickRow(list, 1);
    EXPECT_EQ(doubleClicks, 1);
}

TEST(ListBox, MultiSelectKeepsEachRowsStateAndTheFocusApart)
{
    TForm form(TestDialog("TTextListTest"));
    TListBox list(form, {8, 8, 60, 100}, false, true);
    for (const char* day : {"Sun", "Mon", "Tue", "Wed"}) list.Add(day);
    list.SetSelected(1, true);
    list.SetSelected(3, true);
    list.SetItemIndex(2);
    EXPECT_FALSE(list.Selected(0));
    EXPECT_TRUE(list.Selected(1));
    EXPECT_FALSE(list.Selected(2));
    EXPECT_TRUE(list.Selected(3));
    EXPECT_EQ(list.ItemIndex(), 2);
    list.SetItem(3, "Thu");
    EXPECT_TRUE(list.Selected(3));
    list.SetSelected(1, false);
    EXPECT_FALSE(list.Selected(1));
}

TEST(Edits, ChangesFromCodeAndTypingBothReachOnChange)
{
    TForm form(TestDialog("TTextListTest"));
    TEdit edit(form, {8, 8, 233, 21});
    std::vector<std::string> seen;
    edit.OnChange = [&](TEdit& e) { seen.push_back(e.Text()); };
    edit.SetText("Home");
    SendMessageA(edit.Handle(), EM_SETSEL, 4, 4);
    SendMessageA(edit.Handle(), WM_CHAR, 'r', 1);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0], "Home");
    EXPECT_EQ(seen[1], "Homer");
    edit.SetReadOnly(true);
    SendMessageA(edit.Handle(), WM_CHAR, 'x', 1);
    EXPECT_EQ(edit.Text(), "Homer");
}

TEST(Edits, MemoKeepsLinesAndHasTheScrollBarsAskedFor)
{
    TForm form(TestDialog("TTextListTest"));
    TMemo both(form, {8, 8, 200, 60}, ssBoth, false);
    TMemo wrapped(form, {8, 80, 200, 60}, ssVertical, true);
    both.SetText("Time to signal ...\r\nsecond line");
    EXPECT_EQ(both.Text(), "Time to signal ...\r\nsecond line");
    EXPECT_EQ(SendMessageA(both.Handle(), EM_GETLINECOUNT, 0, 0), 2);
    auto style = [](const TMemo& m) { return GetWindowLongPtrA(m.Handle(), GWL_STYLE); };
    EXPECT_TRUE(style(both) & WS_VSCROLL);
    EXPECT_TRUE(style(both) & ES_AUTOHSCROLL);
    EXPECT_FALSE(style(wrapped) & ES_AUTOHSCROLL);
    EXPECT_TRUE(style(wrapped) & WS_VSCROLL);
}

}  // namespace
