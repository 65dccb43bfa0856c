// Simple paths between two vertices and the detour matrix.

#include "TopologyTesting.h"
#include "graphs/GraphFamilies.h"
#include "support/RecordingReporter.h"
#include "topology/Detour.h"
#include "topology/Distance.h"
#include "topology/PathSearch.h"

namespace grafida {
namespace {

using testing::RecordedMessages;
using testing::Rows;

TListIntList Paths(std::initializer_list<TIntList> lists) {
    TListIntList paths;
    for (const TIntList& list : lists)
        paths.Add(list);
    return paths;
}

TEST(PathSearch, PathOfThreeVertices) {
    const TFLOATARRAY a = graphs::Path(3);
    EXPECT_EQ(LongestPathLength(a, 1, 3), 2);
    const auto detour = CalcDetour(&a);
    ASSERT_TRUE(detour);
    EXPECT_EQ(Rows(*detour), Rows(*CalcDistance(&a)));
    EXPECT_EQ(detour->Name(), "path3_DE");
}

TEST(PathSearch, SixRingDetoursAndPathOrder) {
    const TFLOATARRAY ring = graphs::Cycle(6);
    const auto detour = CalcDetour(&ring);
    ASSERT_TRUE(detour);
    EXPECT_EQ(detour->Get(1, 2), 5);
    EXPECT_EQ(detour->Get(1, 3), 4);
    EXPECT_EQ(detour->Get(1, 4), 3);
    EXPECT_EQ(detour->Get(4, 1), 3);
    TListIntList paths;
    FindPathsOfLength(ring, 1, 4, 3, paths);
    EXPECT_EQ(paths, Paths({{1, 2, 3, 4}, {1, 6, 5, 4}}));
    FindPathsOfLength(ring, 1, 2, 5, paths);
    EXPECT_EQ(paths, Paths({{1, 6, 5, 4, 3, 2}}));
}

TEST(PathSearch, PathsInLexicographicOrder) {
    // Two fused squares 1-2-3-4 and 3-4-5-6 (4-3 shared): three ways from 1 to 6.
    const TFLOATARRAY a =
        graphs::FromEdges("ladder", 6, {{1, 2}, {2, 3}, {3, 4}, {4, 1}, {3, 6}, {6, 5}, {5, 4}});
    TListIntList paths;
    FindPathsAvoiding(a, 1, 6, {1}, paths);
    EXPECT_EQ(paths, Paths({{1, 2, 3, 4, 5, 6}, {1, 2, 3, 6}, {1, 4, 3, 6}, {1, 4, 5, 6}}));
    FindPathsOfLength(a, 1, 6, 3, paths);
    EXPECT_EQ(paths, Paths({{1, 2, 3, 6}, {1, 4, 3, 6}, {1, 4, 5, 6}}));
}

TEST(PathSearch, AvoidingBlocksAllButTheFirstVertex) {
    const TFLOATARRAY ring = graphs::Cycle(6);
    TListIntList paths;
    // Both ways from 1 to 4 pass 3 or 5.
    FindPathsAvoiding(ring, 1, 4, {1, 3, 5}, paths);
    EXPECT_EQ(paths.Count(), 0);
    FindPathsAvoiding(ring, 1, 4, {1, 3}, paths);
    EXPECT_EQ(paths, Paths({{1, 6, 5, 4}}));
    // The end itself among the avoided vertices: no path.
    FindPathsAvoiding(ring, 1, 4, {1, 4}, paths);
    EXPECT_EQ(paths.Count(), 0);
}

TEST(PathSearch, LengthsNoSimplePathCanHaveGiveNothing) {
    const TFLOATARRAY ring = graphs::Cycle(6);
    TListIntList paths;
    for (const int length : {0, -1, 6, 7, 1000}) {
        paths.Add({9});
        FindPathsOfLength(ring, 1, 4, length, paths);
        EXPECT_EQ(paths.Count(), 0) << length;
    }
    FindPathsOfLength(ring, 1, 2, 1, paths);
    EXPECT_EQ(paths, Paths({{1, 2}}));
}

TEST(PathSearch, DisconnectedAndSingleVertexGraphs) {
    const TFLOATARRAY a = graphs::FromEdges("two", 4, {{1, 2}, {3, 4}});
    const auto detour = CalcDetour(&a);
    ASSERT_TRUE(detour);
    EXPECT_EQ(Rows(*detour),
              (std::vector<std::vector<double>>{{0, 1, 0, 0}, {1, 0, 0, 0}, {0, 0, 0, 1}, {0, 0, 1, 0}}));
    EXPECT_EQ(LongestPathLength(a, 1, 4), 0);
    const TFLOATARRAY one = graphs::Path(1);
    const auto single = CalcDetour(&one);
    ASSERT_TRUE(single);
    EXPECT_EQ(Rows(*single), (std::vector<std::vector<double>>{{0}}));
}

TEST(PathSearch, DiagonalEntriesAreNoEdges) {
    // A loop on vertex 2 must not let a path visit 2 twice.
    TFLOATARRAY a = graphs::Path(3);
    a.Put(2, 2, 1);
    TIntList neighbours;
    GetNeighbours(a, 2, neighbours);
    EXPECT_EQ(neighbours, (TIntList{1, 3}));
    TListIntList paths;
    FindPathsOfLength(a, 1, 3, 3, paths);
    EXPECT_EQ(paths.Count(), 0);
    FindPathsAvoiding(a, 1, 3, {1}, paths);
    EXPECT_EQ(paths, Paths({{1, 2, 3}}));
    EXPECT_EQ(LongestPathLength(a, 1, 3), 2);
}

TEST(PathSearch, NeighboursInIncreasingOrder) {
    const TFLOATARRAY a = graphs::FromEdges("star", 5, {{3, 5}, {3, 1}, {3, 4}});
    TIntList list{9};
    GetNeighbours(a, 3, list);
    EXPECT_EQ(list, (TIntList{9, 1, 4, 5}));
}

TEST(PathSearch, DetourNameAndInputChecks) {
    TFLOATARRAY a = graphs::Cycle(5);
    a.SetName("benzene_AD");
    EXPECT_EQ(CalcDetour(&a)->Name(), "benzene_DE");
    a.SetName("X");
    EXPECT_EQ(CalcDetour(&a)->Name(), "DE");
    RecordedMessages messages;
    EXPECT_FALSE(CalcDetour(nullptr));
    const TFLOATARRAY wide(2, 3);
    EXPECT_FALSE(CalcDetour(&wide));
    EXPECT_EQ(messages.errors(), (std::vector<std::string>{"ERROR DIURING CALCULATING detour",
                                                           "ERROR DIURING CALCULATING detour"}));
}

TEST(PathSearch, LongestPathsOfCages) {
    // The dodecahedron has Hamiltonian paths between some pairs only; the detour
    // matrix must find every one of length 19 and prove the others shorter.
    const TFLOATARRAY cage = graphs::Dodecahedron();
    const auto detour = CalcDetour(&cage);
    ASSERT_TRUE(detour);
    int hamiltonian = 0;
    for (int i = 1; i <= 20; ++i)
        for (int j = 1; j <= 20; ++j)
            hamiltonian += detour->Get(i, j) == 19 ? 1 : 0;
    EXPECT_EQ(hamiltonian, 380 - 120);
    EXPECT_EQ(LongestPathLength(cage, 1, 2), detour->Get(1, 2));
}

} // namespace
} // namespace grafida
