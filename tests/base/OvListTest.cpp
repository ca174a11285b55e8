#include "base/OvList.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

int items[300];

TEST(OvList, CapacityGrowsBy4Then16ThenAQuarter)
{
    TOvList<int> list;
    std::vector<int> seen;
    for (int i = 0; i < 300; ++i) {
        int before = list.Capacity();
        EXPECT_EQ(list.Add(&items[i]), i);
        if (list.Capacity() != before) seen.push_back(list.Capacity());
    }
    std::vector<int> expected = {4, 8, 12, 28, 44, 60, 76, 95, 118, 147, 183, 228, 285, 356};
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(list.Count(), 300);
    for (int i = 0; i < 300; ++i) ASSERT_EQ(list.Items(i), &items[i]);
}

TEST(OvList, DeleteMovesLaterItemsDownAndHalvesCapacity)
{
    TOvList<int> list;
    for (int i = 0; i < 12; ++i) list.Add(&items[i]);
    ASSERT_EQ(list.Capacity(), 12);
    list.Delete(0);
    EXPECT_EQ(list.Items(0), &items[1]);
    EXPECT_EQ(list.Capacity(), 12);  // 11 is not below 6
    while (list.Count() > 6) list.Delete(list.Count() - 1);
    EXPECT_EQ(list.Capacity(), 12);  // 6 is not below half of 12
    list.Delete(5);
    EXPECT_EQ(list.Count(), 5);
    EXPECT_EQ(list.Capacity(), 6);
    EXPECT_EQ(list.Items(4), &items[5]);
}

TEST(OvList, IndexOfRemoveAndClear)
{
    TOvList<int> list;
    list.Add(&items[0]);
    list.Add(&items[1]);
    list.Add(&items[0]);
    EXPECT_EQ(list.IndexOf(&items[0]), 0);
    EXPECT_EQ(list.IndexOf(&items[2]), -1);
    EXPECT_EQ(list.Remove(&items[0]), 0);
    EXPECT_EQ(list.Items(0), &items[1]);
    EXPECT_EQ(list.Items(1), &items[0]);
    EXPECT_EQ(list.Remove(&items[2]), -1);
    EXPECT_EQ(list.Count(), 2);

    std::vector<int*> deleted;
    list.OnDelete = [&](int* p) { deleted.push_back(p); };
    list.Delete(0);
    list.Add(&items[5]);
    list.Clear();
    EXPECT_EQ(deleted, (std::vector<int*>{&items[1], &items[0], &items[5]}));
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Capacity(), 0);
}

TEST(OvList, ReplaceItemAndSetCount)
{
    TOvList<int> list;
    list.Add(&items[0]);
    list.SetItems(0, &items[9]);
    EXPECT_EQ(list.Items(0), &items[9]);
    list.SetCount(3);
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.Items(2), nullptr);
    EXPECT_GE(list.Capacity(), 3);
}

TEST(OvList, EveryBadIndexOrSizeFailsWithTheListError)
{
    TOvList<int> list;
    list.Add(&items[0]);
    auto expectListError = [](auto&& action) {
        try {
            action();
            ADD_FAILURE() << "no error";
        } catch (const EListError& e) {
            EXPECT_STREQ(e.what(), "List index out of bounds.");
        }
    };
    expectListError([&] { list.Items(1); });
    expectListError([&] { list.Items(-1); });
    expectListError([&] { list.SetItems(1, &items[1]); });
    expectListError([&] { list.Delete(1); });
    expectListError([&] { list.Delete(-1); });
    expectListError([&] { list.SetCount(-1); });
    expectListError([&] { list.SetCount(TOvListBase::MaxListSize + 1); });
    expectListError([&] { list.SetCapacity(0); });  // below Count
    expectListError([&] { list.SetCapacity(TOvListBase::MaxListSize + 1); });
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(list.Items(0), &items[0]);
    TOvList<int> empty;
    expectListError([&] { empty.Items(0); });
}

}  // namespace
