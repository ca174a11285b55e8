#include "alarms/CronSelection.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The selection a text gives in a fresh editor, shown as the editor shows it.
TCronMaskText Shown(const std::string& text)
{
    TCronSelection selection = EmptyCronSelection();
    ListsFromMask(text, selection);
    return MasksFromLists(selection);
}

TEST(CronSelection, FreshEditorShowsTheCanonicalMaskOfTheGivenText)
{
    struct Case {
        const char* given;
        const char* shown;
        bool ok;
    } cases[] = {
        {"", "? ? ? ? ?", false},
        {"0,30 8 * 2,3,4,5,6 *", "0,30 8 * 2,3,4,5,6 *", true},
        {"05 8 * * *", "5 8 * * *", true},
        {"99 8 * * *", "? 8 * * *", false},
        {"0 8 * *", "0 8 * * ?", false},
        {"*/5 * * * *", "? * * * *", false},
        // Pieces that select nothing are dropped; the rest still count.
        {"5,x,,7 * * * *", "5,7 * * * *", true},
        {"7,5,5 * * * *", "5,7 * * * *", true},
        {"1-5 * * * *", "? * * * *", false},
        {"? * * * *", "? * * * *", false},
        {"-1,+2 * * * *", "? * * * *", false},
        // Values outside a list: day 0 and 32, weekday 0 and 8, month 0 and 13, minute 60, hour 24.
        {"60 24 0,32 0,8 0,13", "? ? ? ? ?", false},
        {"59 23 31 7 12", "59 23 31 7 12", true},
        {"0 0 1 1 1", "0 0 1 1 1", true},
        {"000000000000000000003 * * * *", "3 * * * *", true},
        {"99999999999999999999 * * * *", "? * * * *", false},
        // Words are those of the mask matcher: tabs and semicolons separate, extra words are ignored.
        {"0\t12;* * * 99", "0 12 ? * *", false},
        {"0 ; 12 * * * 99", "0 12 * * *", true},
    };
    for (const auto& c : cases) {
        TCronMaskText shown = Shown(c.given);
        EXPECT_EQ(shown.Text, c.shown) << '|' << c.given << '|';
        EXPECT_EQ(shown.OkAllowed, c.ok) << '|' << c.given << '|';
    }
}

TEST(CronSelection, ListsGiveStarForAllNumbersForSomeAndQuestionMarkForNone)
{
    TCronSelection s = EmptyCronSelection();
    for (int f = 0; f < CronFieldCount; ++f) ASSERT_EQ(s[f].size(), std::size_t(CronFieldRanges[f].Count));
    EXPECT_EQ(MasksFromLists(s).Text, "? ? ? ? ?");

    // One item in each list enables OK.
    s[0][0] = s[1][0] = s[2][0] = s[3][0] = s[4][0] = true;
    EXPECT_EQ(MasksFromLists(s).Text, "0 0 1 1 1");
    EXPECT_TRUE(MasksFromLists(s).OkAllowed);

    // Sunday alone is 1, December alone is 12.
    s[4][0] = false;
    s[4][11] = true;
    EXPECT_EQ(MasksFromLists(s).Text, "0 0 1 1 12");

    // All seven days give "*"; taking one away gives the other six.
    s[3].assign(7, true);
    EXPECT_EQ(MasksFromLists(s).Text, "0 0 1 * 12");
    s[3][3] = false;  // Wednesday
    EXPECT_EQ(MasksFromLists(s).Text, "0 0 1 1,2,3,5,6,7 12");

    s[1].assign(24, true);
    s[2].assign(31, false);
    TCronMaskText shown = MasksFromLists(s);
    EXPECT_EQ(shown.Text, "0 * ? 1,2,3,5,6,7 12");
    EXPECT_FALSE(shown.OkAllowed);
}

TEST(CronSelection, TypingAddsValuesButNeverTakesOneAway)
{
    TCronSelection s = EmptyCronSelection();
    ListsFromMask("0 8 * * *", s);
    // A digit typed after the minute 0 reads as 05: minute 5 joins minute 0.
    ListsFromMask("05 8 * * *", s);
    EXPECT_EQ(MasksFromLists(s).Text, "0,5 8 * * *");
    // The 5 deleted from the text again: minute 5 stays selected.
    ListsFromMask("0, 8 * * *", s);
    EXPECT_EQ(MasksFromLists(s).Text, "0,5 8 * * *");
    // Deleting a whole field shifts the later words along: hour reads "*" and selects every hour.
    ListsFromMask("0,5  * * *", s);
    EXPECT_EQ(MasksFromLists(s).Text, "0,5 * * * *");
    // A field reduced from "*" to one value keeps every value.
    ListsFromMask("0,5 8 1 * *", s);
    EXPECT_EQ(MasksFromLists(s).Text, "0,5 * * * *");
}

}  // namespace
