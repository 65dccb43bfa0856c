#include "DescriptorTestData.h"
#include "support/RecordingReporter.h"
#include "topology/LayerMatrix.h"

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

// The layer matrix as first described: one pass over all vertices per layer.
Rows LiteralLayerMatrix(const TFLOATARRAY& d, const TFLOATVEC& p) {
    const std::int64_t n = d.Rows();
    std::int64_t largest = 0;
    for (std::int64_t i = 1; i <= n; ++i)
        for (std::int64_t j = i; j <= n; ++j)
            if (d.Get(i, j) > static_cast<double>(largest))
                largest = static_cast<std::int64_t>(std::nearbyint(d.Get(i, j)));
    Rows l(static_cast<size_t>(n), std::vector<double>(static_cast<size_t>(largest) + 1));
    for (std::int64_t i = 1; i <= n; ++i)
        l[i - 1][0] = p.Get(i);
    for (std::int64_t i = 1; i <= n; ++i)
        for (std::int64_t k = 2; k <= largest + 1; ++k) {
            float sum = 0;
            for (std::int64_t j = 1; j <= n; ++j)
                if (std::nearbyint(d.Get(i, j)) == static_cast<double>(k - 1))
                    sum = static_cast<float>(static_cast<double>(sum) + l[j - 1][0]);
            l[i - 1][k - 1] = sum;
        }
    return l;
}

TEST(LayerMatrix, CountsTheVerticesOfEachLayer) {
    const std::optional<TFLOATARRAY> path = LayerMatrix(testing::PathDistance("P3_DI"), Ones(3), "");
    ASSERT_TRUE(path);
    EXPECT_EQ(RowsOf(*path), (Rows{{1, 1, 1}, {1, 2, 0}, {1, 1, 1}}));
    EXPECT_EQ(path->Name(), "P3_LM");

    // With unit weights every row of a connected graph sums to n.
    const std::optional<TFLOATARRAY> ring = LayerMatrix(testing::RingDistance(), Ones(7), "");
    EXPECT_EQ(RowsOf(*ring)[5], (std::vector<double>{1, 2, 2, 1, 1}));
    for (std::uint32_t i = 1; i <= 7; ++i)
        EXPECT_EQ(ring->RowSum(i), 7);
}

TEST(LayerMatrix, SumsThePropertyOverEachLayer) {
    const TFLOATVEC mass("MASS", {12, 14, 16});
    const std::optional<TFLOATARRAY> l = LayerMatrix(testing::PathDistance("BENZ_DI"), mass, "");
    EXPECT_EQ(RowsOf(*l), (Rows{{12, 14, 16}, {14, 28, 0}, {16, 14, 12}}));
    EXPECT_EQ(l->Name(), "BENZ_LM_MASS");
}

TEST(LayerMatrix, Names) {
    const struct {
        const char* distance;
        TFLOATVEC property;
        const char* given;
        const char* name;
    } cases[] = {
        {"BENZ_DI", Ones(3, "MASS"), "", "BENZ_LM"}, // all ones: no property in the name
        {"BENZ_DI", TFLOATVEC("MASS", {1, 2, 1}), "", "BENZ_LM_MASS"},
        {"BENZ_DI", Ones(3), "BENZ_AD_RS", "BENZ_LM_AD_RS"},
        {"BENZ_DI", Ones(3), "BENZ_DI_RS", "BENZ_LM_DI_RS"},
        {"DI", Ones(3), "", "LM"},
        {"DI", TFLOATVEC("SGI", {1, 2, 1}), "", "LM_SGI"},
        {"DI", Ones(3), "X_RS", "X_LM_RS"},
        {"DI", Ones(3), "X", "LM_X"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LayerMatrix(testing::PathDistance(c.distance), c.property, c.given)->Name(), c.name);
}

TEST(LayerMatrix, RoundsDistancesHalfToEven) {
    // 2.5 goes to layer 2, 3.5 to layer 4, 0.4 to layer 0 (nowhere).
    const TFLOATARRAY d("x_DI", {{0, 2.5, 3.5}, {2.5, 0, 0.4}, {3.5, 0.4, 0}});
    const std::optional<TFLOATARRAY> l = LayerMatrix(d, TFLOATVEC("P", {2, 3, 5}), "");
    EXPECT_EQ(RowsOf(*l), (Rows{{2, 0, 3, 0, 5}, {3, 0, 2, 0, 0}, {5, 0, 0, 0, 2}}));
}

TEST(LayerMatrix, LayersBeyondTheUpperTriangleAreDropped) {
    // Only the upper triangle and the diagonal set the number of layers.
    const TFLOATARRAY d("x_DI", {{0, 1}, {3, 0}});
    EXPECT_EQ(RowsOf(*LayerMatrix(d, Ones(2), "")), (Rows{{1, 1}, {1, 0}}));
}

TEST(LayerMatrix, SumsEachLayerInSinglePrecision) {
    // The star 1-2, 1-3: vertex 1 sees 16777216 + 1 in its first layer.
    const TFLOATARRAY d("s_DI", {{0, 1, 1}, {1, 0, 2}, {1, 2, 0}});
    const std::optional<TFLOATARRAY> l = LayerMatrix(d, TFLOATVEC("BIG", {1, 16777216, 1}), "");
    EXPECT_EQ(l->Get(1, 2), 16777216);
    EXPECT_EQ(l->Get(2, 2), 1);
    EXPECT_EQ(l->Get(2, 3), 1);
}

TEST(LayerMatrix, OneVertexHasOnlyItsProperty) {
    const std::optional<TFLOATARRAY> l = LayerMatrix(TFLOATARRAY("C_DI", {{0}}), TFLOATVEC("MASS", {12}), "");
    EXPECT_EQ(RowsOf(*l), (Rows{{12}}));
    EXPECT_EQ(l->Name(), "C_LM_MASS");
}

TEST(LayerMatrix, MatchesTheLayerByLayerSums) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> halves(0, 14);
    std::uniform_real_distribution<double> values(-3, 1e7);
    for (int round = 0; round < 20; ++round) {
        const int n = 1 + round % 9;
        TFLOATARRAY d(n, n);
        d.SetName("r_DI");
        for (int i = 1; i <= n; ++i)
            for (int j = i + 1; j <= n; ++j) {
                d.Put(i, j, halves(random) / 2.0);
                d.Put(j, i, d.Get(i, j));
            }
        TFLOATVEC p(n);
        for (int i = 1; i <= n; ++i)
            p.Put(i, values(random));
        EXPECT_EQ(RowsOf(*LayerMatrix(d, p, "")), LiteralLayerMatrix(d, p));
    }
}

TEST(LayerMatrix, RefusesWhatIsNoDistanceMatrixOfTheProperty) {
    TFLOATARRAY infinite = testing::PathDistance();
    infinite.Put(1, 3, std::numeric_limits<double>::infinity());
    TFLOATARRAY absurd = testing::PathDistance();
    absurd.Put(1, 3, 1e12);
    RecordedMessages messages;
    EXPECT_FALSE(LayerMatrix(TFLOATARRAY("x_DI", {{0, 1, 2}, {1, 0, 1}}), Ones(2), ""));
    EXPECT_FALSE(LayerMatrix(testing::PathDistance(), Ones(2), ""));
    EXPECT_FALSE(LayerMatrix(testing::PathDistance(), Ones(4), ""));
    EXPECT_FALSE(LayerMatrix(infinite, Ones(3), ""));
    EXPECT_FALSE(LayerMatrix(absurd, Ones(3), ""));
    EXPECT_EQ(messages.errors(), std::vector<std::string>(5, "ERROR DIURING CALCULATING layer matrix"));
}

TEST(LayerPolynomial, ReversesTheColumnSumsAndDropsTheLowestZeroPowers) {
    const struct {
        std::vector<double> cs;
        std::vector<double> coefficients;
    } cases[] = {
        {{3, 4, 2}, {2, 4, 3}}, {{5, 0, 0}, {5}}, {{2, 0, 1}, {1, 0, 2}},
        {{0, 3, 0}, {3, 0}},    {{7}, {7}},       {{0}, {}},
        {{0, 0}, {}},           {{}, {}},
    };
    for (const auto& c : cases) {
        const TFLOATVEC cs("CS", c.cs);
        EXPECT_EQ(LayerPolynomial(cs).Data(), c.coefficients);
        EXPECT_EQ(cs.Data(), c.cs);
    }
}

} // namespace
} // namespace grafida
