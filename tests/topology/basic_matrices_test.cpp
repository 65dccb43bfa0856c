// The nine basic matrices of one molecule, built in their fixed order.

#include "TopologyTesting.h"
#include "support/RecordingReporter.h"
#include "topology/BasicMatrices.h"
#include "topology/Cluj.h"
#include "topology/Detour.h"
#include "topology/Distance.h"
#include "topology/ElementaryMatrices.h"

namespace grafida {
namespace {

using testing::MakeSkeleton;
using testing::RecordedMessages;

TMolecula Methylcyclopentane() {
    return MakeSkeleton("mcp", 6, {{1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 1}, {1, 6}});
}

TEST(BasicMatrices, ItemsAndCodesInTheFixedOrder) {
    EXPECT_EQ(std::vector<std::string>(BasicMatrixItems().begin(), BasicMatrixItems().end()),
              (std::vector<std::string>{"Adjacency", "Conectivity", "Distance", "Distance3D", "Detour",
                                        "Cluj_Distance", "Cluj_Detour", "ClujF_Distance", "ClujF-Detour"}));
    EXPECT_EQ(std::vector<std::string>(BasicMatrixCodes().begin(), BasicMatrixCodes().end()),
              (std::vector<std::string>{"AD", "CON", "DI", "D3D", "DE", "CjDi", "CjDe", "CFDi", "CFDe"}));
}

TEST(BasicMatrices, AllNineEqualTheSingleBuilders) {
    const TMolecula molecule = Methylcyclopentane();
    BasicMatrixSelection all;
    all.fill(true);
    RecordedMessages messages;
    const BasicMatrixResults results = CalcBasicMatrices(molecule, all);
    const auto ad = CalcAdjacency(molecule);
    const auto di = CalcDistance(ad.get());
    for (int k = 0; k < kBasicMatrixCount; ++k) {
        SCOPED_TRACE(BasicMatrixItems()[static_cast<size_t>(k)]);
        ASSERT_TRUE(results[static_cast<size_t>(k)]);
        EXPECT_EQ(results[static_cast<size_t>(k)]->Name(),
                  std::string("mcp_") + BasicMatrixCodes()[static_cast<size_t>(k)]);
        const auto single = CalcBasicMatrix(static_cast<BasicMatrix>(k), molecule, ad.get(), di.get());
        EXPECT_EQ(*results[static_cast<size_t>(k)], *single);
    }
    EXPECT_TRUE(messages.errors().empty());
}

TEST(BasicMatrices, OnlyTheSelectedAreReturned) {
    const TMolecula molecule = Methylcyclopentane();
    BasicMatrixSelection selection{};
    selection[static_cast<size_t>(BasicMatrix::ClujFragDetour)] = true;
    const BasicMatrixResults results = CalcBasicMatrices(molecule, selection);
    for (int k = 0; k < kBasicMatrixCount; ++k)
        EXPECT_EQ(static_cast<bool>(results[static_cast<size_t>(k)]),
                  k == static_cast<int>(BasicMatrix::ClujFragDetour));
    const auto ad = CalcAdjacency(molecule);
    EXPECT_EQ(*results[static_cast<size_t>(BasicMatrix::ClujFragDetour)],
              *CalcClujFragDetour(ad.get(), nullptr));
}

TEST(BasicMatrices, MissingStoredInputsAreNamedAsTheCommandDoes) {
    const TFLOATARRAY ad(2, 2);
    struct Case {
        BasicMatrix which;
        bool adjacency, distance;
        const char* message; // empty: inputs present
    };
    const std::vector<Case> cases = {
        {BasicMatrix::Distance, false, false, "Distance need Adjacency"},
        {BasicMatrix::Detour, false, true, "Detour need Adjacency"},
        {BasicMatrix::ClujDistance, true, false, "CjDi need Distance and Adjacency"},
        {BasicMatrix::ClujDetour, false, true, "CjDe need Distance and Adjacency"},
        {BasicMatrix::ClujFragDistance, true, false, "CfDi need Distance and Adjacency"},
        {BasicMatrix::ClujFragDetour, false, false, "CFDe need Distance and Adjacency"},
        {BasicMatrix::ClujFragDetour, true, true, ""},
        {BasicMatrix::Adjacency, false, false, ""},
        {BasicMatrix::Distance3D, false, false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(BasicMatrixCodes()[static_cast<size_t>(c.which)]);
        RecordedMessages messages;
        const bool present = *c.message == '\0';
        EXPECT_EQ(HasBasicInputs(c.which, c.adjacency ? &ad : nullptr, c.distance ? &ad : nullptr), present);
        EXPECT_EQ(messages.errors(),
                  present ? std::vector<std::string>{} : std::vector<std::string>{c.message});
    }
}

TEST(BasicMatrices, FailedAdjacencyStopsTheDerivedMatrices) {
    TMolecula molecule = Methylcyclopentane();
    molecule.Bonds.push_back({6, 9, TBondType::Single});
    BasicMatrixSelection selection{};
    selection[static_cast<size_t>(BasicMatrix::Connectivity)] = true;
    selection[static_cast<size_t>(BasicMatrix::Distance)] = true;
    selection[static_cast<size_t>(BasicMatrix::Detour)] = true;
    RecordedMessages messages;
    const BasicMatrixResults results = CalcBasicMatrices(molecule, selection);
    EXPECT_EQ(messages.errors(),
              (std::vector<std::string>{"ERROR DIURING CALCULATING adjacency", "Distance need Adjacency"}));
    for (const auto& result : results)
        EXPECT_FALSE(result);
}

TEST(BasicMatrices, NamesOfAMoleculeWithAnUnderscore) {
    const TMolecula molecule = MakeSkeleton("my_mol", 3, {{1, 2}, {2, 3}});
    BasicMatrixSelection all;
    all.fill(true);
    const BasicMatrixResults results = CalcBasicMatrices(molecule, all);
    std::vector<std::string> names;
    for (const auto& result : results)
        names.push_back(result->Name());
    EXPECT_EQ(names, (std::vector<std::string>{"my_mol_AD", "my_mol_CON", "my_DI", "my_mol_D3D", "my_DE",
                                               "my_CjDi", "my_CjDe", "my_CFDi", "my_CFDe"}));
}

} // namespace
} // namespace grafida
