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
            EXPECT_EQ(literal::LongestPathLength(adjacency, s, t), LongestPathLength(adjacency, s, t));
            const int shortest = static_cast<int>(distance->Get(s, t));
            const int longest = static_cast<int>(detour->Get(s, t));
            for (int length : {shortest, longest, shortest + 1}) {
                TListIntList expected, actual;
                literal::FindPathsOfLength(adjacency, s, t, length, expected);
                FindPathsOfLength(adjacency, s, t, length, actual);
                ASSERT_EQ(expected, actual)
                    << "length " << length << ": " << Describe(expected) << "/ " << Describe(actual);
            }
            TListIntList around;
            literal::FindPathsOfLength(adjacency, s, t, shortest, around);
            for (int other = 1; other <= n && !around.Lists().empty(); other += 3) {
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

// 320 seeded graphs in batches of 40, each batch a test of its own.
class FastVersusLiteralRandom : public ::testing::TestWithParam<int> {};

TEST_P(FastVersusLiteralRandom, Graphs) {
    for (int index = 40 * GetParam(); index < 40 * (GetParam() + 1); ++index) {
        const graphs::RandomGraph graph = graphs::RandomSample(index);
        SCOPED_TRACE("graph " + std::to_string(index) + " (" + graph.shape + ", " +
                     std::to_string(graph.adjacency.Rows()) + " vertices)");
        CompareOnGraph(graph.adjacency);
        if (::testing::Test::HasFatalFailure())
            return;
    }
}

INSTANTIATE_TEST_SUITE_P(Batches, FastVersusLiteralRandom, ::testing::Range(0, 8));

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
