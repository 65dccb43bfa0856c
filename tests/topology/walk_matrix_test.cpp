#include "DescriptorTestData.h"
#include "support/RecordingReporter.h"
#include "topology/WalkMatrix.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

namespace grafida {
namespace {

using testing::Ones;
using testing::RecordedMessages;
using testing::RowsOf;

std::vector<double> DiagonalOf(const TFLOATARRAY& m) {
    std::vector<double> diagonal;
    for (std::uint32_t i = 1; i <= m.Rows(); ++i)
        diagonal.push_back(m.Get(i, i));
    return diagonal;
}

TEST(WMatrix, CountsTheWalksOfPropane) {
    const struct {
        std::uint16_t steps;
        std::vector<double> walks;
    } cases[] = {{0, {1, 1, 1}}, {1, {1, 2, 1}}, {2, {2, 2, 2}}, {3, {2, 4, 2}}, {4, {4, 4, 4}}};
    const TFLOATARRAY adjacency = testing::PathAdjacency();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.steps);
        TFLOATVEC ones = Ones(3);
        const std::optional<TFLOATARRAY> w = CalcWMatrix(&adjacency, c.steps, ones);
        ASSERT_TRUE(w);
        EXPECT_EQ(DiagonalOf(*w), c.walks);
        EXPECT_EQ(w->Get(1, 2), 1);
        EXPECT_EQ(w->Get(1, 3), 0);
        EXPECT_EQ(w->Get(3, 2), 1);
        // The vector comes back holding the last step's diagonal.
        EXPECT_EQ(ones.Data(), c.walks);
    }
}

TEST(WMatrix, NamesTheStepsAndAPropertyThatIsNotAllOnes) {
    const struct {
        const char* matrix;
        std::uint16_t steps;
        TFLOATVEC property;
        const char* name;
    } cases[] = {
        {"benzene_DI", 3, Ones(3), "benzene_W3_DI"},
        {"benzene_DI", 3, Ones(3, "MASS"), "benzene_W3_DI"},
        {"benzene_DI", 3, TFLOATVEC("MASS", {12, 12, 14}), "benzene_W3_DI_MASS"},
        {"benzene_DI_MUL2.00", 12, Ones(3), "benzene_W12_DI_MUL2.00"},
        {"M", 0, TFLOATVEC("Q", {1, 0, 1}), "W0_M_Q"},
    };
    for (const auto& c : cases) {
        TFLOATVEC property = c.property;
        const TFLOATARRAY distance = testing::PathDistance(c.matrix);
        EXPECT_EQ(CalcWMatrix(&distance, c.steps, property)->Name(), c.name);
    }
}

TEST(WMatrix, ZeroStepsPutThePropertyOnAZeroDiagonal) {
    const TFLOATARRAY adjacency = testing::PathAdjacency();
    TFLOATVEC mass("MASS", {12, 14, 16});
    const std::optional<TFLOATARRAY> w = CalcWMatrix(&adjacency, 0, mass);
    EXPECT_EQ(RowsOf(*w), (testing::Rows{{12, 1, 0}, {1, 14, 1}, {0, 1, 16}}));
    EXPECT_EQ(mass.Data(), (std::vector<double>{12, 14, 16}));

    TFLOATVEC loop("aloop", {3, 4, 5});
    EXPECT_EQ(DiagonalOf(*CalcWMatrix(&adjacency, 0, loop)), (std::vector<double>{1, 1, 1}));
}

TEST(WMatrix, PropertyWeightsTheWalks) {
    const TFLOATARRAY adjacency = testing::PathAdjacency();
    TFLOATVEC mass("MASS", {12, 14, 16});
    // Step 1: (14, 12 + 16, 14); step 2: (28, 14 + 14, 28).
    EXPECT_EQ(DiagonalOf(*CalcWMatrix(&adjacency, 2, mass)), (std::vector<double>{28, 28, 28}));
}

TEST(WMatrix, DiagonalSumDecidesWhereTheWalksStart) {
    const struct {
        testing::Rows matrix;
        std::vector<double> walks;
    } cases[] = {
        {{{2, 1}, {1, 3}}, {3, 2}},    // own diagonal (2, 3) starts, whatever the property
        {{{1, 2}, {2, -1}}, {14, 10}}, // diagonal sums to 0: the property (5, 7) starts
    };
    for (const auto& c : cases) {
        const TFLOATARRAY m("m_X", c.matrix);
        TFLOATVEC property("P", {5, 7});
        EXPECT_EQ(DiagonalOf(*CalcWMatrix(&m, 1, property)), c.walks);
    }
}

TEST(WMatrix, LoopModeAddsTheSelfLoopTermEveryStep) {
    const TFLOATARRAY adjacency = testing::PathAdjacency("p_AD");
    TFLOATVEC loop("aloop", {0.5, 1, 2});
    // From (1, 1, 1): (1 + 2·0.5·1, 2 + 2·1·1, 1 + 2·2·1) = (2, 4, 5),
    // then (4 + 2·0.5·2, 2 + 5 + 2·1·4, 4 + 2·2·5) = (6, 15, 24).
    const std::optional<TFLOATARRAY> w = CalcWMatrix(&adjacency, 2, loop);
    EXPECT_EQ(DiagonalOf(*w), (std::vector<double>{6, 15, 24}));
    EXPECT_EQ(w->Name(), "p_W2_AD_aloop");

    // The name must match exactly.
    TFLOATVEC notLoop("ALOOP", {0.5, 1, 2});
    EXPECT_EQ(DiagonalOf(*CalcWMatrix(&adjacency, 1, notLoop)), (std::vector<double>{1, 2.5, 1}));
}

TEST(WMatrix, SumsEachStepInSinglePrecision) {
    const TFLOATARRAY triangle("t_AD", {{0, 1, 1}, {1, 0, 1}, {1, 1, 0}});
    TFLOATVEC big("BIG", {16777216, 1, 0});
    // Vertex 3 sees 16777216 + 1, which a 32-bit float holds as 16777216.
    EXPECT_EQ(DiagonalOf(*CalcWMatrix(&triangle, 1, big)), (std::vector<double>{1, 16777216, 16777216}));
}

TEST(WMatrix, LargeWalkCountsLoseIntegerExactness) {
    // K4: 3^k walks of length k; 3^16 = 43046721 lies where floats are 4 apart.
    const TFLOATARRAY k4("k4_AD", {{0, 1, 1, 1}, {1, 0, 1, 1}, {1, 1, 0, 1}, {1, 1, 1, 0}});
    TFLOATVEC ones = Ones(4);
    EXPECT_EQ(CalcWMatrix(&k4, 15, ones)->Get(1, 1), 14348907);
    ones = Ones(4);
    EXPECT_EQ(CalcWMatrix(&k4, 16, ones)->Get(1, 1), 43046720);
}

TEST(WMatrix, RefusesMissingOrMismatchedInput) {
    const TFLOATARRAY adjacency = testing::PathAdjacency();
    const TFLOATARRAY wide("w_X", {{0, 1, 0}, {1, 0, 1}});
    TFLOATVEC three = Ones(3, "P");
    TFLOATVEC two = Ones(2, "P");
    RecordedMessages messages;
    EXPECT_FALSE(CalcWMatrix(nullptr, 1, three));
    EXPECT_FALSE(CalcWMatrix(&adjacency, 1, two));
    EXPECT_FALSE(CalcWMatrix(&wide, 1, two));
    EXPECT_EQ(messages.errors(), std::vector<std::string>(3, "ERROR DIURING CALCULATING W matrix"));
    EXPECT_EQ(two.Data(), (std::vector<double>{1, 1}));
}

// The walk operator as first described: one W matrix per entry.
TFLOATARRAY LiteralWalkOperator(const TFLOATARRAY& m1, const TFLOATARRAY& m2, const TFLOATARRAY& m3) {
    const std::int64_t n = m1.Rows();
    TFLOATARRAY r(n, n);
    for (std::int64_t i = 1; i <= n; ++i)
        for (std::int64_t j = 1; j <= n; ++j) {
            if (i == j)
                continue;
            const auto steps =
                static_cast<std::uint16_t>(static_cast<std::int64_t>(std::nearbyint(m2.Get(i, j))));
            TFLOATVEC ones = Ones(n);
            r.Put(i, j, CalcWMatrix(&m1, steps, ones)->Get(i, i) * m3.Get(i, j));
        }
    return r;
}

TEST(WalkOperator, WeighsTheWalksAsLongAsTheDistance) {
    const TFLOATARRAY adjacency = testing::PathAdjacency();
    const TFLOATARRAY distance = testing::PathDistance();
    const std::optional<TFLOATARRAY> r = CalcWalkOperator(&adjacency, &distance, &distance);
    ASSERT_TRUE(r);
    // Walks of length 1: (1, 2, 1); of length 2: (2, 2, 2).
    EXPECT_EQ(RowsOf(*r), (testing::Rows{{0, 1, 4}, {2, 0, 2}, {4, 1, 0}}));
    EXPECT_EQ(r->Name(), "propane_W_AD_DI_DI");
}

TEST(WalkOperator, MatchesOneWMatrixPerEntry) {
    const TFLOATARRAY adjacency = testing::RingAdjacency();
    const TFLOATARRAY weighted = [&] {
        TFLOATARRAY m = adjacency;
        m.Put(3, 7, 1.5);
        m.Put(2, 2, 0.25); // a diagonal of its own seeds the walks
        return m;
    }();
    TFLOATARRAY lengths = testing::RingDistance();
    lengths.Put(1, 2, 2.5);   // halves go to the even neighbour: 2
    lengths.Put(1, 3, 3.5);   // 4
    lengths.Put(4, 5, 65537); // kept to 16 bits: 1
    lengths.Put(5, 4, 0);
    TFLOATARRAY factors = testing::RingDistance();
    factors.Put(6, 7, -0.5);
    for (const TFLOATARRAY* m1 : {&adjacency, &weighted}) {
        const std::optional<TFLOATARRAY> r = CalcWalkOperator(m1, &lengths, &factors);
        ASSERT_TRUE(r);
        EXPECT_EQ(RowsOf(*r), RowsOf(LiteralWalkOperator(*m1, lengths, factors)));
    }
    // 65537 asks for as many steps as 1 does.
    EXPECT_EQ(CalcWalkOperator(&adjacency, &lengths, &factors)->Get(4, 5),
              CalcWalkOperator(&adjacency, &adjacency, &factors)->Get(4, 5));
}

TEST(WalkOperator, NamesWithoutUnderscores) {
    const TFLOATARRAY a("A", {{0, 1}, {1, 0}});
    const TFLOATARRAY b("B", {{0, 1}, {1, 0}});
    const TFLOATARRAY c("x_C", {{0, 1}, {1, 0}});
    EXPECT_EQ(CalcWalkOperator(&a, &b, &c)->Name(), "A_W_B_C");
}

TEST(WalkOperator, RefusesMatricesOfDifferentSizes) {
    const TFLOATARRAY three = testing::PathAdjacency();
    const TFLOATARRAY two("x_AD", {{0, 1}, {1, 0}});
    const TFLOATARRAY wide("x_W", {{0, 1, 0}, {1, 0, 1}});
    TFLOATARRAY notANumber = testing::PathDistance();
    notANumber.Put(1, 2, std::numeric_limits<double>::quiet_NaN());
    RecordedMessages messages;
    EXPECT_FALSE(CalcWalkOperator(&three, &two, &three));
    EXPECT_FALSE(CalcWalkOperator(&three, &three, &two));
    EXPECT_FALSE(CalcWalkOperator(&wide, &wide, &wide));
    EXPECT_FALSE(CalcWalkOperator(&three, nullptr, &three));
    EXPECT_FALSE(CalcWalkOperator(&three, &notANumber, &three));
    EXPECT_EQ(messages.errors(), std::vector<std::string>(5, "ERROR DIURING CALCULATING walk operator"));
}

} // namespace
} // namespace grafida
