// Adjacency, connectivity and 3D distance matrices read off a molecule.

#include "TopologyTesting.h"
#include "support/RecordingReporter.h"
#include "topology/Distance.h"
#include "topology/ElementaryMatrices.h"

#include <cmath>
#include <limits>

namespace grafida {
namespace {

using testing::MakeMolecule;
using testing::RecordedMessages;
using testing::Rows;

TMolecula Benzene(TBondType first, TBondType second) {
    return MakeMolecule(
        "benzene", 6,
        {{1, 2, first}, {2, 3, second}, {3, 4, first}, {4, 5, second}, {5, 6, first}, {6, 1, second}});
}

TEST(ElementaryMatrices, OneAtomGivesOneByOneZeroMatrices) {
    const TMolecula methane = MakeMolecule("methane", 1, {});
    const auto adjacency = CalcAdjacency(methane);
    const auto connectivity = CalcConnectivity(methane);
    ASSERT_TRUE(adjacency && connectivity);
    EXPECT_EQ(Rows(*adjacency), (std::vector<std::vector<double>>{{0}}));
    EXPECT_EQ(Rows(*connectivity), (std::vector<std::vector<double>>{{0}}));
    const auto distance = CalcDistance(adjacency.get());
    ASSERT_TRUE(distance);
    EXPECT_EQ(Rows(*distance), (std::vector<std::vector<double>>{{0}}));
    EXPECT_EQ(adjacency->Name(), "methane_AD");
    EXPECT_EQ(connectivity->Name(), "methane_CON");
    EXPECT_EQ(distance->Name(), "methane_DI");
}

TEST(ElementaryMatrices, ConnectivityHoldsBondOrders) {
    const auto aromatic = CalcConnectivity(Benzene(TBondType::Aromatic, TBondType::Aromatic));
    const auto kekule = CalcConnectivity(Benzene(TBondType::Single, TBondType::Double));
    const auto adjacency = CalcAdjacency(Benzene(TBondType::Single, TBondType::Double));
    ASSERT_TRUE(aromatic && kekule && adjacency);
    for (int i = 1; i <= 6; ++i) {
        const int j = i % 6 + 1;
        EXPECT_EQ(aromatic->Get(i, j), 1.5);
        EXPECT_EQ(aromatic->Get(j, i), 1.5);
        EXPECT_EQ(kekule->Get(i, j), i % 2 == 1 ? 1.0 : 2.0);
        EXPECT_EQ(kekule->Get(j, i), kekule->Get(i, j));
        EXPECT_EQ(adjacency->Get(i, j), 1.0);
        EXPECT_EQ(adjacency->Get(i, i), 0.0);
    }
    EXPECT_EQ(aromatic->Get(1, 4), 0.0);
    EXPECT_EQ(adjacency->TotalSum(), 12.0);
    TMolecula triple = MakeMolecule("ethyne", 2, {{1, 2, TBondType::Triple}});
    EXPECT_EQ(CalcConnectivity(triple)->Get(2, 1), 3.0);
}

TEST(ElementaryMatrices, UnknownBondTypeFailsConnectivityOnlyAndSilently) {
    const TMolecula molecule =
        MakeMolecule("odd", 3, {{1, 2, TBondType::Single}, {2, 3, TBondType::Unknown}});
    RecordedMessages messages;
    EXPECT_FALSE(CalcConnectivity(molecule));
    const auto adjacency = CalcAdjacency(molecule);
    ASSERT_TRUE(adjacency);
    EXPECT_EQ(adjacency->Get(3, 2), 1.0);
    EXPECT_TRUE(messages.errors().empty());
}

TEST(ElementaryMatrices, BondToAMissingVertexFailsAdjacency) {
    for (const int missing : {0, 4, -1}) {
        const TMolecula molecule =
            MakeMolecule("broken", 3, {{1, 2, TBondType::Single}, {2, missing, TBondType::Single}});
        RecordedMessages messages;
        EXPECT_FALSE(CalcAdjacency(molecule));
        EXPECT_EQ(messages.errors(), std::vector<std::string>{"ERROR DIURING CALCULATING adjacency"});
        EXPECT_FALSE(CalcConnectivity(molecule));
        EXPECT_EQ(messages.errors().size(), 1u);
    }
}

TEST(ElementaryMatrices, AtomBondedToItselfLeavesTheDiagonalZero) {
    const TMolecula molecule =
        MakeMolecule("loop", 2, {{1, 2, TBondType::Double}, {2, 2, TBondType::Single}});
    const auto adjacency = CalcAdjacency(molecule);
    const auto connectivity = CalcConnectivity(molecule);
    ASSERT_TRUE(adjacency && connectivity);
    EXPECT_EQ(Rows(*adjacency), (std::vector<std::vector<double>>{{0, 1}, {1, 0}}));
    EXPECT_EQ(Rows(*connectivity), (std::vector<std::vector<double>>{{0, 2}, {2, 0}}));
}

TEST(ElementaryMatrices, NameKeepsTheWholeMoleculeName) {
    const TMolecula molecule = MakeMolecule("my_mol", 2, {{1, 2, TBondType::Single}});
    const auto adjacency = CalcAdjacency(molecule);
    EXPECT_EQ(adjacency->Name(), "my_mol_AD");
    EXPECT_EQ(CalcConnectivity(molecule)->Name(), "my_mol_CON");
    EXPECT_EQ(CalcDistance3D(molecule)->Name(), "my_mol_D3D");
    EXPECT_EQ(CalcDistance(adjacency.get())->Name(), "my_DI");
}

TEST(ElementaryMatrices, Distance3DCoversEveryPairOfAtoms) {
    TMolecula molecule = MakeMolecule("water", 3, {{1, 2, TBondType::Single}});
    molecule.Atoms[0].SetCoords(0.1, 0.2, 0.3);
    molecule.Atoms[1].SetCoords(1.1, 0.2, 0.3);
    molecule.Atoms[2].SetCoords(-2.9, 4.2, 0.3);
    const auto d = CalcDistance3D(molecule);
    ASSERT_TRUE(d);
    EXPECT_DOUBLE_EQ(d->Get(1, 2), 1.0);
    EXPECT_DOUBLE_EQ(d->Get(1, 3), 5.0); // not bonded, still there
    EXPECT_NEAR(d->Get(2, 3), std::sqrt(16.0 + 16.0), 1e-12);
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(d->Get(i, i), 0.0);
        for (int j = 1; j <= 3; ++j)
            EXPECT_EQ(d->Get(i, j), d->Get(j, i));
    }
}

TEST(ElementaryMatrices, Distance3DFailures) {
    struct Case {
        const char* what;
        TMolecula molecule;
    };
    TMolecula empty;
    empty.SetName("empty");
    TMolecula unnumbered = MakeMolecule("unnumbered", 2, {});
    unnumbered.Atoms[1].SetNumber(7);
    TMolecula faraway = MakeMolecule("faraway", 2, {});
    faraway.Atoms[0].SetCoords(std::numeric_limits<double>::infinity(), 0, 0);
    TMolecula undefined = MakeMolecule("undefined", 2, {});
    undefined.Atoms[1].SetCoords(0, std::nan(""), 0);
    for (const Case& c : {Case{"no atoms", empty}, Case{"vertex without atom", unnumbered},
                          Case{"infinite coordinate", faraway}, Case{"undefined coordinate", undefined}}) {
        SCOPED_TRACE(c.what);
        RecordedMessages messages;
        EXPECT_FALSE(CalcDistance3D(c.molecule));
        EXPECT_EQ(messages.errors(), std::vector<std::string>{"ERROR DIURING CALCULATING distance 3D"});
    }
}

TEST(ElementaryMatrices, Distance3DOfAMoleculeWithoutCoordinatesSaysSo) {
    // A SMILES that could not be embedded: every coordinate NaN.
    TMolecula unplaced = MakeMolecule("unplaced", 3, {{1, 2, TBondType::Single}});
    for (int k = 0; k < 3; ++k)
        unplaced.Atoms[k].SetCoords(std::nan(""), std::nan(""), std::nan(""));
    RecordedMessages messages;
    EXPECT_FALSE(unplaced.HasCoordinates());
    EXPECT_FALSE(CalcDistance3D(unplaced));
    EXPECT_EQ(messages.errors(), std::vector<std::string>{"Molecule unplaced has no 3D coordinates"});
}

TEST(ElementaryMatrices, Distance3DWorksInExtendedPrecision) {
    // Squares of these differences overflow a double but not the wider type.
    TMolecula molecule = MakeMolecule("huge", 2, {});
    molecule.Atoms[0].SetCoords(-3e200, 0, 0);
    molecule.Atoms[1].SetCoords(3e200, 0, 0);
    RecordedMessages messages;
    const auto d = CalcDistance3D(molecule);
    ASSERT_TRUE(d);
    EXPECT_DOUBLE_EQ(d->Get(1, 2), 6e200);
}

} // namespace
} // namespace grafida
