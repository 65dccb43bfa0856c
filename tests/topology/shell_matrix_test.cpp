#include "DescriptorTestData.h"
#include "support/RecordingReporter.h"
#include "topology/ShellMatrix.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace grafida {
namespace {

using testing::Ones;
using testing::RecordedMessages;
using testing::Rows;
using testing::RowsOf;

// The shell matrix as first described: one pass over the row per shell.
Rows LiteralShellMatrix(const TFLOATARRAY& d, const TFLOATARRAY& m, const TFLOATVEC& p) {
    std::int64_t largest = 0;
    for (std::int64_t i = 1; i <= d.Rows(); ++i)
        for (std::int64_t j = i; j <= d.Cols(); ++j)
            if (d.Get(i, j) > static_cast<double>(largest))
                largest = static_cast<std::int64_t>(std::nearbyint(d.Get(i, j)));
    Rows s(m.Rows(), std::vector<double>(static_cast<size_t>(largest) + 1));
    for (std::int64_t i = 1; i <= m.Rows(); ++i) {
        s[i - 1][0] = p.Get(i);
        for (std::int64_t k = 2; k <= largest + 1; ++k) {
            float sum = 0;
            for (std::int64_t j = 1; j <= d.Cols(); ++j)
                if (std::nearbyint(d.Get(i, j)) == static_cast<double>(k - 1))
                    sum = static_cast<float>(static_cast<double>(sum) + m.Get(i, j));
            s[i - 1][k - 1] = sum;
        }
    }
    return s;
}

TEST(ShellMatrix, AdjacencyGivesTheDegrees) {
    const std::optional<TFLOATARRAY> s =
        ShellMatrix(testing::RingDistance(), testing::RingAdjacency("BENZ_AD"), Ones(7));
    ASSERT_TRUE(s);
    EXPECT_EQ(s->Name(), "BENZ_Sh_AD");
    ASSERT_EQ(s->Cols(), 5U);
    EXPECT_EQ(RowsOf(*s)[2], (std::vector<double>{1, 3, 0, 0, 0}));
    EXPECT_EQ(RowsOf(*s)[6], (std::vector<double>{1, 1, 0, 0, 0}));
}

TEST(ShellMatrix, DistanceMatrixWeighsEachShellByItsRadius) {
    const TFLOATARRAY d = testing::RingDistance();
    const std::optional<TFLOATARRAY> s = ShellMatrix(d, d, Ones(7));
    // Vertex 6 has 2, 2, 1 and 1 vertices at distances 1 to 4.
    EXPECT_EQ(RowsOf(*s)[5], (std::vector<double>{1, 2, 4, 3, 4}));
    EXPECT_EQ(s->Name(), "mch_Sh_DI");
}

TEST(ShellMatrix, FirstColumnHoldsTheGivenValues) {
    const TFLOATARRAY m("x_M", {{2, 5, 7}, {5, -2, 1}, {7, 1, 0}});
    const std::optional<TFLOATARRAY> s =
        ShellMatrix(testing::PathDistance(), m, TFLOATVEC("P", {2, -2, 0, 9}));
    EXPECT_EQ(RowsOf(*s), (Rows{{2, 5, 7}, {-2, 6, 0}, {0, 1, 7}}));
    EXPECT_EQ(s->Name(), "x_Sh_M");
}

TEST(ShellMatrix, SumsEachShellInSinglePrecision) {
    const TFLOATARRAY m("x_M", {{0, 16777216, 1}, {1, 0, 1}, {1, 1, 0}});
    const TFLOATARRAY star("s_DI", {{0, 1, 1}, {1, 0, 2}, {1, 2, 0}});
    EXPECT_EQ(ShellMatrix(star, m, Ones(3))->Get(1, 2), 16777216);
}

TEST(ShellMatrix, OneVertexHasASingleColumn) {
    const std::optional<TFLOATARRAY> s =
        ShellMatrix(TFLOATARRAY("C_DI", {{0}}), TFLOATARRAY("C_AD", {{0}}), Ones(1));
    EXPECT_EQ(RowsOf(*s), (Rows{{1}}));
    EXPECT_EQ(s->Name(), "C_Sh_AD");
}

TEST(ShellMatrix, MatchesTheShellByShellSums) {
    std::mt19937 random(11);
    std::uniform_int_distribution<int> halves(0, 12);
    std::uniform_real_distribution<double> values(-1e7, 1e7);
    for (int round = 0; round < 20; ++round) {
        const int n = 1 + round % 8;
        TFLOATARRAY d(n, n);
        TFLOATARRAY m(n, n);
        TFLOATVEC p(n);
        for (int i = 1; i <= n; ++i) {
            p.Put(i, values(random));
            for (int j = 1; j <= n; ++j) {
                m.Put(i, j, values(random));
                if (j > i) {
                    d.Put(i, j, halves(random) / 2.0);
                    d.Put(j, i, d.Get(i, j));
                }
            }
        }
        EXPECT_EQ(RowsOf(*ShellMatrix(d, m, p)), LiteralShellMatrix(d, m, p));
    }
}

TEST(ShellMatrix, RefusesMatricesOfDifferentSizes) {
    const TFLOATARRAY d = testing::PathDistance();
    TFLOATARRAY infinite = testing::PathDistance();
    infinite.Put(1, 3, std::numeric_limits<double>::infinity());
    RecordedMessages messages;
    EXPECT_FALSE(ShellMatrix(d, TFLOATARRAY("x_AD", {{0, 1}, {1, 0}}), Ones(3)));
    EXPECT_FALSE(ShellMatrix(d, TFLOATARRAY("x_AD", {{0, 1}, {1, 0}, {0, 1}}), Ones(3)));
    EXPECT_FALSE(ShellMatrix(d, testing::PathAdjacency(), Ones(2)));
    EXPECT_FALSE(ShellMatrix(infinite, testing::PathAdjacency(), Ones(3)));
    EXPECT_EQ(messages.errors(), std::vector<std::string>(4, "ERROR DIURING CALCULATING shell matrix"));
}

} // namespace
} // namespace grafida
