#include "DescriptorTestData.h"
#include "support/RecordingReporter.h"
#include "topology/CombinatorialMatrix.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace grafida {
namespace {

using testing::Rows;
using testing::RowsOf;

TEST(CombinatorialMatrix, TurnsDistancesIntoPairCounts) {
    const TFLOATARRAY distance = testing::PathDistance("BENZ_DI");
    const std::optional<TFLOATARRAY> c = CombinatorialMatrix(&distance);
    ASSERT_TRUE(c);
    EXPECT_EQ(RowsOf(*c), (Rows{{0, 1, 3}, {1, 0, 1}, {3, 1, 0}}));
    EXPECT_EQ(c->Name(), "BENZ_Comb_DI");
    EXPECT_EQ(distance.Get(1, 3), 2);
}

TEST(CombinatorialMatrix, Entries) {
    const TFLOATARRAY m("X", {{-1, 0, -2}, {0.5, 4, 1e8}});
    const std::optional<TFLOATARRAY> c = CombinatorialMatrix(&m);
    EXPECT_EQ(RowsOf(*c), (Rows{{0, 0, 1}, {0.375, 10, 5000000050000000}}));
    EXPECT_EQ(c->Name(), "Comb_X");
    // -1 gives a plain zero, not -0.0 (printed "-0.00").
    EXPECT_FALSE(std::signbit(c->Get(1, 1)));
}

TEST(CombinatorialMatrix, RefusesAMissingMatrix) {
    testing::RecordedMessages messages;
    EXPECT_FALSE(CombinatorialMatrix(nullptr));
    EXPECT_EQ(messages.errors(), std::vector<std::string>{"ERROR DIURING CALCULATING combinatorial matrix"});
}

} // namespace
} // namespace grafida
