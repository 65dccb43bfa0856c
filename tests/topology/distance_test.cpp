// Topological distances and the progress every builder reports.

#include "TopologyTesting.h"
#include "graphs/GraphFamilies.h"
#include "numeric/Progress.h"
#include "support/RecordingReporter.h"
#include "topology/Cluj.h"
#include "topology/Detour.h"
#include "topology/Distance.h"
#include "topology/ElementaryMatrices.h"

namespace grafida {
namespace {

using testing::RecordedMessages;
using testing::Rows;

TEST(Distance, PathOfFourVertices) {
    const TFLOATARRAY a = graphs::Path(4);
    const auto d = CalcDistance(&a);
    ASSERT_TRUE(d);
    EXPECT_EQ(Rows(*d),
              (std::vector<std::vector<double>>{{0, 1, 2, 3}, {1, 0, 1, 2}, {2, 1, 0, 1}, {3, 2, 1, 0}}));
}

TEST(Distance, SeparateFragmentsAreNApart) {
    const TFLOATARRAY a = graphs::FromEdges("salt", 5, {{1, 2}, {2, 3}, {4, 5}});
    const auto d = CalcDistance(&a);
    ASSERT_TRUE(d);
    EXPECT_EQ(Rows(*d),
              (std::vector<std::vector<double>>{
                  {0, 1, 2, 5, 5}, {1, 0, 1, 5, 5}, {2, 1, 0, 5, 5}, {5, 5, 5, 0, 1}, {5, 5, 5, 1, 0}}));
}

TEST(Distance, NameTakesThePrefixOfTheInput) {
    struct Case {
        const char* input;
        const char* result;
    };
    for (const Case& c : {Case{"benzene_AD", "benzene_DI"}, Case{"X", "DI"}, Case{"my_mol_AD", "my_DI"},
                          Case{"_AD", "_DI"}}) {
        TFLOATARRAY a = graphs::Path(3);
        a.SetName(c.input);
        EXPECT_EQ(CalcDistance(&a)->Name(), c.result);
    }
}

TEST(Distance, MissingOrNonSquareInputIsAnError) {
    RecordedMessages messages;
    EXPECT_FALSE(CalcDistance(nullptr));
    const TFLOATARRAY wide(2, 3);
    EXPECT_FALSE(CalcDistance(&wide));
    EXPECT_EQ(messages.errors(), (std::vector<std::string>{"ERROR DIURING CALCULATING distance",
                                                           "ERROR DIURING CALCULATING distance"}));
}

TEST(Distance, AnyNonzeroEntryOffTheDiagonalIsAnEdge) {
    // A weighted or looped matrix counts bonds, as the path searches on the same matrix do.
    TFLOATARRAY a(3, 3);
    a.Put(1, 2, 2.0);
    a.Put(2, 1, 2.0);
    a.Put(2, 3, 1.5);
    a.Put(3, 2, 1.5);
    a.Put(2, 2, 1.0);
    const auto d = CalcDistance(&a);
    ASSERT_TRUE(d);
    EXPECT_EQ(Rows(*d), (std::vector<std::vector<double>>{{0, 1, 2}, {1, 0, 1}, {2, 1, 0}}));
}

TEST(Distance, OneWayArcsGiveDirectedDistances) {
    TFLOATARRAY a(3, 3);
    a.Put(1, 2, 1);
    a.Put(2, 3, 1);
    a.Put(3, 1, 1);
    const auto d = CalcDistance(&a);
    ASSERT_TRUE(d);
    EXPECT_EQ(Rows(*d), (std::vector<std::vector<double>>{{0, 1, 2}, {2, 0, 1}, {1, 2, 0}}));
}

// Counts what a builder reports: one start, its maximum, the steps and one end.
class CountingProgress final : public ProgressSink {
public:
    void Start(std::int64_t maximum) override { starts.push_back(maximum); }
    void Step() override { ++steps; }
    void Done() override { ++done; }
    std::vector<std::int64_t> starts;
    int steps = 0;
    int done = 0;
};

TEST(Distance, EveryBuilderShowsItsProgressAndRemovesIt) {
    const TMolecula molecule = testing::MakeSkeleton("butane", 4, {{1, 2}, {2, 3}, {3, 4}});
    const TFLOATARRAY a = graphs::Path(4);
    const auto d = CalcDistance(&a);
    struct Case {
        const char* builder;
        std::function<void()> run;
        std::vector<std::int64_t> starts;
        int steps;
    };
    const std::vector<Case> cases = {
        {"adjacency", [&] { CalcAdjacency(molecule); }, {3}, 3},
        {"connectivity", [&] { CalcConnectivity(molecule); }, {3}, 0},
        {"distance", [&] { CalcDistance(&a); }, {100}, 100},
        {"distance 3D", [&] { CalcDistance3D(molecule); }, {4}, 4},
        {"detour", [&] { CalcDetour(&a); }, {4}, 4},
        {"Cluj distance", [&] { CalcClujDistance(&a, d.get()); }, {4}, 4},
        {"Cluj detour", [&] { CalcClujDetour(&a, d.get()); }, {4, 4}, 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.builder);
        CountingProgress progress;
        ProgressSinkScope scope(progress);
        c.run();
        EXPECT_EQ(progress.starts, c.starts);
        EXPECT_EQ(progress.steps, c.steps);
        EXPECT_EQ(progress.done, static_cast<int>(c.starts.size()));
    }
}

} // namespace
} // namespace grafida
