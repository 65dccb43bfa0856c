// The path engine's shortcuts against the step-by-step reference: forests in closed
// form, graphs full of automorphisms (flakes, tubes, cages, cubic graphs), and a
// Cancel in the middle of a search.

#include "TopologyTesting.h"
#include "graphs/GraphFamilies.h"
#include "literal/LiteralTopology.h"
#include "numeric/Progress.h"
#include "support/RecordingReporter.h"
#include "topology/Cluj.h"
#include "topology/Detour.h"
#include "topology/Distance.h"
#include "topology/paths/Automorphisms.h"

#include <random>
#include <set>

namespace grafida {
namespace {

using testing::RecordedMessages;
using testing::SameMatrix;

// The detour matrix and the four Cluj matrices, program against reference.
void ExpectPathMatricesAsLiteral(const TFLOATARRAY& adjacency) {
    RecordedMessages messages;
    const auto distance = CalcDistance(&adjacency);
    ASSERT_TRUE(distance);
    const auto detour = CalcDetour(&adjacency);
    ASSERT_TRUE(detour);
    EXPECT_TRUE(SameMatrix(literal::CalcDetour(adjacency), *detour));
    EXPECT_TRUE(SameMatrix(literal::CalcClujDistance(adjacency, *distance),
                           *CalcClujDistance(&adjacency, distance.get())));
    EXPECT_TRUE(SameMatrix(literal::CalcClujDetour(adjacency, *distance),
                           *CalcClujDetour(&adjacency, distance.get())));
    EXPECT_TRUE(SameMatrix(literal::CalcClujFragDistance(adjacency, *distance),
                           *CalcClujFragDistance(&adjacency, distance.get())));
    EXPECT_TRUE(SameMatrix(literal::CalcClujFragDetour(adjacency, *distance),
                           *CalcClujFragDetour(&adjacency, distance.get())));
    EXPECT_TRUE(messages.errors().empty());
}

// Several random trees side by side, vertices shuffled, some left alone.
TFLOATARRAY RandomForest(int trees, std::uint32_t seed) {
    std::mt19937 random(seed);
    std::vector<graphs::Edge> edges;
    int n = 0;
    for (int t = 0; t < trees; ++t) {
        const int size = std::uniform_int_distribution<int>(1, 12)(random);
        const TFLOATARRAY tree = graphs::RandomTree(size, seed * 31 + static_cast<std::uint32_t>(t));
        for (int i = 1; i <= size; ++i)
            for (int j = i + 1; j <= size; ++j)
                if (tree.Get(i, j) != 0)
                    edges.emplace_back(n + i, n + j);
        n += size;
    }
    std::vector<int> label(static_cast<size_t>(n));
    for (int k = 0; k < n; ++k)
        label[static_cast<size_t>(k)] = k + 1;
    std::shuffle(label.begin(), label.end(), random);
    for (auto& [u, v] : edges) {
        u = label[static_cast<size_t>(u) - 1];
        v = label[static_cast<size_t>(v) - 1];
    }
    return graphs::FromEdges("forest" + std::to_string(seed), n, edges);
}

TEST(PathEngine, TreesAndForestsInClosedFormAsLiteral) {
    for (std::uint32_t seed = 1; seed <= 12; ++seed) {
        const TFLOATARRAY graph = seed % 3 == 0 ? graphs::RandomTree(static_cast<int>(10 + 2 * seed), seed)
                                                : RandomForest(static_cast<int>(1 + seed % 4), seed);
        SCOPED_TRACE(graph.Name());
        ExpectPathMatricesAsLiteral(graph);
        if (::testing::Test::HasFailure())
            return;
    }
}

// Branch sizes counted the plain way: delete the neighbour of i towards j, count what
// i still reaches.
int BranchSize(const TFLOATARRAY& tree, const TFLOATARRAY& distance, int i, int j) {
    const int n = static_cast<int>(tree.Rows());
    int cut = 0;
    for (int w = 1; w <= n; ++w)
        if (tree.Get(i, w) != 0 && distance.Get(w, j) + 1 == distance.Get(i, j))
            cut = w;
    std::vector<int> stack{i};
    std::vector<char> seen(static_cast<size_t>(n) + 1, 0);
    seen[static_cast<size_t>(i)] = 1;
    seen[static_cast<size_t>(cut)] = 1;
    int count = 0;
    while (!stack.empty()) {
        const int v = stack.back();
        stack.pop_back();
        ++count;
        for (int w = 1; w <= n; ++w)
            if (tree.Get(v, w) != 0 && !seen[static_cast<size_t>(w)]) {
                seen[static_cast<size_t>(w)] = 1;
                stack.push_back(w);
            }
    }
    return count;
}

TEST(PathEngine, LargeTreeHasBranchSizesAndDistances) {
    const TFLOATARRAY tree = graphs::RandomTree(300, 11);
    const auto distance = CalcDistance(&tree);
    const auto detour = CalcDetour(&tree);
    TFLOATARRAY sameName = *detour;
    sameName.SetName(distance->Name());
    EXPECT_TRUE(SameMatrix(*distance, sameName));
    const auto cluj = CalcClujDetourMatrices(&tree, distance.get(), detour.get(), true, true);
    const auto clujDistance = CalcClujDistance(&tree, distance.get());
    for (int i = 1; i <= 300; i += 7)
        for (int j = 1; j <= 300; j += 3) {
            if (i == j)
                continue;
            const int expected = BranchSize(tree, *distance, i, j);
            ASSERT_EQ(expected, cluj.whole->Get(i, j)) << i << " " << j;
            ASSERT_EQ(expected, cluj.fragmental->Get(i, j)) << i << " " << j;
            ASSERT_EQ(expected, clujDistance->Get(i, j)) << i << " " << j;
        }
}

// A distance matrix that is not the tree's own still decides the closer vertices, and
// a length that is not the tree distance leaves the pair without paths.
TEST(PathEngine, TreeWithForeignLengthsFollowsTheRules) {
    const TFLOATARRAY tree = graphs::RandomTree(12, 4);
    TFLOATARRAY distance = literal::CalcDistance(tree);
    distance.Put(2, 5, distance.Get(2, 5) + 1);
    distance.Put(7, 1, 0.4);
    EXPECT_TRUE(SameMatrix(literal::CalcClujDistance(tree, distance), *CalcClujDistance(&tree, &distance)));
    EXPECT_TRUE(
        SameMatrix(literal::CalcClujFragDistance(tree, distance), *CalcClujFragDistance(&tree, &distance)));
}

TEST(PathEngine, GraphsWithAutomorphismsAsLiteral) {
    for (const TFLOATARRAY& graph :
         {graphs::HexagonalFlake(1), graphs::ZigzagTube(6, 2), graphs::ZigzagTube(4, 3),
          graphs::ArmchairTube(4, 3), graphs::ArmchairTube(6, 2), graphs::RandomCubic(12, 3),
          graphs::RandomCubic(14, 5), graphs::RandomCubic(16, 8)}) {
        SCOPED_TRACE(graph.Name());
        ExpectPathMatricesAsLiteral(graph);
    }
}

// Symmetry groups of known order: benzenoid flakes D6h (12), C60 and icosahedral
// C80 Ih (120), C70 D5h (20), a zigzag tube of 8 atoms round, a (4,0) tube (4 turns,
// 4 mirrors, and the swap of its ends: 16); a random cubic graph has none.
TEST(PathEngine, AutomorphismsFoundAreTheWholeGroup) {
    const std::pair<TFLOATARRAY, size_t> cases[] = {
        {graphs::HexagonalFlake(3), 12},
        {graphs::HexagonalFlake(4), 12},
        {graphs::FullereneFromSpiral("C60", 60, {1, 7, 9, 11, 13, 15, 18, 20, 22, 24, 26, 32}), 120},
        {graphs::FullereneFromSpiral("C70", 70, {1, 7, 9, 11, 13, 15, 27, 29, 31, 33, 35, 37}), 20},
        {graphs::ChamferedDodecahedron(), 120},
        {graphs::ZigzagTube(8, 8), 16},
        {graphs::RandomCubic(60, 1), 1},
    };
    for (const auto& [graph, order] : cases) {
        SCOPED_TRACE(graph.Name());
        const paths::PathGraph compact(graph);
        const auto group = paths::FindAutomorphisms(compact);
        EXPECT_EQ(order, group.size());
        std::set<paths::Permutation> distinct(group.begin(), group.end());
        EXPECT_EQ(group.size(), distinct.size());
        for (const auto& g : group)
            for (int v = 0; v < compact.Size(); ++v)
                for (int w : compact.Out(v))
                    ASSERT_TRUE(
                        paths::TestBit(compact.OutSet(g[static_cast<size_t>(v)]), g[static_cast<size_t>(w)]));
    }
}

// A distance matrix that breaks the graph's symmetry keeps its own entries: only the
// symmetries it shares may copy entries between pairs.
TEST(PathEngine, SymmetryBrokenByTheGivenDistances) {
    const TFLOATARRAY tube = graphs::ZigzagTube(4, 3);
    TFLOATARRAY distance = literal::CalcDistance(tube);
    distance.Put(1, 7, distance.Get(1, 7) + 1);
    distance.Put(3, 12, 0);
    EXPECT_TRUE(SameMatrix(literal::CalcClujDistance(tube, distance), *CalcClujDistance(&tube, &distance)));
    EXPECT_TRUE(SameMatrix(literal::CalcClujDetour(tube, distance), *CalcClujDetour(&tube, &distance)));
    EXPECT_TRUE(
        SameMatrix(literal::CalcClujFragDistance(tube, distance), *CalcClujFragDistance(&tube, &distance)));
}

// The generators build what their names say.
TEST(PathEngine, LargeFamiliesHaveTheirShape) {
    struct Shape {
        TFLOATARRAY graph;
        int vertices, edges, degreeTwo;
    };
    const Shape shapes[] = {
        {graphs::HexagonalFlake(2), 24, 30, 12},  // coronene
        {graphs::HexagonalFlake(3), 54, 72, 18},  // circumcoronene
        {graphs::HexagonalFlake(4), 96, 132, 24}, // 37 rings
        {graphs::FullereneFromSpiral("C60", 60, {1, 7, 9, 11, 13, 15, 18, 20, 22, 24, 26, 32}), 60, 90, 0},
        {graphs::FullereneFromSpiral("C70", 70, {1, 7, 9, 11, 13, 15, 27, 29, 31, 33, 35, 37}), 70, 105, 0},
        {graphs::ChamferedDodecahedron(), 80, 120, 0},
        {graphs::ZigzagTube(8, 8), 64, 92, 8},
        {graphs::ArmchairTube(8, 8), 64, 88, 16},
        {graphs::RandomCubic(100, 1), 100, 150, 0},
    };
    for (const Shape& shape : shapes) {
        SCOPED_TRACE(shape.graph.Name());
        const int n = static_cast<int>(shape.graph.Rows());
        ASSERT_EQ(shape.vertices, n);
        int arcs = 0, degreeTwo = 0;
        for (int i = 1; i <= n; ++i) {
            int degree = 0;
            for (int j = 1; j <= n; ++j)
                degree += shape.graph.Get(i, j) != 0 ? 1 : 0;
            arcs += degree;
            degreeTwo += degree == 2 ? 1 : 0;
            EXPECT_TRUE(degree == 2 || degree == 3);
        }
        EXPECT_EQ(2 * shape.edges, arcs);
        EXPECT_EQ(shape.degreeTwo, degreeTwo);
        const auto distance = CalcDistance(&shape.graph);
        for (int j = 2; j <= n; ++j)
            EXPECT_LT(distance->Get(1, j), n); // connected
    }
}

// Asks to stop at the first look from inside a search: a look before any progress
// step, or a second look with no step in between, comes only from the middle of a row.
class CancelInsideSearch final : public ProgressSink {
public:
    void Start(std::int64_t) override {}
    void Step() override {
        ++steps;
        looksSinceStep = 0;
    }
    void Done() override {}
    void ProcessEvents() override { ++looksSinceStep; }
    bool CancelRequested() override { return looksSinceStep >= 2 || (steps == 0 && looksSinceStep >= 1); }
    int steps = 0;
    int looksSinceStep = 0;
};

TEST(PathEngine, CancelInTheMiddleOfASearchStopsWithoutResult) {
    // No symmetry to shorten the searches: each row takes thousands of steps.
    const TFLOATARRAY cubic = graphs::RandomCubic(60, 1);
    const auto distance = CalcDistance(&cubic);
    {
        CancelInsideSearch sink;
        ProgressSinkScope scope(sink);
        std::unique_ptr<TFLOATARRAY> detour;
        EXPECT_THROW(detour = CalcDetour(&cubic), ComputationCancelled);
        EXPECT_FALSE(detour);
        EXPECT_LT(sink.steps, 60);
    }
    {
        CancelInsideSearch sink;
        ProgressSinkScope scope(sink);
        ClujMatrices cluj;
        EXPECT_THROW(cluj = CalcClujDistanceMatrices(&cubic, distance.get(), true, true),
                     ComputationCancelled);
        EXPECT_FALSE(cluj.whole);
        EXPECT_LT(sink.steps, 60);
    }
}

} // namespace
} // namespace grafida
