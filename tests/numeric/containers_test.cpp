#include "numeric/Arrays.h"
#include "numeric/Contained.h"
#include "numeric/Error.h"
#include "support/RecordingReporter.h"
#include "numeric/Vectors.h"

#include <gtest/gtest.h>

namespace grafida {
namespace {

using testing::ErrorOf;

TFLOATVEC Vec(std::vector<double> values) {
    return TFLOATVEC("v", std::move(values));
}

TEST(Containers, BoundsErrorsCarryTheExactMessages) {
    TFLOATVEC vector(3);
    TINTVEC integers(2);
    TFLOATARRAY matrix(2, 3);
    struct Case {
        std::function<void()> action;
        const char* message;
    } cases[] = {
        {[&] { vector.Get(0); }, "Vector index 0 out of bounds"},
        {[&] { vector.Get(4); }, "Vector index 4 out of bounds"},
        {[&] { vector.Put(-1, 1); }, "Vector index -1 out of bounds"},
        {[&] { integers.Put(3, 1); }, "Vector index 3 out of bounds"},
        {[&] { matrix.Get(0, 1); }, "Array index 0 and 1 out of bounds"},
        {[&] { matrix.Put(2, 4, 1); }, "Array index 2 and 4 out of bounds"},
        {[&] { matrix.Diag(nullptr, 0, DiagDirection::Get); },
         "Error NULL parameter passed to procedure TFLOATARRAY.Diag"},
        {[&] {
             TFLOATVEC wrong(5);
             matrix.Diag(&wrong, 0, DiagDirection::Get);
         },
         "Array index 0 and 0 out of bounds"},
        {[&] {
             TFLOATVEC one(1);
             matrix.Diag(&one, 3, DiagDirection::Put);
         },
         "Array index 3 and 3 out of bounds"},
        {[&] { vector.SetCount(-1); }, "Object 'TFLOATVEC' raised memory allocation error"},
        {[&] { matrix.SetCols(std::int64_t{1} << 40); },
         "Object 'TFLOATARRAY' raised memory allocation error"},
        {[&] { TFLOATARRAY huge(999999999, 999999999); },
         "Object 'TFLOATARRAY' raised memory allocation error"},
        {[&] { matrix.Assign(vector); }, "Cannot assign a TFLOATVEC to a TFLOATARRAY"},
        {[&] { TFLOATVEC().Max(); }, "Vector index 1 out of bounds"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ErrorOf(c.action), c.message);
    // A failed access or resize changes nothing.
    EXPECT_EQ(vector.Count(), 3u);
    EXPECT_EQ(matrix.Rows(), 2u);
    EXPECT_EQ(matrix.Cols(), 3u);
}

TEST(Containers, ResizingKeepsValuesAndZeroFills) {
    TFLOATVEC vector = Vec({1, 2});
    vector.SetCount(4);
    EXPECT_EQ(vector.Data(), (std::vector<double>{1, 2, 0, 0}));
    vector.SetCount(1);
    EXPECT_EQ(vector.Data(), (std::vector<double>{1}));

    TFLOATARRAY matrix("m", {{1, 2}, {3, 4}});
    matrix.SetRows(3);
    EXPECT_EQ(matrix.Cols(), 2u);
    EXPECT_EQ(matrix.Get(3, 1), 0);
    EXPECT_EQ(matrix.Get(3, 2), 0);
    matrix.SetCols(3);
    EXPECT_EQ(matrix, TFLOATARRAY("m", {{1, 2, 0}, {3, 4, 0}, {0, 0, 0}}));
    matrix.SetCols(1);
    matrix.SetRows(1);
    EXPECT_EQ(matrix, TFLOATARRAY("m", {{1}}));
}

TEST(Containers, VectorOperations) {
    EXPECT_EQ(Vec({2, 5, 5}).Max(), 5);
    EXPECT_EQ(Vec({-3, -1, -2}).Max(), -1);
    auto filled = Vec({1, 2, 3});
    filled.Fill(2, 9);
    EXPECT_EQ(filled.Data(), (std::vector<double>{1, 9, 9}));
    auto reversed = Vec({1, 2, 3});
    reversed.Reverse();
    EXPECT_EQ(reversed.Data(), (std::vector<double>{3, 2, 1}));
    EXPECT_EQ(Vec({0, 0, 3}).IndexOfOther(0), 3u);
    EXPECT_EQ(Vec({0, 0}).IndexOfOther(0), 0u);
    EXPECT_EQ(Vec({}).IndexOfOther(0), 0u);
    EXPECT_EQ(Vec({1.5, 2.25}).Sum(), 3.75);
    EXPECT_EQ(Vec({}).Sum(), 0);
    EXPECT_EQ(Vec({1, -2.5}).ToText(5, 1), "1.0   -2.5  ");
}

TEST(Containers, CompactRemovesTheRunAtStart) {
    struct Case {
        std::vector<double> before;
        std::int64_t start;
        std::uint32_t removed;
        std::vector<double> after;
    } cases[] = {
        {{0, 0, 5, 7}, 1, 2, {5, 7}},
        {{0}, 1, 1, {}},
        {{5, 0, 0, 7}, 2, 2, {5, 7}},
        {{5, 7}, 1, 0, {5, 7}},
        {{0, 0}, 2, 1, {}}, // the one element left equals the value: emptied
        {{}, 1, 0, {}},
    };
    for (const auto& c : cases) {
        auto vector = Vec(c.before);
        EXPECT_EQ(vector.Compact(c.start, 0), c.removed);
        EXPECT_EQ(vector.Data(), c.after);
    }
}

TEST(Containers, MatrixSumsDiagonalsAndSymmetry) {
    const TFLOATARRAY m("m", {{1, 2, 3}, {4, 5, 6}, {7, 8, 10}});
    EXPECT_EQ(m.DiagSum(0), 16);
    EXPECT_EQ(m.DiagSum(1), 2 + 6);
    EXPECT_EQ(m.DiagSum(-1), 4 + 8);
    EXPECT_EQ(m.DiagSum(2), 3);
    EXPECT_EQ(m.RowSum(2), 15);
    EXPECT_EQ(m.ColSum(3), 19);
    EXPECT_EQ(m.TotalSum(), 46);
    EXPECT_FALSE(m.IsSymmetric());
    EXPECT_TRUE(TFLOATARRAY("s", {{0, 1}, {1, 0}}).IsSymmetric());
    EXPECT_TRUE(TFLOATARRAY().IsSymmetric());
    EXPECT_FALSE(TFLOATARRAY(2, 3).IsSymmetric());

    TFLOATARRAY copy;
    copy.Assign(m);
    TFLOATVEC below(2);
    copy.Diag(&below, -1, DiagDirection::Get);
    EXPECT_EQ(below.Data(), (std::vector<double>{4, 8}));
    below.Put(1, -4);
    copy.Diag(&below, 1, DiagDirection::Put);
    EXPECT_EQ(copy.Get(1, 2), -4);
    EXPECT_EQ(copy.Get(2, 3), 8);
    copy.SwapRows(1, 3);
    copy.SwapCols(1, 2);
    EXPECT_EQ(copy, TFLOATARRAY("m", {{8, 7, 10}, {5, 4, 8}, {-4, 1, 3}}));
}

TEST(Containers, AssignCopiesNameSizesAndValues) {
    TFLOATARRAY source("a_DI", {{0, 1, 2}});
    TFLOATARRAY target(5, 5);
    target.Assign(source);
    EXPECT_EQ(target, source);
    TFLOATVEC vector;
    vector.Assign(Vec({1, 2}));
    EXPECT_EQ(vector.Name(), "v");
    EXPECT_EQ(vector.Count(), 2u);
}

TEST(Containers, ContainerRefusesTakenNamesAndOwnsItsItems) {
    TContainer list;
    EXPECT_EQ(list.Add(std::make_unique<TFLOATARRAY>("M1", std::vector<std::vector<double>>{{1}})), 0);
    EXPECT_EQ(list.Add(std::make_unique<TFLOATARRAY>("m1", std::vector<std::vector<double>>{{2}})), 1);
    EXPECT_EQ(list.Add(std::make_unique<TFLOATARRAY>("M1", std::vector<std::vector<double>>{{3}})), -1);
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.ItemAs<TFLOATARRAY>(0)->Get(1, 1), 1);
    EXPECT_EQ(list.IndexOfName("m1"), 1);
    EXPECT_EQ(list.IndexOfName("M"), -1);

    list.Add(std::make_unique<TFLOATVEC>("x", std::vector<double>{}));
    list.Move(2, 0);
    EXPECT_EQ(list.Item(0).Name(), "x");
    EXPECT_EQ(list.Item(1).Name(), "M1");
    list.Move(0, 2);
    EXPECT_EQ(list.Item(2).Name(), "x");
    EXPECT_EQ(list.ItemAs<TFLOATARRAY>(2), nullptr);

    TContainer copy = list;
    list.RemoveByName("M1");
    list.RemoveByName("absent");
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(copy.Count(), 3);
    EXPECT_EQ(ErrorOf([&] { list.Item(2); }), "List index out of bounds (2)");
}

} // namespace
} // namespace grafida
