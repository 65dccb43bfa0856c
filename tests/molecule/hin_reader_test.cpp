#include "MoleculeTesting.h"
#include "support/RecordingReporter.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace grafida {
namespace {

using testing::ElementDataDirScope;
using ::testing::ElementsAre;
using testing::RecordedMessages;
using testing::SamplePath;
using testing::ScratchDir;

std::vector<int> HydrogenCounts(const TMolecula& molecule) {
    std::vector<int> counts;
    for (const auto& atom : molecule.Atoms)
        counts.push_back(atom.HydrogenCount());
    return counts;
}

std::vector<std::string> Symbols(const TMolecula& molecule) {
    std::vector<std::string> symbols;
    for (const auto& atom : molecule.Atoms)
        symbols.push_back(atom.Element().Symbol);
    return symbols;
}

TEST(HinReader, BenzeneIsARingOfSixAromaticCH) {
    ElementDataDirScope data;
    RecordedMessages messages;
    TMolecula benzene;
    ASSERT_TRUE(benzene.LoadFromHIN(SamplePath("benzene.hin")));
    EXPECT_TRUE(messages.errors().empty());
    EXPECT_EQ(benzene.Name(), "benzene");
    ASSERT_EQ(benzene.VertexCount(), 6);
    EXPECT_THAT(HydrogenCounts(benzene), ElementsAre(1, 1, 1, 1, 1, 1));
    EXPECT_THAT(benzene.Bonds,
                ElementsAre(TBond{1, 2, TBondType::Aromatic}, TBond{1, 6, TBondType::Aromatic},
                            TBond{2, 3, TBondType::Aromatic}, TBond{3, 4, TBondType::Aromatic},
                            TBond{4, 5, TBondType::Aromatic}, TBond{5, 6, TBondType::Aromatic}));
    EXPECT_EQ(benzene.Atoms[0].Neighbours(), (TIntList{2, 6}));
    EXPECT_EQ(benzene.Atoms[5].Neighbours(), (TIntList{5, 1}));
    EXPECT_EQ(benzene.Atoms[0].AtomType(), "CA");
    EXPECT_DOUBLE_EQ(benzene.Atoms[1].X(), 0.695);
    EXPECT_DOUBLE_EQ(benzene.Atoms[1].Y(), 1.20378);
    const TAtomProperty* mass = benzene.Properties.FindByName("atomic mass");
    ASSERT_NE(mass, nullptr);
    EXPECT_THAT(mass->Values, ElementsAre(12.011, 12.011, 12.011, 12.011, 12.011, 12.011));
}

TEST(HinReader, EthanolAndMethane) {
    ElementDataDirScope data;
    TMolecula ethanol;
    ASSERT_TRUE(ethanol.LoadFromHIN(SamplePath("ethanol.hin")));
    EXPECT_THAT(Symbols(ethanol), ElementsAre(" C ", " C ", " O "));
    EXPECT_THAT(HydrogenCounts(ethanol), ElementsAre(3, 2, 1));
    EXPECT_THAT(ethanol.Bonds, ElementsAre(TBond{1, 2, TBondType::Single}, TBond{2, 3, TBondType::Single}));
    EXPECT_EQ(ethanol.Atoms[2].Element(), ElementOf("O"));
    EXPECT_EQ(ethanol.Atoms[2].SourceNumber(), 3);

    TMolecula methane;
    ASSERT_TRUE(methane.LoadFromHIN(SamplePath("methane.hin")));
    ASSERT_EQ(methane.VertexCount(), 1);
    EXPECT_EQ(methane.Atoms[0].HydrogenCount(), 4);
    EXPECT_TRUE(methane.Atoms[0].Neighbours().IsEmpty());
    EXPECT_TRUE(methane.Bonds.empty());
}

} // namespace
} // namespace grafida
