#include "alarms/CascadePlace.h"

#include <gtest/gtest.h>

namespace {

TPlace At(int left, int top)
{
    return {left, top, left + 265, top + 150};
}

TEST(CascadePlace, ANewWindowMovesOnUntilItHidesNoOpenOne)
{
    const TPlace screen{0, 0, 1024, 768};
    struct Row {
        const char* what;
        std::vector<TPlace> open;
        TPlace proposed;
        TPlace expected;
    } rows[] = {
        {"nothing open", {}, At(0, 0), At(0, 0)},
        {"a window elsewhere", {At(300, 300)}, At(0, 0), At(0, 0)},
        {"one in the same place", {At(0, 0)}, At(0, 0), At(19, 19)},
        {"a cascade of three", {At(19, 19), At(0, 0), At(38, 38)}, At(0, 0), At(57, 57)},
        {"one moved a little by the user is only partly covered", {At(5, 0)}, At(0, 0), At(0, 0)},
        {"past the bottom: back to the corner", {At(600, 600)}, At(600, 600), At(0, 0)},
        {"back at the corner, on from there", {At(600, 600), At(0, 0)}, At(600, 600), At(19, 19)},
    };
    for (const auto& r : rows) EXPECT_EQ(CascadePlace(r.proposed, r.open, 19, screen), r.expected) << r.what;
    // Every place taken: it still ends, on the screen.
    std::vector<TPlace> full;
    for (int i = 0; i < 40; ++i) full.push_back(At(19 * i % 608, 19 * i % 608));
    const TPlace last = CascadePlace(At(0, 0), full, 19, screen);
    EXPECT_TRUE(last.Left >= 0 && last.Top >= 0 && last.Right <= 1024 && last.Bottom <= 768);
}

}  // namespace
