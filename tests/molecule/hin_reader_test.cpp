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

TEST(HinReader, OnlyLinesWhoseFirstFieldIsAtomAreAtoms) {
    ElementDataDirScope data;
    ScratchDir dir;
    // The molecule name, a remark and a comment all hold the word atom; none of them
    // may take a source position, or every neighbour reference after it would shift.
    const std::string file = dir.write("atomoxetine.hin", "; this atom line is a comment\n"
                                                          "mol 1 \"atomoxetine\"\n"
                                                          "remark the atom numbering follows\n"
                                                          "atom 1 - C CT - 0 0 0 0 4 2 s 3 s 4 s 5 s\n"
                                                          "atom 2 - H HC - 0 1.09 0 0 1 1 s\n"
                                                          "atom 3 - H HC - 0 0 1.09 0 1 1 s\n"
                                                          "atom 4 - H HC - 0 0 0 1.09 1 1 s\n"
                                                          "atom 5 - O OH - 0 -1.43 0 0 2 1 s 6 s\n"
                                                          "atom 6 - H HO - 0 -1.8 0.9 0 1 5 s\n"
                                                          "endmol 1\n");
    TMolecula molecule;
    ASSERT_TRUE(molecule.LoadFromHIN(file));
    EXPECT_THAT(Symbols(molecule), ElementsAre(" C ", " O "));
    EXPECT_THAT(HydrogenCounts(molecule), ElementsAre(3, 1));
    EXPECT_EQ(molecule.Atoms[1].SourceNumber(), 5);
    EXPECT_THAT(molecule.Bonds, ElementsAre(TBond{1, 2, TBondType::Single}));
}

TEST(HinReader, HydrogensFirstPaddedFieldsNamedAtomsAndCrLf) {
    ElementDataDirScope data;
    ScratchDir dir;
    // Hydrogens come first, fields are padded as other programs write them, lines end
    // with CR LF, and the carbon is named CA (an alpha carbon): its element is still
    // its element field.
    const std::string file =
        dir.write("glycinal.hin", "mol 1\r\n"
                                  "atom 1 - H   **  -  0.1  1.0  0.0  0.0 1 4 s \r\n"
                                  "atom 2 - H   **  -  0.1 -1.0  0.0  0.0 1 4 s \r\n"
                                  "atom 3 - H   **  -  0.1  0.0  1.0  0.0 1 5 s \r\n"
                                  "atom 4 N  N   N3  -  -0.3  0.0  0.0  0.0 3 1 s 2 s 5 s\r\n"
                                  "atom 5 CA C   CT  -  0.0  1.47  0.0  0.0 3 4 s 3 s 6 d\r\n"
                                  "atom 6 - O   O   -  -0.5  2.2  1.0  0.0 1 5 d \r\n"
                                  "endmol 1\r\n");
    TMolecula molecule;
    ASSERT_TRUE(molecule.LoadFromHIN(file));
    EXPECT_EQ(molecule.Name(), "glycinal");
    EXPECT_THAT(Symbols(molecule), ElementsAre(" N ", " C ", " O "));
    EXPECT_EQ(molecule.Atoms[1].Element(), ElementOf("C"));
    EXPECT_EQ(molecule.Atoms[1].AtomType(), "CT");
    EXPECT_THAT(HydrogenCounts(molecule), ElementsAre(2, 1, 0));
    EXPECT_EQ(molecule.Atoms[0].Number(), 1);
    EXPECT_EQ(molecule.Atoms[0].SourceNumber(), 4);
    EXPECT_EQ(molecule.Atoms[2].SourceNumber(), 6);
    EXPECT_DOUBLE_EQ(molecule.Atoms[1].Y(), 0.0);
    EXPECT_DOUBLE_EQ(molecule.Atoms[1].X(), 1.47);
    EXPECT_THAT(molecule.Bonds, ElementsAre(TBond{1, 2, TBondType::Single}, TBond{2, 3, TBondType::Double}));
    EXPECT_THAT(molecule.Properties.FindByName("atomic mass")->Values, ElementsAre(14.007, 12.011, 15.999));
}

TEST(HinReader, SamplesLoadWithTheirShapes) {
    ElementDataDirScope data;
    struct Sample {
        const char* file;
        int vertices;
        size_t bonds;
        std::vector<int> hydrogens;
    } samples[] = {
        {"propane.hin", 3, 2, {3, 2, 3}},
        {"cyclobutane.hin", 4, 4, {2, 2, 2, 2}},
        {"naphthalene.hin", 10, 11, {1, 1, 1, 1, 1, 1, 1, 1, 0, 0}},
        {"ethene-water.hin", 3, 1, {2, 2, 2}},
    };
    for (const auto& sample : samples) {
        SCOPED_TRACE(sample.file);
        TMolecula molecule;
        ASSERT_TRUE(molecule.LoadFromHIN(SamplePath(sample.file)));
        EXPECT_EQ(molecule.VertexCount(), sample.vertices);
        EXPECT_EQ(molecule.Bonds.size(), sample.bonds);
        EXPECT_EQ(HydrogenCounts(molecule), sample.hydrogens);
    }
    TMolecula fragments;
    ASSERT_TRUE(fragments.LoadFromHIN(SamplePath("ethene-water.hin")));
    EXPECT_THAT(fragments.Bonds, ElementsAre(TBond{1, 2, TBondType::Double}));
    EXPECT_TRUE(fragments.Atoms[2].Neighbours().IsEmpty());
}

TEST(HinReader, UnknownElementKeepsItsSymbolAndNoMass) {
    ElementDataDirScope data;
    ScratchDir dir;
    const std::string file =
        dir.write("europium", "atom 1 - Eu EU - 0 0 0 0 1 2 s\natom 2 - H H - 0 1 0 0 1 1 s\n");
    TMolecula molecule;
    ASSERT_TRUE(molecule.LoadFromHIN(file));
    EXPECT_EQ(molecule.Name(), ""); // a file name without "." gives no name
    EXPECT_EQ(molecule.Atoms[0].Element(), (TElement{" Eu ", 0, 0, 0}));
    EXPECT_EQ(molecule.Atoms[0].HydrogenCount(), 1);
    EXPECT_THAT(molecule.Properties.FindByName("atomic mass")->Values, ElementsAre(-1.0));
}

// Every case is a damaged file; each fails with its message, and the molecule keeps
// what it held before.
TEST(HinReader, BadInputFailsWithAMessageAndLeavesTheMoleculeAlone) {
    ElementDataDirScope data;
    const std::string carbon = "atom 1 - C CT - 0 0 0 0 1 2 s\n";
    const std::string oxygen = "atom 2 - O OH - 0 1.43 0 0 1 1 s\n";
    const std::string severalMolecules = "it holds more than one molecule";
    struct Case {
        const char* what;
        std::string text;
        bool severalMolecules = false;
    } cases[] = {
        {"empty file", ""},
        {"no atom lines", "forcefield mm+\nsys 0 0 1\nmol 1\nendmol 1\n"},
        {"hydrogens only", "atom 1 - H H - 0 0 0 0 1 2 s\natom 2 - H H - 0 0.74 0 0 1 1 s\n"},
        {"binary garbage", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\xff\xd8"
                                       "atom\x01\x02",
                                       24)},
        {"truncated atom line", carbon + "atom 2 - O OH - 0 1.43 0\n"},
        {"coordinate not a number", carbon + "atom 2 - O OH - 0 1,43 0 0 1 1 s\n"},
        {"atom number not a number", carbon + "atom two - O OH - 0 1.43 0 0 1 1 s\n"},
        {"more neighbours counted than present", carbon + "atom 2 - O OH - 0 1.43 0 0 2 1 s\n"},
        {"fewer neighbours counted than present", carbon + "atom 2 - O OH - 0 1.43 0 0 1 1 s 3 s\n"},
        {"huge neighbour count", carbon + "atom 2 - O OH - 0 1.43 0 0 99999999 1 s\n"},
        {"negative neighbour count", carbon + "atom 2 - O OH - 0 1.43 0 0 -1 1 s\n"},
        {"neighbour names no atom", carbon + "atom 2 - O OH - 0 1.43 0 0 2 1 s 9 s\n"},
        {"neighbour number zero", carbon + "atom 2 - O OH - 0 1.43 0 0 2 1 s 0 s\n"},
        {"neighbour not a number", carbon + "atom 2 - O OH - 0 1.43 0 0 2 1 s x s\n"},
        {"bond letter missing", carbon + "atom 2 - O OH - 0 1.43 0 0 2 1 s 1 1\n"},
        {"atom bonded to itself", "atom 1 - C CT - 0 0 0 0 1 1 s\n"},
        {"neighbour listed twice", "atom 1 - C CT - 0 0 0 0 2 2 s 2 s\n" + oxygen},
        {"bond listed at one end only", carbon + "atom 2 - O OH - 0 1.43 0 0 0\n"},
        {"atoms numbered out of order", carbon + "atom 3 - O OH - 0 1.43 0 0 1 1 s\n"},
        {"numbering starts again", carbon + oxygen + "atom 1 - N N3 - 0 5 0 0 0\n", true},
        {"two mol blocks",
         "mol 1\n" + carbon + oxygen + "endmol 1\nmol 2\natom 1 - N N3 - 0 5 0 0 0\nendmol 2\n", true},
    };
    ScratchDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        RecordedMessages messages;
        const std::string file = dir.write("bad.hin", c.text);
        TMolecula molecule;
        molecule.SetName("before");
        EXPECT_FALSE(molecule.LoadFromHIN(file));
        const std::string expected =
            c.severalMolecules ? "Can not read molecule from HIN file " + file + ": " + severalMolecules
                               : "Can not read molecule from HIN file " + file;
        EXPECT_THAT(messages.errors(), ElementsAre(expected));
        EXPECT_EQ(molecule.Name(), "before");
        EXPECT_EQ(molecule.VertexCount(), 0);
        EXPECT_EQ(molecule.Properties.Count(), 0);
    }
    RecordedMessages messages;
    TMolecula molecule;
    EXPECT_FALSE(molecule.LoadFromHIN(dir.file("missing.hin")));
    EXPECT_THAT(messages.errors(),
                ElementsAre("Can not read molecule from HIN file " + dir.file("missing.hin")));
}

TEST(HinReader, MissingMassFileFailsTheReadingOnly) {
    ScratchDir dataDir;
    ElementDataDirScope data(dataDir.path().string());
    RecordedMessages messages;
    TMolecula molecule;
    EXPECT_FALSE(molecule.LoadFromHIN(SamplePath("ethanol.hin")));
    EXPECT_THAT(messages.reporter.informations,
                ElementsAre("MASS DATA FILE IS MISSING OR NOT IN CURRENT DIRECTORY"));
    EXPECT_EQ(molecule.VertexCount(), 0);
}

TEST(HinReader, BondLettersAndTheUnknownType) {
    ElementDataDirScope data;
    ScratchDir dir;
    const std::string file = dir.write("letters.hin", "atom 1 - C C - 0 0 0 0 2 2 t 3 v\n"
                                                      "atom 2 - N N - 0 1.16 0 0 1 1 t\n"
                                                      "atom 3 - C C - 0 -1.5 0 0 1 1 v\n");
    TMolecula molecule;
    ASSERT_TRUE(molecule.LoadFromHIN(file));
    EXPECT_THAT(molecule.Bonds, ElementsAre(TBond{1, 2, TBondType::Triple}, TBond{1, 3, TBondType::Unknown}));
    RecordedMessages messages;
    EXPECT_FALSE(molecule.SaveToFile(dir.file("letters.TOP")));
    EXPECT_THAT(messages.errors(), ElementsAre("Can't write molecule letters to file"));
}

} // namespace
} // namespace grafida
