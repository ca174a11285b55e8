#include "app/WorkArea.h"

#include <gtest/gtest.h>

namespace {

TEST(WorkArea, GrowingWindowMovesBackOntoItsMonitorOnlyAsFarAsNeeded)
{
    const TLayoutRect work{0, 0, 1280, 1000};
    struct Case {
        const char* name;
        TLayoutRect window;
        int left, top;
    } cases[] = {
        {"inside stays", {100, 100, 300, 40}, 100, 100},
        {"touching the right edge stays", {980, 0, 300, 40}, 980, 0},
        {"past the right edge moves left", {1181, 24, 300, 40}, 980, 24},
        {"past the bottom moves up", {10, 990, 75, 45}, 10, 955},
        {"past both", {1250, 990, 75, 45}, 1205, 955},
        {"wider than the area stops at its left", {500, 0, 1500, 40}, 0, 0},
        {"left of the area and wider stays, never moves right", {-50, 0, 1500, 40}, -50, 0},
        {"off the left edge alone is not this rule's", {-30, 10, 75, 40}, -30, 10},
    };
    for (const auto& c : cases) {
        TLayoutRect placed = KeepInWorkArea(c.window, work);
        EXPECT_EQ(placed.Left, c.left) << c.name;
        EXPECT_EQ(placed.Top, c.top) << c.name;
        EXPECT_EQ(placed.Width, c.window.Width) << c.name;
        EXPECT_EQ(placed.Height, c.window.Height) << c.name;
    }
    // A second monitor to the right: its own edges count.
    TLayoutRect second{1280, 0, 1024, 768};
    EXPECT_EQ(KeepInWorkArea({2200, 700, 225, 85}, second).Left, 2079);
    EXPECT_EQ(KeepInWorkArea({2200, 700, 225, 85}, second).Top, 683);
}

// The first place, near the top right corner, keeps a window as large as its work area wholly
// inside it rather than running off the left edge.
TEST(WorkArea, DesignedPlaceIsNearTheTopRightCornerAndInside)
{
    const TLayoutRect work{0, 0, 1024, 768};
    struct Case {
        const char* name;
        int width, height;
        int left, top;
    } cases[] = {
        {"small", 225, 67, 775, 24},
        {"as wide as the area", 1024, 67, 0, 24},
        {"as high as the area", 310, 766, 690, 2},
        {"wider than the area stops at its left", 1100, 67, 0, 24},
    };
    for (const auto& c : cases) {
        const TLayoutRect placed = DesignedPlace(c.width, c.height, work, 24);
        EXPECT_EQ(placed, (TLayoutRect{c.left, c.top, c.width, c.height})) << c.name;
    }
    EXPECT_EQ(DesignedPlace(225, 67, {1280, 40, 1024, 728}, 36), (TLayoutRect{2043, 76, 225, 67}));
}

}  // namespace
