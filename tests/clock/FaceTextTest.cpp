#include "clock/FaceText.h"

#include <gtest/gtest.h>

namespace {

TEST(FaceText, TimePictures)
{
    EXPECT_STREQ(TimePicture(false, true), "HH:mm:ss");
    EXPECT_STREQ(TimePicture(false, false), "HH:mm");
    EXPECT_STREQ(TimePicture(true, true), "h':'mm':'ss tt");
    EXPECT_STREQ(TimePicture(true, false), "h':'mm tt");
}

TEST(FaceText, LinesAreLabelDateTime)
{
    struct Case {
        bool date, label, down;
        const char* text;
    } cases[] = {
        {false, false, false, "13:05"},
        {true, false, false, "08/12/2026\r\n13:05"},
        {false, true, false, "Home & away\r\n13:05"},
        {true, true, false, "Home & away\r\n08/12/2026\r\n13:05"},
        {true, true, true, "08/12/2026"},
        {false, false, true, "08/12/2026"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ComposeDisplayText("13:05", "08/12/2026", "Home & away", c.date, c.label, c.down), c.text);
}

}  // namespace
