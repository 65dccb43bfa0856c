#include "DescriptorTestData.h"
#include "support/RecordingReporter.h"
#include "topology/LayerIndices.h"
#include "topology/LayerMatrix.h"
#include "topology/ShellMatrix.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace grafida {
namespace {

using testing::RecordedMessages;

// The layer matrix of the path 1-2-3 with unit weights.
const TFLOATARRAY kPathLayers("P3_LM", {{1, 1, 1}, {1, 2, 0}, {1, 1, 1}});

std::vector<std::string> NamesOf(const std::vector<TFLOATVEC>& vectors) {
    std::vector<std::string> names;
    for (const TFLOATVEC& vector : vectors)
        names.push_back(vector.Name());
    return names;
}

TEST(LayerSums, OfThePathOfThreeVertices) {
    std::vector<TFLOATVEC> sums;
    sums.emplace_back("REAL ROOTS", std::vector<double>{9});
    LayerSums(kPathLayers, sums);
    ASSERT_EQ(NamesOf(sums),
              (std::vector<std::string>{"REAL ROOTS", "CS", "PDS", "PRDS", "PD^2S", "PRD^2S"}));
    EXPECT_EQ(sums[1].Data(), (std::vector<double>{3, 4, 2}));
    EXPECT_EQ(sums[2].Data(), (std::vector<double>{4, 4}));
    EXPECT_EQ(sums[3].Data(), (std::vector<double>{4, 1}));
    EXPECT_EQ(sums[4].Data(), (std::vector<double>{4, 8}));
    EXPECT_EQ(sums[5].Data(), (std::vector<double>{4, 0.5}));
}

TEST(LayerSums, WeightedSumsAreSinglePrecisionColumnSumsDouble) {
    const TFLOATARRAY l("x_LM", {{1, 16777216, 0, 1}, {1, 1, 0, 0}});
    std::vector<TFLOATVEC> sums;
    LayerSums(l, sums);
    EXPECT_EQ(sums[0].Data(), (std::vector<double>{2, 16777217, 0, 1}));
    EXPECT_EQ(sums[1].Get(1), 16777216);
    EXPECT_EQ(sums[2].Get(3), static_cast<double>(1.0f / 3.0f));
    EXPECT_NE(sums[2].Get(3), 1.0 / 3.0);
    EXPECT_EQ(sums[4].Get(3), static_cast<double>(1.0f / 9.0f));
}

TEST(LayerSums, OneVertexHasOnlyTheColumnSum) {
    std::vector<TFLOATVEC> sums;
    LayerSums(TFLOATARRAY("C_LM", {{12}}), sums);
    ASSERT_EQ(sums.size(), 5U);
    EXPECT_EQ(sums[0].Data(), (std::vector<double>{12}));
    for (size_t k = 1; k < sums.size(); ++k)
        EXPECT_EQ(sums[k].Count(), 0U);
}

TEST(XIndex, PacksTheLayersIntoDecimals) {
    const std::optional<TFLOATVEC> x = XIndex(&kPathLayers);
    ASSERT_TRUE(x);
    EXPECT_EQ(x->Name(), "X");
    ASSERT_EQ(x->Count(), 3U);
    EXPECT_DOUBLE_EQ(x->Get(1), 0.037);
    EXPECT_DOUBLE_EQ(x->Get(2), 0.04);
    EXPECT_DOUBLE_EQ(x->Get(3), 0.037);

    const TFLOATARRAY oneVertex("C_LM", {{1}});
    EXPECT_EQ(XIndex(&oneVertex)->Data(), (std::vector<double>{0.1}));
}

TEST(XIndex, ZeroFirstColumnTotalLeavesTheValuesUnscaled) {
    const TFLOATARRAY l("x_LM", {{1, 2}, {-1, 3}});
    const std::optional<TFLOATVEC> x = XIndex(&l);
    EXPECT_DOUBLE_EQ(x->Get(1), 0.12);
    EXPECT_DOUBLE_EQ(x->Get(2), -0.07);
}

TEST(CIndex, OfThePathOfThreeVertices) {
    const std::optional<TFLOATVEC> c = CIndex(&kPathLayers);
    ASSERT_TRUE(c);
    EXPECT_EQ(c->Name(), "C");
    EXPECT_EQ(c->Get(1), 0.5);
    EXPECT_EQ(c->Get(3), 0.5);
    // 4^(1/4) is summed as the float 1.4142135, not as the double square root of 2.
    EXPECT_EQ(c->Get(2), 1.0 / static_cast<double>(static_cast<float>(std::sqrt(2.0))));
    EXPECT_NE(c->Get(2), 1.0 / std::sqrt(2.0));
    EXPECT_NEAR(c->Get(2), 0.70710679, 1e-8);
}

TEST(CIndex, Rows) {
    const struct {
        testing::Rows rows;
        std::vector<double> c;
    } cases[] = {
        {{{5, 0, 0}, {1, 1, 1}}, {0, 0.5}}, // nothing beyond column 1: C stays 0
        {{{1, 2, 2}}, {1 / 3.4142135}},     // (2^2)^(1/4) + (2^4)^(1/4), summed as floats
        {{{3, 3}}, {1.0 / 9}},              // N = 1: (3^2)^1, an integral power
        {{{7}}, {0}},                       // one vertex: no term at all
    };
    for (const auto& c : cases) {
        const TFLOATARRAY l("x_LM", c.rows);
        const std::vector<double> index = CIndex(&l)->Data();
        ASSERT_EQ(index.size(), c.c.size());
        for (size_t i = 0; i < index.size(); ++i)
            EXPECT_NEAR(index[i], c.c[i], 1e-7);
    }
}

TEST(CIndex, NegativeEntriesCountAsTheirEvenPowers) {
    const TFLOATARRAY l("x_LM", {{1, 2, -3}, {1, -2, 3}});
    const std::optional<TFLOATVEC> c = CIndex(&l);
    EXPECT_GT(c->Get(1), 0);
    EXPECT_EQ(c->Get(1), c->Get(2));
}

// The distance matrix of a chain of n vertices: d(i, j) = |i - j|.
TFLOATARRAY ChainDistances(int n) {
    TFLOATARRAY d(n, n);
    d.SetName("chain_DI");
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j)
            d.Put(i, j, std::abs(i - j));
    return d;
}

// Long chains raise layer entries to powers far outside the range of a double
// (1275^100, 0.001^118) while every term of C stays a modest number. Expected values:
// C(end) = 1 / sum over e = 1..N of exp(2e/N² · ln L(end, e + 1)), evaluated in double
// by a separate python3 script.
TEST(CIndex, LongChainsStayInRange) {
    const struct {
        int n;
        const char* property; // "distance sums", "shell of the distances" or a constant
        double value;
        double c;
    } cases[] = {
        {51, "distance sums", 0, 0.017374109774925504},
        {82, "shell of the distances", 0, 0.011751937922809744},
        {60, "constant", 0.001, 0.019048719945777438},
    };
    for (const auto& c : cases) {
        const TFLOATARRAY d = ChainDistances(c.n);
        TFLOATVEC p(c.n);
        for (int i = 1; i <= c.n; ++i)
            p.Put(i, c.value != 0 ? c.value : d.RowSum(i));
        const std::optional<TFLOATARRAY> l =
            std::string(c.property) == "shell of the distances"
                ? ShellMatrix(d, d, TFLOATVEC("ones", std::vector<double>(static_cast<size_t>(c.n), 1.0)))
                : LayerMatrix(d, p, "");
        ASSERT_TRUE(l);
        const std::optional<TFLOATVEC> index = CIndex(&*l);
        ASSERT_TRUE(index);
        EXPECT_NEAR(index->Get(1), c.c, 1e-6 * c.c) << c.property;
        EXPECT_NEAR(index->Get(c.n), c.c, 1e-6 * c.c) << c.property;
    }
}

TEST(LayerIndices, RefuseAMissingMatrix) {
    RecordedMessages messages;
    EXPECT_FALSE(CIndex(nullptr));
    EXPECT_FALSE(XIndex(nullptr));
    EXPECT_EQ(messages.errors(), (std::vector<std::string>{"ERROR DIURING CALCULATING C index",
                                                           "ERROR DIURING CALCULATING X index"}));
}

TEST(RealPower, FollowsTheGeneralPowerRule) {
    const struct {
        double base, exponent, power;
    } cases[] = {
        {0, 0, 1}, {5, 0, 1}, {0, 0.25, 0}, {-2, 3, -8}, {2, -2, 0.25}, {3, 1, 3}, {16, 0.25, 2},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(RealPower(c.base, c.exponent), c.power) << c.base << "^" << c.exponent;
    EXPECT_EQ(IntegerPower(-2, 4), 16);
    EXPECT_EQ(IntegerPower(10, -3), 1.0 / 1000);
}

} // namespace
} // namespace grafida
