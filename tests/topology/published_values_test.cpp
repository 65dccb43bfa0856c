// Indices published for small skeletons: the Wiener index (half the sum of the
// distance matrix) of the 18 octanes and the detour index of cyclohexane.

#include "TopologyTesting.h"
#include "topology/Detour.h"
#include "topology/Distance.h"
#include "topology/ElementaryMatrices.h"

namespace grafida {
namespace {

using Bonds = std::vector<std::pair<int, int>>;

// A main chain 1..length with the remaining carbons hanging as given.
Bonds Chain(int length, const Bonds& branches) {
    Bonds bonds;
    for (int v = 2; v <= length; ++v)
        bonds.emplace_back(v - 1, v);
    bonds.insert(bonds.end(), branches.begin(), branches.end());
    return bonds;
}

double HalfSum(const TFLOATARRAY& m) {
    return m.TotalSum() / 2;
}

TEST(PublishedValues, WienerIndexOfTheOctanes) {
    struct Octane {
        const char* name;
        Bonds bonds;
        double wiener;
    };
    const std::vector<Octane> octanes = {
        {"octane", Chain(8, {}), 84},
        {"2-methylheptane", Chain(7, {{2, 8}}), 79},
        {"3-methylheptane", Chain(7, {{3, 8}}), 76},
        {"4-methylheptane", Chain(7, {{4, 8}}), 75},
        {"3-ethylhexane", Chain(6, {{3, 7}, {7, 8}}), 72},
        {"2,2-dimethylhexane", Chain(6, {{2, 7}, {2, 8}}), 71},
        {"2,3-dimethylhexane", Chain(6, {{2, 7}, {3, 8}}), 70},
        {"2,4-dimethylhexane", Chain(6, {{2, 7}, {4, 8}}), 71},
        {"2,5-dimethylhexane", Chain(6, {{2, 7}, {5, 8}}), 74},
        {"3,3-dimethylhexane", Chain(6, {{3, 7}, {3, 8}}), 67},
        {"3,4-dimethylhexane", Chain(6, {{3, 7}, {4, 8}}), 68},
        {"3-ethyl-2-methylpentane", Chain(5, {{3, 6}, {6, 7}, {2, 8}}), 67},
        {"3-ethyl-3-methylpentane", Chain(5, {{3, 6}, {6, 7}, {3, 8}}), 64},
        {"2,2,3-trimethylpentane", Chain(5, {{2, 6}, {2, 7}, {3, 8}}), 63},
        {"2,2,4-trimethylpentane", Chain(5, {{2, 6}, {2, 7}, {4, 8}}), 66},
        {"2,3,3-trimethylpentane", Chain(5, {{2, 6}, {3, 7}, {3, 8}}), 62},
        {"2,3,4-trimethylpentane", Chain(5, {{2, 6}, {3, 7}, {4, 8}}), 65},
        {"2,2,3,3-tetramethylbutane", Chain(4, {{2, 5}, {2, 6}, {3, 7}, {3, 8}}), 58},
    };
    for (const Octane& octane : octanes) {
        SCOPED_TRACE(octane.name);
        ASSERT_EQ(octane.bonds.size(), 7u);
        const auto adjacency = CalcAdjacency(testing::MakeSkeleton(octane.name, 8, octane.bonds));
        ASSERT_TRUE(adjacency);
        const auto distance = CalcDistance(adjacency.get());
        ASSERT_TRUE(distance);
        EXPECT_EQ(HalfSum(*distance), octane.wiener);
        // A tree has one path per pair: its detour matrix is its distance matrix.
        EXPECT_EQ(HalfSum(*CalcDetour(adjacency.get())), octane.wiener);
    }
}

TEST(PublishedValues, DetourIndexOfCyclohexane) {
    const auto adjacency = CalcAdjacency(
        testing::MakeSkeleton("cyclohexane", 6, {{1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 6}, {6, 1}}));
    ASSERT_TRUE(adjacency);
    EXPECT_EQ(HalfSum(*CalcDetour(adjacency.get())), 63);
    EXPECT_EQ(HalfSum(*CalcDistance(adjacency.get())), 27);
}

} // namespace
} // namespace grafida
