#include "numeric/IntLists.h"

#include <gtest/gtest.h>

namespace grafida {
namespace {

TEST(IntLists, OrderRulesOfAssignAddFromAndRemove) {
    TIntList reversed;
    reversed.Assign({1, 2, 3});
    EXPECT_EQ(reversed, (TIntList{3, 2, 1}));
    TIntList appended{0};
    appended.AddFrom({1, 2, 3});
    EXPECT_EQ(appended, (TIntList{0, 1, 2, 3}));
    EXPECT_EQ(TIntList().First(), 2147483647);
    EXPECT_EQ(reversed.First(), 3);

    TIntList twice{5, 1, 5};
    twice.Remove(5);
    EXPECT_EQ(twice, (TIntList{1, 5}));
    twice.Remove(9);
    EXPECT_EQ(twice, (TIntList{1, 5}));
}

TEST(IntLists, RemoveAllOf) {
    TIntList list{1, 2, 3, 4};
    list.RemoveAllOf({});
    EXPECT_EQ(list, (TIntList{1, 2, 3, 4}));
    list.RemoveAllOf({4, 2, 7});
    EXPECT_EQ(list, (TIntList{1, 3}));
    list.RemoveAllOf(list);
    EXPECT_TRUE(list.IsEmpty());
}

TEST(IntLists, ListOfListsCopiesReversed) {
    TListIntList paths;
    EXPECT_EQ(paths.MaxCount(), 0);
    paths.Add({1, 2});
    paths.Add({1, 2, 3});
    TListIntList copies;
    copies.AddCopies(paths);
    EXPECT_EQ(copies.Count(), 2);
    EXPECT_EQ(copies[0], (TIntList{2, 1}));
    EXPECT_EQ(copies[1], (TIntList{3, 2, 1}));
    EXPECT_EQ(copies.MaxCount(), 3);
    paths.AddCopies(paths);
    EXPECT_EQ(paths.Count(), 4);
}

} // namespace
} // namespace grafida
