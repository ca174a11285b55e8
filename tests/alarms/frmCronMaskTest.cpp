#include "alarms/frmCronMask.h"

#include <gtest/gtest.h>

#include <string>

#include "../support/Input.h"
#include "AlarmDialogTestSupport.h"

namespace {

std::string LocaleName(LCTYPE type)
{
    char buf[100] = {};
    GetLocaleInfoA(LOCALE_USER_DEFAULT, type, buf, sizeof buf);
    return buf;
}

// Which items of a list are selected, as their texts.
std::string Selected(const TListBox& list)
{
    std::string s;
    for (int i = 0; i < list.Count(); ++i)
        if (list.Selected(i)) s += (s.empty() ? "" : ",") + list.Item(i);
    return s;
}

TEST(CronMaskForm, OpensWithFiveEmptyListsInTheUsersNamesAndOkDisabled)
{
    TCronMaskForm form;
    EXPECT_EQ(form.GroupBox1.Text(), "Alarm is signaled on");
    EXPECT_EQ(form.MinList.Count(), 60);
    EXPECT_EQ(form.MinList.Item(59), "59");
    EXPECT_EQ(form.HourList.Count(), 24);
    EXPECT_EQ(form.DayList.Item(0), "1");
    EXPECT_EQ(form.DayList.Count(), 31);
    ASSERT_EQ(form.DOWList.Count(), 7);
    EXPECT_EQ(form.DOWList.Item(0), LocaleName(LOCALE_SDAYNAME7));
    EXPECT_EQ(form.DOWList.Item(1), LocaleName(LOCALE_SDAYNAME1));
    ASSERT_EQ(form.MonthList.Count(), 12);
    EXPECT_EQ(form.MonthList.Item(0), LocaleName(LOCALE_SMONTHNAME1));
    EXPECT_EQ(form.MonthList.Item(11), LocaleName(LOCALE_SMONTHNAME12));
    for (TListBox* list : form.Lists()) EXPECT_EQ(Selected(*list), "");
    EXPECT_FALSE(form.OkBtn.Enabled());
    EXPECT_EQ(form.MinLabel.Text() + "|" + form.OfLabel.Text() + "|" + form.HourLabel.Text() + "|" +
                  form.DayLabel.Text() + "|" + form.OnLabel.Text() + "|" + form.InLabel.Text() + "|" +
                  form.MaskLabel.Text(),
              "'th minute(s)|of|'th hour(s)|'th day of month|on|in|MASK:");
}

TEST(CronMaskForm, AGivenMaskSelectsItsValuesAndShowsItsCanonicalForm)
{
    TCronMaskForm form;
    form.ListsFromMask("0,30 8 * 2,3,4,5,6 *");
    EXPECT_EQ(form.Mask(), "0,30 8 * 2,3,4,5,6 *");
    EXPECT_TRUE(form.OkBtn.Enabled());
    EXPECT_EQ(Selected(form.MinList), "0,30");
    EXPECT_EQ(Selected(form.HourList), "8");
    EXPECT_TRUE(form.DayList.Selected(0) && form.DayList.Selected(30));
    EXPECT_FALSE(form.DOWList.Selected(0));
    EXPECT_TRUE(form.DOWList.Selected(1) && form.DOWList.Selected(5));
    EXPECT_FALSE(form.DOWList.Selected(6));

    TCronMaskForm four;
    four.ListsFromMask("05 8 * *");
    EXPECT_EQ(four.Mask(), "5 8 * * ?");
    EXPECT_FALSE(four.OkBtn.Enabled());
}

TEST(CronMaskForm, ClicksInTheListsRebuildTheMask)
{
    TCronMaskForm form;
    form.Show();
    for (TListBox* list : form.Lists()) ClickRow(*list, 0);
    ClickRow(form.MonthList, 11);
    EXPECT_EQ(form.Mask(), "0 0 1 1 1,12");
    EXPECT_TRUE(form.OkBtn.Enabled());
    // A click takes a value away again; Shift+click adds the values from the last one clicked.
    ClickRow(form.HourList, 0);
    EXPECT_EQ(form.Mask(), "0 ? 1 1 1,12");
    EXPECT_FALSE(form.OkBtn.Enabled());
    ClickRow(form.HourList, 8);
    ClickRow(form.HourList, 10, MK_SHIFT);
    ClickRow(form.MinList, 3, MK_SHIFT);
    EXPECT_EQ(form.Mask(), "0,1,2,3 8,9,10 1 1 1,12");
    // Space on the caret's row selects it as a click does, and the mask follows.
    SetFocus(form.MonthList.Handle());
    SendMessageA(form.MonthList.Handle(), LB_SETCARETINDEX, 5, FALSE);
    Type(form.MonthList.Handle(), " ");
    EXPECT_EQ(form.Mask(), "0,1,2,3 8,9,10 1 1 1,6,12");
}

TEST(CronMaskForm, TypingAddsValuesAndNeverTakesThemAway)
{
    TCronMaskForm form;
    form.Show();
    form.ListsFromMask("0 8 * * *");
    // A 5 typed after the minute 0.
    SetFocus(form.MaskEdit.Handle());
    SendMessageA(form.MaskEdit.Handle(), EM_SETSEL, 1, 1);
    Type(form.MaskEdit.Handle(), "5");
    EXPECT_EQ(form.Mask(), "0,5 8 * * *");
    EXPECT_EQ(Selected(form.MinList), "0,5");
    // The 8 deleted: it stays selected and comes back.
    form.MaskEdit.SetText("0,5  * * *");
    EXPECT_EQ(Selected(form.HourList).substr(0, 5), "0,1,2");
    form.MaskEdit.SetText("0 x * * *");
    EXPECT_EQ(form.Mask(), "0,5 * * * *");
}

TEST(CronMaskForm, OkGivesTheMaskAndTheCloseBoxCancels)
{
    TCronMaskForm form;
    form.ListsFromMask("0 12 * * *");
    {
        TModalHook actor([](TForm& f) { Click(dynamic_cast<TCronMaskForm&>(f).OkBtn); });
        EXPECT_EQ(form.ShowModal(), mrOk);
    }
    EXPECT_EQ(form.Mask(), "0 12 * * *");
    {
        TModalHook actor([](TForm& f) { SendMessageA(f.Handle(), WM_CLOSE, 0, 0); });
        EXPECT_EQ(form.ShowModal(), mrCancel);
    }
    {
        TModalHook actor([](TForm& f) {
            PostMessageA(dynamic_cast<TCronMaskForm&>(f).MaskEdit.Handle(), WM_KEYDOWN, VK_ESCAPE, 1);
        });
        EXPECT_EQ(form.ShowModal(), mrCancel);
    }
}

}  // namespace
