// The fast builders against the step-by-step reference: every matrix equal cell for
// cell, every path list equal in content and order, on the sample molecules and on
// seeded random graphs of every shape molecules take.

#include "TopologyTesting.h"
#include "graphs/GraphFamilies.h"
#include "literal/LiteralTopology.h"
#include "support/RecordingReporter.h"
#include "topology/Cluj.h"
#include "topology/Detour.h"
#include "topology/Distance.h"
#include "topology/ElementaryMatrices.h"
#include "topology/PathSearch.h"

#include <cmath>
#include <filesystem>
#include <random>

namespace grafida {
namespace {

using testing::RecordedMessages;
using testing::SameMatrix;

std::string Describe(const TListIntList& paths) {
    std::string text;
    for (const TIntList& path : paths.Lists()) {
        text += "[";
        for (int v : path.Values())
            text += std::to_string(v) + " ";
        text += "] ";
    }
    return text;
}

// Every builder and path search on one graph, fast against literal.
void CompareOnGraph(const TFLOATARRAY& adjacency) {
    RecordedMessages messages;
    const int n = static_cast<int>(adjacency.Rows());
    const auto distance = CalcDistance(&adjacency);
    ASSERT_TRUE(distance);
    const TFLOATARRAY literalDistance = literal::CalcDistance(adjacency);
    ASSERT_TRUE(SameMatrix(literalDistance, *distance));
    const auto detour = CalcDetour(&adjacency);
    ASSERT_TRUE(detour);
    const TFLOATARRAY literalDetour = literal::CalcDetour(adjacency);
    ASSERT_TRUE(SameMatrix(literalDetour, *detour));

    EXPECT_TRUE(SameMatrix(literal::CalcClujDistance(adjacency, *distance),
                           *CalcClujDistance(&adjacency, distance.get())));
    EXPECT_TRUE(SameMatrix(literal::CalcClujDetour(adjacency, *distance),
                           *CalcClujDetour(&adjacency, distance.get())));
    EXPECT_TRUE(SameMatrix(literal::CalcClujFragDistance(adjacency, *distance),
                           *CalcClujFragDistance(&adjacency, distance.get())));
    EXPECT_TRUE(SameMatrix(literal::CalcClujFragDetour(adjacency, *distance),
                           *CalcClujFragDetour(&adjacency, distance.get())));
    EXPECT_TRUE(messages.errors().empty());

    // Path lists for every pair at its distance and detour lengths and one length more,
    // then the avoiding search and the Cluj counts around the first shortest path.
    for (int s = 1; s <= n; ++s)
        for (int t = 1; t <= n; ++t) {
            if (s == t)
                continue;
            SCOPED_TRACE(std::to_string(s) + " -> " + std::to_string(t));
            // The detour matrix holds the longest paths from the larger vertex number.
            if (s < t) {
                EXPECT_EQ(literal::LongestPathLength(adjacency, s, t), LongestPathLength(adjacency, s, t));
            }
            const int shortest = static_cast<int>(distance->Get(s, t));
            const int longest = static_cast<int>(detour->Get(s, t));
            const std::vector<int> lengths =
                s < t ? std::vector<int>{shortest, longest, shortest + 1} : std::vector<int>{shortest};
            for (int length : lengths) {
                TListIntList expected, actual;
                literal::FindPathsOfLength(adjacency, s, t, length, expected);
                FindPathsOfLength(adjacency, s, t, length, actual);
                ASSERT_EQ(expected, actual)
                    << "length " << length << ": " << Describe(expected) << "/ " << Describe(actual);
            }
            TListIntList around;
            literal::FindPathsOfLength(adjacency, s, t, shortest, around);
            for (int other = 1; other <= n && !around.Lists().empty(); other += 4) {
                if (other == s)
                    continue;
                TListIntList expected, actual;
                literal::FindPathsAvoiding(adjacency, s, other, around[0], expected);
                FindPathsAvoiding(adjacency, s, other, around[0], actual);
                ASSERT_EQ(expected, actual) << Describe(expected) << "/ " << Describe(actual);
            }
            EXPECT_EQ(literal::ClujCount(adjacency, *distance, around, s, t),
                      ClujCount(adjacency, *distance, around, s, t));
            EXPECT_EQ(literal::ClujFragCount(adjacency, around, s, t),
                      ClujFragCount(adjacency, around, s, t));
        }
}

// 320 seeded graphs in batches of 20, each batch a test of its own.
class FastVersusLiteralRandom : public ::testing::TestWithParam<int> {};

TEST_P(FastVersusLiteralRandom, Graphs) {
    for (int index = 20 * GetParam(); index < 20 * (GetParam() + 1); ++index) {
        const graphs::RandomGraph graph = graphs::RandomSample(index);
        SCOPED_TRACE("graph " + std::to_string(index) + " (" + graph.shape + ", " +
                     std::to_string(graph.adjacency.Rows()) + " vertices)");
        CompareOnGraph(graph.adjacency);
        if (::testing::Test::HasFatalFailure())
            return;
    }
}

INSTANTIATE_TEST_SUITE_P(Batches, FastVersusLiteralRandom, ::testing::Range(0, 16));

// Graphs of more than 64 vertices keep their vertex sets in several words. Spreading
// a small graph over 130 vertices (vertex k becomes 9k, the others stay isolated) must
// change nothing but the distance that marks separated pairs.
TFLOATARRAY Spread(const TFLOATARRAY& small) {
    TFLOATARRAY big(130, 130);
    for (std::uint32_t i = 1; i <= small.Rows(); ++i)
        for (std::uint32_t j = 1; j <= small.Cols(); ++j)
            big.Put(9 * i, 9 * j, small.Get(i, j));
    big.SetName(small.Name());
    return big;
}

::testing::AssertionResult SameOnSpreadVertices(const TFLOATARRAY& small, const TFLOATARRAY& big,
                                                double separated) {
    const int n = static_cast<int>(small.Rows());
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j) {
            const double expected = i != j && small.Get(i, j) == n ? separated : small.Get(i, j);
            if (big.Get(9 * i, 9 * j) != expected)
                return ::testing::AssertionFailure()
                       << big.Name() << "[" << 9 * i << "," << 9 * j << "] = " << big.Get(9 * i, 9 * j)
                       << ", expected " << expected;
        }
    return ::testing::AssertionSuccess();
}

TEST(FastVersusLiteral, GraphsSpreadOverSeveralWords) {
    RecordedMessages messages;
    for (int index = 0; index < 64; index += 3) {
        const TFLOATARRAY small = graphs::RandomSample(index).adjacency;
        const TFLOATARRAY big = Spread(small);
        SCOPED_TRACE(small.Name());
        const int n = static_cast<int>(small.Rows());
        const auto d = CalcDistance(&small);
        const auto bigD = CalcDistance(&big);
        EXPECT_TRUE(SameOnSpreadVertices(*d, *bigD, 130));
        EXPECT_TRUE(SameOnSpreadVertices(*CalcDetour(&small), *CalcDetour(&big), 0));
        // Cluj entries never hold n: separated pairs get 1 or 0 in both.
        EXPECT_TRUE(SameOnSpreadVertices(*CalcClujDistance(&small, d.get()),
                                         *CalcClujDistance(&big, bigD.get()), -1));
        EXPECT_TRUE(
            SameOnSpreadVertices(*CalcClujDetour(&small, d.get()), *CalcClujDetour(&big, bigD.get()), -1));
        EXPECT_TRUE(SameOnSpreadVertices(*CalcClujFragDistance(&small, d.get()),
                                         *CalcClujFragDistance(&big, bigD.get()), -1));
        EXPECT_TRUE(SameOnSpreadVertices(*CalcClujFragDetour(&small, d.get()),
                                         *CalcClujFragDetour(&big, bigD.get()), -1));
        for (int s = 1; s <= n; ++s)
            for (int t = 1; t <= n; ++t) {
                if (s == t)
                    continue;
                EXPECT_EQ(LongestPathLength(small, s, t), LongestPathLength(big, 9 * s, 9 * t));
                TListIntList expected, actual;
                FindPathsOfLength(small, s, t, static_cast<int>(d->Get(s, t)), expected);
                FindPathsOfLength(big, 9 * s, 9 * t, static_cast<int>(d->Get(s, t)), actual);
                ASSERT_EQ(expected.Count(), actual.Count());
                for (int p = 0; p < expected.Count(); ++p)
                    for (int k = 0; k < expected[p].Count(); ++k)
                        ASSERT_EQ(9 * expected[p][k], actual[p][k]);
            }
    }
    EXPECT_TRUE(messages.errors().empty());
}

TEST(FastVersusLiteral, FixedGraphs) {
    for (const TFLOATARRAY& graph :
         {graphs::Path(1), graphs::Path(4), graphs::Cycle(6), graphs::Cycle(9), graphs::Acene(2),
          graphs::Acene(3), graphs::SteroidNucleus(), graphs::RandomTree(14, 5), TFLOATARRAY(0, 0)}) {
        SCOPED_TRACE(graph.Name());
        CompareOnGraph(graph);
    }
}

TEST(FastVersusLiteral, SampleMolecules) {
    testing::ElementDataScope data;
    int compared = 0;
    for (const auto& entry : std::filesystem::directory_iterator(testing::SamplePath(""))) {
        if (entry.path().extension() != ".hin")
            continue;
        SCOPED_TRACE(entry.path().filename().string());
        TMolecula molecule;
        ASSERT_TRUE(molecule.LoadFromHIN(entry.path().string()));
        const auto adjacency = CalcAdjacency(molecule);
        ASSERT_TRUE(adjacency);
        CompareOnGraph(*adjacency);
        ++compared;
    }
    EXPECT_GE(compared, 5);
}

} // namespace
} // namespace grafida
