#include "MoleculeTesting.h"
#include "numeric/TextFile.h"
#include "support/FileSizeLimit.h"
#include "support/RecordingReporter.h"

#include <filesystem>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace grafida {
namespace {

using testing::ElementDataDirScope;
using ::testing::ElementsAre;
using testing::FileSizeLimit;
using testing::ReadFile;
using testing::RecordedMessages;
using testing::SamplePath;
using testing::ScratchDir;

void ExpectSameGraph(const TMolecula& read, const TMolecula& written) {
    ASSERT_EQ(read.VertexCount(), written.VertexCount());
    for (int k = 0; k < read.VertexCount(); ++k) {
        const TAtom& a = read.Atoms[k];
        const TAtom& b = written.Atoms[k];
        EXPECT_EQ(a.Element(), b.Element()) << k;
        EXPECT_EQ(a.AtomType(), b.AtomType()) << k;
        EXPECT_EQ(a.SourceNumber(), b.SourceNumber()) << k;
        EXPECT_EQ(a.Number(), b.Number()) << k;
        EXPECT_EQ(a.HydrogenCount(), b.HydrogenCount()) << k;
        EXPECT_EQ(a.Neighbours(), b.Neighbours()) << k;
    }
    EXPECT_EQ(read.Bonds, written.Bonds);
}

TEST(WorkFile, WritesTheDocumentedLayout) {
    TMolecula molecule;
    molecule.SetName("pair");
    TAtom carbon;
    carbon.SetElement(ElementOf("C"));
    carbon.SetAtomType("CT");
    carbon.SetCoords(1.25, 0, -0.5);
    carbon.SetSourceNumber(1);
    carbon.SetNumber(1);
    carbon.SetHydrogenCount(3);
    carbon.AddNeighbour(2);
    TAtom chlorine;
    chlorine.SetElement(ElementOf("Cl"));
    chlorine.SetAtomType("CL");
    chlorine.SetCoords(1.234567, -0.000012345, 123456.7);
    chlorine.SetSourceNumber(5);
    chlorine.SetNumber(2);
    chlorine.AddNeighbour(1);
    molecule.Atoms.Add(carbon);
    molecule.Atoms.Add(chlorine);
    molecule.Bonds.push_back({1, 2, TBondType::Single});

    ScratchDir dir;
    ASSERT_TRUE(molecule.SaveToFile(dir.file("pair.TOP")));
    EXPECT_EQ(ReadFile(dir.file("pair.TOP")),
              "number of atoms\r\n2\r\n"
              "atom 1\r\n C  CT   6 4 2\r\n1.25 0 -0.5\r\n1 1\r\n3\r\n1 2 \r\n\r\n"
              "atom 2\r\n Cl CL   17 7 3\r\n1.2346 -1.2345e-05 1.2346e+05\r\n"
              "5 2\r\n0\r\n1 1 \r\n\r\n"
              "conectivity table\r\n1\r\n1 2 s\r\n");
}

TEST(WorkFile, RoundTripKeepsTheGraphAndRoundsCoordinates) {
    ElementDataDirScope data;
    ScratchDir dir;
    for (const char* sample : {"benzene.hin", "ethanol.hin", "naphthalene.hin", "ethene-water.hin"}) {
        SCOPED_TRACE(sample);
        TMolecula written;
        ASSERT_TRUE(written.LoadFromHIN(SamplePath(sample)));
        const std::string workFile = dir.file(written.Name() + ".TOP");
        ASSERT_TRUE(written.SaveToFile(workFile));
        TMolecula read;
        ASSERT_TRUE(read.LoadFromFile(workFile));
        EXPECT_EQ(read.Name(), written.Name());
        ExpectSameGraph(read, written);
        EXPECT_EQ(read.Properties.Count(), 0); // properties live in the ".prp" file
        for (int k = 0; k < read.VertexCount(); ++k) {
            EXPECT_NEAR(read.Atoms[k].X(), written.Atoms[k].X(), 5e-5);
            EXPECT_NEAR(read.Atoms[k].Z(), written.Atoms[k].Z(), 5e-5);
        }
    }
}

TEST(WorkFile, FiveSignificantDigits) {
    ScratchDir dir;
    TMolecula molecule;
    TAtom atom;
    atom.SetElement(ElementOf("O"));
    atom.SetCoords(1.234567, -98.76543, 0.000123456);
    atom.SetSourceNumber(1);
    atom.SetNumber(1);
    molecule.Atoms.Add(atom);
    ASSERT_TRUE(molecule.SaveToFile(dir.file("o.TOP")));
    TMolecula read;
    ASSERT_TRUE(read.LoadFromFile(dir.file("o.TOP")));
    EXPECT_DOUBLE_EQ(read.Atoms[0].X(), 1.2346);
    EXPECT_DOUBLE_EQ(read.Atoms[0].Y(), -98.765);
    EXPECT_DOUBLE_EQ(read.Atoms[0].Z(), 0.00012346);
}

TEST(WorkFile, UnknownBondTypeCannotBeWrittenAndLeavesNoFile) {
    RecordedMessages messages;
    ScratchDir dir;
    const std::string workFile = dir.write("odd.TOP", "an older work file of the same name");
    TMolecula molecule;
    molecule.SetName("odd");
    for (int k = 1; k <= 2; ++k) {
        TAtom atom;
        atom.SetElement(ElementOf("C"));
        atom.SetNumber(k);
        atom.SetSourceNumber(k);
        atom.AddNeighbour(3 - k);
        molecule.Atoms.Add(atom);
    }
    molecule.Bonds.push_back({1, 2, TBondType::Unknown});
    EXPECT_FALSE(molecule.SaveToFile(workFile));
    EXPECT_THAT(messages.errors(), ElementsAre("Can't write molecule odd to file"));
    EXPECT_FALSE(std::filesystem::exists(workFile));

    EXPECT_FALSE(molecule.SaveToFile(dir.file("no-such-folder/odd.TOP")));
}

// Batch work keeps the work file in memory: it must be the very text of the file,
// read back by the same reader, and fail the same way.
TEST(WorkFile, TextInMemoryIsTheFilesText) {
    ElementDataDirScope data;
    ScratchDir dir;
    TMolecula written;
    ASSERT_TRUE(written.LoadFromHIN(SamplePath("naphthalene.hin")));
    ASSERT_TRUE(written.SaveToFile(dir.file("naphthalene.TOP")));
    const auto text = written.SaveToText();
    ASSERT_TRUE(text);
    EXPECT_EQ(*text, ReadFile(dir.file("naphthalene.TOP")));
    TMolecula fromFile, fromText;
    ASSERT_TRUE(fromFile.LoadFromFile(dir.file("naphthalene.TOP")));
    ASSERT_TRUE(fromText.LoadFromText(*text, "naphthalene.TOP"));
    EXPECT_EQ(fromText.Name(), "naphthalene");
    ExpectSameGraph(fromText, fromFile);
    for (int k = 0; k < fromText.VertexCount(); ++k)
        EXPECT_EQ(fromText.Atoms[k].X(), fromFile.Atoms[k].X());

    RecordedMessages messages;
    written.Bonds.front().BondType = TBondType::Unknown;
    EXPECT_FALSE(written.SaveToText());
    EXPECT_THAT(messages.errors(), ElementsAre("Can't write molecule naphthalene to file"));
}

// The work file is made from the .HIN file: on a failed write an older work file of
// the same name must not survive to be read later as this molecule.
TEST(WorkFile, DiskFullIsReportedAndLeavesNoStaleFile) {
    ScratchDir dir;
    const std::string workFile = dir.write("ethanol.TOP", "an older work file of the same name");
    ElementDataDirScope data;
    TMolecula molecule;
    ASSERT_TRUE(molecule.LoadFromHIN(SamplePath("ethanol.hin")));
    RecordedMessages messages;
    {
        const FileSizeLimit diskFull(16);
        ASSERT_TRUE(diskFull.active());
        EXPECT_FALSE(molecule.SaveToFile(workFile));
    }
    EXPECT_THAT(messages.errors(), ElementsAre("Can't write molecule ethanol to file"));
    EXPECT_TRUE(std::filesystem::is_empty(dir.path())) << "neither the old file nor a temporary one is left";
}

TEST(WorkFile, WithoutConnectivityTableLoadsWithoutBonds) {
    ScratchDir dir;
    const std::string workFile =
        dir.write("lone.TOP", "number of atoms\n1\natom 1\n N  N3   7 5 2\n0 0 0\n1 1\n2\n0 \n");
    TMolecula molecule;
    ASSERT_TRUE(molecule.LoadFromFile(workFile));
    EXPECT_EQ(molecule.Name(), "lone");
    ASSERT_EQ(molecule.VertexCount(), 1);
    EXPECT_EQ(molecule.Atoms[0].Element(), ElementOf("N"));
    EXPECT_EQ(molecule.Atoms[0].AtomType(), "N3");
    EXPECT_EQ(molecule.Atoms[0].HydrogenCount(), 2);
    EXPECT_TRUE(molecule.Bonds.empty());
}

// Each case is a damaged work file; every one fails with the message and leaves the
// molecule untouched.
TEST(WorkFile, DamagedFilesFailWithTheirMessage) {
    const std::string block1 = "atom 1\n C  CT   6 4 2\n0 0 0\n1 1\n3\n1 2 \n\n";
    const std::string block2 = "atom 2\n C  CT   6 4 2\n1.5 0 0\n2 2\n3\n1 1 \n\n";
    const std::string bonds = "conectivity table\n1\n1 2 s\n";
    struct Case {
        const char* what;
        std::string text;
    } cases[] = {
        {"empty", ""},
        {"binary", std::string("\x7f"
                               "ELF\x02\x01\x01\0\0\0\0\xff\xfe\n\x01",
                               16)},
        {"no atom count", block1 + block2 + bonds},
        {"count not a number", "number of atoms\ntwo\n" + block1 + block2 + bonds},
        {"count zero", "number of atoms\n0\n" + bonds},
        {"huge count", "number of atoms\n99999999\n" + block1 + block2 + bonds},
        {"missing atom block", "number of atoms\n2\n" + block1 + bonds},
        {"truncated block", "number of atoms\n2\n" + block1 + "atom 2\n C  CT   6 4 2\n1.5 0 0\n"},
        {"bad coordinate",
         "number of atoms\n2\n" + block1 + "atom 2\n C  CT   6 4 2\n1.5 x 0\n2 2\n3\n1 1 \n\n" + bonds},
        {"neighbour out of range",
         "number of atoms\n2\n" + block1 + "atom 2\n C  CT   6 4 2\n1.5 0 0\n2 2\n3\n1 7 \n\n" + bonds},
        {"neighbour count too large", "number of atoms\n2\n" + block1 +
                                          "atom 2\n C  CT   6 4 2\n1.5 0 0\n2 2\n3\n99999999 1 \n\n" + bonds},
        {"bond count too large",
         "number of atoms\n2\n" + block1 + block2 + "conectivity table\n99999999\n1 2 s\n"},
        {"bond end out of range", "number of atoms\n2\n" + block1 + block2 + "conectivity table\n1\n1 3 s\n"},
    };
    ScratchDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        RecordedMessages messages;
        const std::string workFile = dir.write("m.TOP", c.text);
        TMolecula molecule;
        molecule.SetName("before");
        EXPECT_FALSE(molecule.LoadFromFile(workFile));
        EXPECT_THAT(messages.errors(), ElementsAre("Can't read molecule from " + workFile));
        EXPECT_EQ(molecule.Name(), "before");
        EXPECT_EQ(molecule.VertexCount(), 0);
    }
    RecordedMessages messages;
    TMolecula molecule;
    EXPECT_FALSE(molecule.LoadFromFile(dir.file("missing.TOP")));
    EXPECT_THAT(messages.errors(), ElementsAre("Can't read molecule from " + dir.file("missing.TOP")));

    // The two good blocks with CR LF line ends read fine.
    std::string crlf = "number of atoms\n2\n" + block1 + block2 + bonds;
    for (size_t at = crlf.find('\n'); at != std::string::npos; at = crlf.find('\n', at + 2))
        crlf.insert(at, "\r");
    TMolecula pair;
    ASSERT_TRUE(pair.LoadFromFile(dir.write("pair.TOP", crlf)));
    EXPECT_THAT(pair.Bonds, ElementsAre(TBond{1, 2, TBondType::Single}));
    EXPECT_EQ(pair.Atoms[1].Neighbours(), (TIntList{1}));
}

} // namespace
} // namespace grafida
