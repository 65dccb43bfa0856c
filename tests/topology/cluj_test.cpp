// The four Cluj matrices and their counting steps.

#include "TopologyTesting.h"
#include "graphs/GraphFamilies.h"
#include "support/RecordingReporter.h"
#include "topology/Cluj.h"
#include "topology/Detour.h"
#include "topology/Distance.h"

namespace grafida {
namespace {

using testing::RecordedMessages;
using testing::Rows;
using Matrix = std::vector<std::vector<double>>;

struct Builder {
    const char* code;
    std::unique_ptr<TFLOATARRAY> (*build)(const TFLOATARRAY*, const TFLOATARRAY*);
};
const Builder kBuilders[] = {{"CjDi", CalcClujDistance},
                             {"CjDe", CalcClujDetour},
                             {"CFDi", CalcClujFragDistance},
                             {"CFDe", CalcClujFragDetour}};

std::unique_ptr<TFLOATARRAY> Build(const Builder& builder, const TFLOATARRAY& a) {
    const auto d = CalcDistance(&a);
    return builder.build(&a, d.get());
}

TEST(Cluj, PropaneRowsInAllFourMatrices) {
    TFLOATARRAY propane = graphs::Path(3);
    propane.SetName("propane_AD");
    for (const Builder& builder : kBuilders) {
        SCOPED_TRACE(builder.code);
        const auto c = Build(builder, propane);
        ASSERT_TRUE(c);
        EXPECT_EQ(Rows(*c), (Matrix{{0, 1, 1}, {2, 0, 2}, {1, 1, 0}}));
        EXPECT_EQ(c->Name(), std::string("propane_") + builder.code);
    }
}

TEST(Cluj, FourRing) {
    const TFLOATARRAY ring = graphs::Cycle(4);
    struct Case {
        int builder;
        int i, j;
        double value;
    };
    for (const Case& c : {Case{0, 1, 2, 2}, Case{0, 1, 3, 1}, Case{2, 1, 2, 2}, Case{2, 1, 3, 1},
                          Case{1, 1, 2, 1}, Case{3, 1, 2, 1}}) {
        const Builder& builder = kBuilders[c.builder];
        EXPECT_EQ(Build(builder, ring)->Get(c.i, c.j), c.value)
            << builder.code << "[" << c.i << "," << c.j << "]";
    }
}

TEST(Cluj, PairsThatNoPathJoins) {
    const TFLOATARRAY a = graphs::FromEdges("two", 5, {{1, 2}, {3, 4}, {4, 5}});
    for (const Builder& builder : kBuilders) {
        SCOPED_TRACE(builder.code);
        const auto c = Build(builder, a);
        ASSERT_TRUE(c);
        const double between = builder.code[1] == 'F' ? 0 : 1;
        EXPECT_EQ(c->Get(1, 4), between);
        EXPECT_EQ(c->Get(5, 2), between);
        EXPECT_EQ(c->Get(4, 3), 2);
        EXPECT_EQ(c->Get(3, 4), 1);
        for (int i = 1; i <= 5; ++i)
            EXPECT_EQ(c->Get(i, i), 0);
    }
}

TEST(Cluj, TreeMatricesCoincide) {
    // On a tree every pair has one path: the four matrices agree.
    const TFLOATARRAY tree = graphs::RandomTree(12, 4);
    const Matrix first = Rows(*Build(kBuilders[0], tree));
    for (const Builder& builder : kBuilders)
        EXPECT_EQ(Rows(*Build(builder, tree)), first) << builder.code;
}

TEST(Cluj, NamesFollowThePrefixOfTheAdjacencyMatrix) {
    TFLOATARRAY a = graphs::Path(3);
    a.SetName("X");
    EXPECT_EQ(Build(kBuilders[0], a)->Name(), "CjDi");
    a.SetName("my_mol_AD");
    EXPECT_EQ(Build(kBuilders[3], a)->Name(), "my_CFDe");
}

TEST(Cluj, MissingInputsAreNamed) {
    const TFLOATARRAY a = graphs::Path(3);
    const auto d = CalcDistance(&a);
    struct Case {
        const char* what;
        std::function<std::unique_ptr<TFLOATARRAY>()> build;
        const char* message;
    };
    const std::vector<Case> cases = {
        {"CjDi without distance", [&] { return CalcClujDistance(&a, nullptr); },
         "Cluj distance need adjacency and distance"},
        {"CjDi without adjacency", [&] { return CalcClujDistance(nullptr, d.get()); },
         "Cluj distance need adjacency and distance"},
        {"CjDe", [&] { return CalcClujDetour(nullptr, d.get()); }, "Cluj detour need adjacency and distance"},
        {"CFDi", [&] { return CalcClujFragDistance(&a, nullptr); },
         "Cluj fragmental distance need adjacency and distance"},
        {"CFDe", [&] { return CalcClujFragDetour(nullptr, d.get()); },
         "Cluj fragmental detour need adjacency"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RecordedMessages messages;
        EXPECT_FALSE(c.build());
        EXPECT_EQ(messages.errors(), std::vector<std::string>{c.message});
    }
    // The fragmental detour matrix does without a distance matrix.
    RecordedMessages messages;
    EXPECT_TRUE(CalcClujFragDetour(&a, nullptr));
    EXPECT_TRUE(messages.errors().empty());
}

TEST(Cluj, InputsOfDifferentSizesAreAnError) {
    const TFLOATARRAY a = graphs::Path(3);
    const TFLOATARRAY four = graphs::Path(4);
    const auto d = CalcDistance(&four);
    const TFLOATARRAY wide(3, 4);
    RecordedMessages messages;
    EXPECT_FALSE(CalcClujDistance(&a, d.get()));
    EXPECT_FALSE(CalcClujDetour(&a, d.get()));
    EXPECT_FALSE(CalcClujFragDistance(&a, d.get()));
    EXPECT_FALSE(CalcClujFragDetour(&wide, nullptr));
    EXPECT_EQ(messages.errors(),
              (std::vector<std::string>{"ERROR DIURING CALCULATING cluj distance matrix",
                                        "ERROR DIURING CALCULATING cluj detour matrix",
                                        "ERROR DIURING CALCULATING cluj fragmental distance matrix",
                                        "ERROR DIURING CALCULATING cluj fragmental detour matrix"}));
}

TEST(Cluj, InputsStayUnchanged) {
    const TFLOATARRAY a = graphs::Acene(2);
    const auto d = CalcDistance(&a);
    const TFLOATARRAY aBefore = a;
    const TFLOATARRAY dBefore = *d;
    for (const Builder& builder : kBuilders)
        builder.build(&a, d.get());
    EXPECT_EQ(a, aBefore);
    EXPECT_EQ(*d, dBefore);
}

TEST(Cluj, BothMatricesOfOnePathKindAtOnce) {
    const TFLOATARRAY a = graphs::SteroidNucleus();
    const auto d = CalcDistance(&a);
    const auto de = CalcDetour(&a);
    const ClujMatrices shortest = CalcClujDistanceMatrices(&a, d.get(), true, true);
    const ClujMatrices longest = CalcClujDetourMatrices(&a, d.get(), de.get(), true, true);
    EXPECT_EQ(*shortest.whole, *CalcClujDistance(&a, d.get()));
    EXPECT_EQ(*shortest.fragmental, *CalcClujFragDistance(&a, d.get()));
    EXPECT_EQ(*longest.whole, *CalcClujDetour(&a, d.get()));
    EXPECT_EQ(*longest.fragmental, *CalcClujFragDetour(&a, d.get()));
    const ClujMatrices one = CalcClujDetourMatrices(&a, d.get(), nullptr, false, true);
    EXPECT_FALSE(one.whole);
    EXPECT_EQ(*one.fragmental, *longest.fragmental);
}

TEST(Cluj, CountsOverGivenPaths) {
    // Propane: from the middle vertex, vertex 3 is closer to 2 than to 1 and stays reachable.
    const TFLOATARRAY a = graphs::Path(3);
    const auto d = CalcDistance(&a);
    TListIntList paths;
    EXPECT_EQ(ClujCount(a, *d, paths, 2, 1), 1);
    EXPECT_EQ(ClujFragCount(a, paths, 2, 1), 0);
    paths.Add({2, 1});
    EXPECT_EQ(ClujCount(a, *d, paths, 2, 1), 2);
    EXPECT_EQ(ClujFragCount(a, paths, 2, 1), 2);
    // Six-ring, 1 to 4: the vertices closer to 1 are 2 and 6; each path blocks one side.
    const TFLOATARRAY ring = graphs::Cycle(6);
    const auto dr = CalcDistance(&ring);
    TListIntList both;
    both.Add({1, 2, 3, 4});
    both.Add({1, 6, 5, 4});
    EXPECT_EQ(ClujCount(ring, *dr, both, 1, 4), 2);
    EXPECT_EQ(ClujFragCount(ring, both, 1, 4), 2);
}

TEST(Cluj, CutVerticesClearsRowsAndColumns) {
    TFLOATARRAY a = graphs::Cycle(4);
    CutVertices(a, {2, 9});
    EXPECT_EQ(Rows(a), (Matrix{{0, 0, 0, 1}, {0, 0, 0, 0}, {0, 0, 0, 1}, {1, 0, 1, 0}}));
}

} // namespace
} // namespace grafida
