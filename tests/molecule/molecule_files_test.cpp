// Files of records (SDF, MOL, MOL2, SMILES): finding the records, naming them and
// reading each into the hydrogen-depleted graph. Expected graphs are worked out by
// hand from the structures.

#include "MoleculeTesting.h"
#include "molecule/MoleculeFiles.h"
#include "numeric/Progress.h"
#include "support/RecordingReporter.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <set>
#include <tuple>

namespace grafida {
namespace {

using testing::BareSymbol;
using testing::ElementDataDirScope;
using ::testing::HasSubstr;
using testing::RecordedMessages;
using testing::ScratchDir;

// Benzene in Kekulé form with its hydrogens, atoms 7..12 the hydrogens of 1..6.
const std::string kBenzeneBlock = R"(benzene
  hand-made

 12 12  0  0  0  0  0  0  0  0999 V2000
    1.3900    0.0000    0.0000 C   0  0  0  0  0  0  0  0  0  0  0  0
    0.6950    1.2038    0.0000 C   0  0  0  0  0  0  0  0  0  0  0  0
   -0.6950    1.2038    0.0000 C   0  0  0  0  0  0  0  0  0  0  0  0
   -1.3900    0.0000    0.0000 C   0  0  0  0  0  0  0  0  0  0  0  0
   -0.6950   -1.2038    0.0000 C   0  0  0  0  0  0  0  0  0  0  0  0
    0.6950   -1.2038    0.0000 C   0  0  0  0  0  0  0  0  0  0  0  0
    2.4700    0.0000    0.0000 H   0  0  0  0  0  0  0  0  0  0  0  0
    1.2350    2.1391    0.0000 H   0  0  0  0  0  0  0  0  0  0  0  0
   -1.2350    2.1391    0.0000 H   0  0  0  0  0  0  0  0  0  0  0  0
   -2.4700    0.0000    0.0000 H   0  0  0  0  0  0  0  0  0  0  0  0
   -1.2350   -2.1391    0.0000 H   0  0  0  0  0  0  0  0  0  0  0  0
    1.2350   -2.1391    0.0000 H   0  0  0  0  0  0  0  0  0  0  0  0
  1  2  2  0  0  0  0
  2  3  1  0  0  0  0
  3  4  2  0  0  0  0
  4  5  1  0  0  0  0
  5  6  2  0  0  0  0
  6  1  1  0  0  0  0
  1  7  1  0  0  0  0
  2  8  1  0  0  0  0
  3  9  1  0  0  0  0
  4 10  1  0  0  0  0
  5 11  1  0  0  0  0
  6 12  1  0  0  0  0
M  END
)";

// Hydrogen first, then chloromethane's carbon and chlorine: heavy atoms are numbered
// among themselves, implicit hydrogens (two on C) add to the explicit one.
const std::string kChloromethaneBlock = R"(
  hydrogens first

  3  2  0  0  0  0  0  0  0  0999 V2000
   -0.5000    0.8000    0.1000 H   0  0  0  0  0  0  0  0  0  0  0  0
    0.0000    0.0000    0.0000 C   0  0  0  0  0  0  0  0  0  0  0  0
    1.7800    0.0000    0.0000 Cl  0  0  0  0  0  0  0  0  0  0  0  0
  1  2  1  0  0  0  0
  2  3  1  0  0  0  0
M  END
)";

// Pentavalent carbon: RDKit refuses to sanitize it.
const std::string kBadValenceBlock = R"(bad
  five bonds on carbon

  6  5  0  0  0  0  0  0  0  0999 V2000
    0.0000    0.0000    0.0000 C   0  0  0  0  0  0  0  0  0  0  0  0
    1.5000    0.0000    0.0000 C   0  0  0  0  0  0  0  0  0  0  0  0
   -1.5000    0.0000    0.0000 C   0  0  0  0  0  0  0  0  0  0  0  0
    0.0000    1.5000    0.0000 C   0  0  0  0  0  0  0  0  0  0  0  0
    0.0000   -1.5000    0.0000 C   0  0  0  0  0  0  0  0  0  0  0  0
    0.0000    0.0000    1.5000 C   0  0  0  0  0  0  0  0  0  0  0  0
  1  2  1  0  0  0  0
  1  3  1  0  0  0  0
  1  4  1  0  0  0  0
  1  5  1  0  0  0  0
  1  6  1  0  0  0  0
M  END
)";

std::string SdfRecord(const std::string& block, const std::string& data = {}) {
    return block + data + "$$$$\n";
}

using GraphBond = std::tuple<int, int, std::string>;

std::vector<GraphBond> BondsOf(const TMolecula& molecule) {
    std::vector<GraphBond> bonds;
    for (const TBond& bond : molecule.Bonds)
        bonds.emplace_back(bond.A1, bond.A2, LetterOfBondType(bond.BondType));
    return bonds;
}

std::vector<std::string> ElementsOf(const TMolecula& molecule) {
    std::vector<std::string> elements;
    for (const TAtom& atom : molecule.Atoms)
        elements.push_back(BareSymbol(atom));
    return elements;
}

std::vector<int> HydrogensOf(const TMolecula& molecule) {
    std::vector<int> counts;
    for (const TAtom& atom : molecule.Atoms)
        counts.push_back(atom.HydrogenCount());
    return counts;
}

struct Scanned {
    MoleculeRecord record;
    std::string text;
};

std::vector<Scanned> Scan(const std::string& path, MoleculeFormat format,
                          std::uint64_t largest = kLargestRecordBytes) {
    std::vector<Scanned> records;
    EXPECT_TRUE(ScanMoleculeRecords(
        path, format,
        [&](const MoleculeRecord& record, std::string_view text) {
            records.push_back({record, std::string(text)});
            return true;
        },
        largest));
    return records;
}

TEST(MoleculeFiles, FormatComesFromTheExtensionInAnyCase) {
    const std::vector<std::pair<std::string, std::optional<MoleculeFormat>>> cases = {
        {"a/benzene.hin", MoleculeFormat::Hin},
        {"B.HIN", MoleculeFormat::Hin},
        {"lib.sdf", MoleculeFormat::Sdf},
        {"lib.SdF", MoleculeFormat::Sdf},
        {"x.mol", MoleculeFormat::Mol},
        {"x.MOL2", MoleculeFormat::Mol2},
        {"drugs.smi", MoleculeFormat::Smiles},
        {"drugs.Smiles", MoleculeFormat::Smiles},
        {"x.sdf.gz", std::nullopt},
        {"matrices.M", std::nullopt},
        {"dir.sdf/noextension", std::nullopt},
        {"mol", std::nullopt},
    };
    for (const auto& [path, format] : cases) {
        EXPECT_EQ(MoleculeFormatOfFile(path), format) << path;
        EXPECT_EQ(IsMoleculeFile(path), format.has_value()) << path;
    }
}

TEST(MoleculeFiles, SdfRecordsAreFoundWithTheirPlaceAndTitle) {
    ScratchDir dir;
    // The second record has an empty title; the last one has no "$$$$" and is
    // followed by nothing; blank lines after a "$$$$" at the end are no record.
    const std::string first = SdfRecord(kBenzeneBlock, "> <ID>\nB1\n\n");
    const std::string second = SdfRecord(kChloromethaneBlock);
    const std::string third = kBadValenceBlock;
    const std::string path = dir.write("lib.sdf", first + second + third);
    const auto records = Scan(path, MoleculeFormat::Sdf);
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].text, first);
    EXPECT_EQ(records[1].text, second);
    EXPECT_EQ(records[2].text, third);
    EXPECT_EQ(records[0].record.title, "benzene");
    EXPECT_EQ(records[1].record.title, "");
    EXPECT_EQ(records[2].record.title, "bad");
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(records[k].record.number, k + 1);
        EXPECT_EQ(ReadRecordText(path, records[k].record), records[k].text);
    }
    EXPECT_EQ(Scan(dir.write("end.sdf", first + "\n\n"), MoleculeFormat::Sdf).size(), 1u);
    EXPECT_TRUE(Scan(dir.write("empty.sdf", ""), MoleculeFormat::Sdf).empty());
}

TEST(MoleculeFiles, Mol2AndSmilesRecords) {
    ScratchDir dir;
    const std::string mol2 = "# written by hand\n"
                             "@<TRIPOS>MOLECULE\r\nwater\r\n 1 0 0 0 0\r\nSMALL\r\n"
                             "@<TRIPOS>ATOM\r\n      1 O1   0.0 0.0 0.0 O.3 1 HOH 0.0\r\n"
                             "@<TRIPOS>MOLECULE\r\n  second one \r\n";
    const auto molecules = Scan(dir.write("two.mol2", mol2), MoleculeFormat::Mol2);
    ASSERT_EQ(molecules.size(), 2u);
    EXPECT_EQ(molecules[0].record.title, "water");
    EXPECT_EQ(molecules[1].record.title, "second one");
    EXPECT_TRUE(molecules[0].text.starts_with("@<TRIPOS>MOLECULE"));
    EXPECT_TRUE(molecules[1].text.starts_with("@<TRIPOS>MOLECULE"));

    // A header line, a comment, blank lines, tabs and a line without a name.
    const std::string smiles = "SMILES Name\n# comment\nOCC ethanol\n\n  c1ccccc1\tbenzene extra\nCC\n";
    const auto lines = Scan(dir.write("set.smi", smiles), MoleculeFormat::Smiles);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].text, "OCC ethanol\n");
    EXPECT_EQ(lines[0].record.title, "ethanol");
    EXPECT_EQ(lines[1].record.title, "benzene");
    EXPECT_EQ(lines[2].record.title, "");
    EXPECT_EQ(lines[2].record.number, 3);
}

TEST(MoleculeFiles, ARecordTooLargeIsSkippedWithoutBeingHeld) {
    ScratchDir dir;
    // One huge line without any line end, between two ordinary records.
    const std::string huge(5000, 'C');
    const std::string path = dir.write("big.smi", "CCO a\n" + huge + " big\nCCN b");
    const auto records = Scan(path, MoleculeFormat::Smiles, 1000);
    ASSERT_EQ(records.size(), 3u);
    EXPECT_FALSE(records[0].record.tooLarge);
    EXPECT_TRUE(records[1].record.tooLarge);
    EXPECT_TRUE(records[1].text.empty());
    EXPECT_EQ(records[1].record.length, huge.size() + 5);
    EXPECT_EQ(records[2].text, "CCN b");

    const std::string noEnds = dir.write("noends.sdf", std::string(3000, 'x'));
    const auto one = Scan(noEnds, MoleculeFormat::Sdf, 1000);
    ASSERT_EQ(one.size(), 1u);
    EXPECT_TRUE(one[0].record.tooLarge);

    ElementDataDirScope data;
    RecordedMessages messages;
    EXPECT_FALSE(ReadMoleculeRecord("", MoleculeFormat::Sdf, one[0].record, noEnds, "x", {}));
    ASSERT_EQ(messages.errors().size(), 1u);
    EXPECT_EQ(messages.errors()[0], "Can not read record 1 of " + noEnds + ": it is larger than 64 MB");
}

TEST(MoleculeFiles, NamesNeverHoldUnderscoresOrDots) {
    const std::vector<std::pair<std::string, std::string>> titles = {
        {"aspirin", "aspirin"},
        {"  2-methyl_butane ", "2-methyl-butane"},
        {"N,N'-dimethyl (Z)", "N,N'-dimethyl-(Z)"},
        {"a.b/c\\d\"e", "a-b-c-d-e"},
        {"CHEMBL25\t", "CHEMBL25"},
        {"α-pinene", "α-pinene"},
        {"   ", ""},
    };
    for (const auto& [title, name] : titles)
        EXPECT_EQ(MoleculeNameOfTitle(title), name) << title;
    EXPECT_EQ(MoleculeNameOfTitle(std::string(300, 'x')).size(), 100u);

    MoleculeRecord record;
    record.number = 7;
    EXPECT_EQ(RecordMoleculeName(record, "/data/my_lib.v2.sdf", MoleculeFormat::Sdf), "my-lib-7");
    record.number = 1;
    EXPECT_EQ(RecordMoleculeName(record, "/data/aspirin.mol", MoleculeFormat::Mol), "aspirin");
    record.title = "from title";
    EXPECT_EQ(RecordMoleculeName(record, "/data/aspirin.mol", MoleculeFormat::Mol), "from-title");

    std::set<std::string> taken = {"benzene", "benzene-2"};
    const auto isTaken = [&](std::string_view name) { return taken.contains(std::string(name)); };
    EXPECT_EQ(UniqueMoleculeName("toluene", isTaken), "toluene");
    EXPECT_EQ(UniqueMoleculeName("benzene", isTaken), "benzene-3");
}

MoleculeRecord RecordNumber(std::int64_t number) {
    MoleculeRecord record;
    record.number = number;
    return record;
}

TEST(MoleculeFiles, MolBlockGivesTheHydrogenDepletedGraphWithAromaticBonds) {
    ElementDataDirScope data;
    RecordedMessages messages;
    const auto benzene = ReadMoleculeRecord(SdfRecord(kBenzeneBlock), MoleculeFormat::Sdf, RecordNumber(1),
                                            "b.sdf", "benzene", {});
    ASSERT_TRUE(benzene);
    EXPECT_EQ(benzene->Name(), "benzene");
    EXPECT_EQ(ElementsOf(*benzene), std::vector<std::string>(6, "C"));
    EXPECT_EQ(HydrogensOf(*benzene), std::vector<int>(6, 1));
    // Perceived aromatic, each bond kept once from its lower vertex.
    const std::vector<GraphBond> ring = {{1, 2, "a"}, {1, 6, "a"}, {2, 3, "a"},
                                         {3, 4, "a"}, {4, 5, "a"}, {5, 6, "a"}};
    EXPECT_EQ(BondsOf(*benzene), ring);
    EXPECT_EQ(benzene->Atoms[0].Neighbours().Values(), (std::vector<std::int32_t>{2, 6}));
    EXPECT_DOUBLE_EQ(benzene->Atoms[1].X(), 0.695);
    EXPECT_DOUBLE_EQ(benzene->Atoms[1].Y(), 1.2038);
    ASSERT_EQ(benzene->Properties.Count(), 1);
    EXPECT_EQ(benzene->Properties[0].Name, "atomic mass");
    EXPECT_EQ(benzene->Properties[0].Values, std::vector<double>(6, 12.011));

    const auto chloromethane = ReadMoleculeRecord(kChloromethaneBlock, MoleculeFormat::Mol, RecordNumber(1),
                                                  "c.mol", "chloromethane", {});
    ASSERT_TRUE(chloromethane);
    EXPECT_EQ(ElementsOf(*chloromethane), (std::vector<std::string>{"C", "Cl"}));
    EXPECT_EQ(HydrogensOf(*chloromethane), (std::vector<int>{3, 0}));
    EXPECT_EQ(chloromethane->Atoms[0].SourceNumber(), 2);
    EXPECT_EQ(chloromethane->Atoms[1].Number(), 2);
    EXPECT_EQ(BondsOf(*chloromethane), (std::vector<GraphBond>{{1, 2, "s"}}));
    EXPECT_TRUE(messages.errors().empty());
}

TEST(MoleculeFiles, SmilesGivesAtomsInStringOrderAndRepeatableCoordinates) {
    ElementDataDirScope data;
    RecordedMessages messages;
    const auto read = [](const std::string& line, bool embed) {
        return ReadMoleculeRecord(line, MoleculeFormat::Smiles, RecordNumber(1), "s.smi", "m",
                                  MoleculeReadOptions{.embed3D = embed});
    };
    // Cyanoformic acid: a triple bond, and the acid's hydrogen written as an atom.
    const auto acid = read("N#CC(=O)O[H] cyanoformic", false);
    ASSERT_TRUE(acid);
    EXPECT_EQ(ElementsOf(*acid), (std::vector<std::string>{"N", "C", "C", "O", "O"}));
    EXPECT_EQ(HydrogensOf(*acid), (std::vector<int>{0, 0, 0, 0, 1}));
    EXPECT_EQ(BondsOf(*acid), (std::vector<GraphBond>{{1, 2, "t"}, {2, 3, "s"}, {3, 4, "d"}, {3, 5, "s"}}));
    EXPECT_FALSE(acid->HasCoordinates());

    // Pyrrole: aromatic five-ring, the NH keeps its hydrogen.
    const auto pyrrole = read("c1cc[nH]c1", true);
    ASSERT_TRUE(pyrrole);
    EXPECT_EQ(HydrogensOf(*pyrrole), (std::vector<int>{1, 1, 1, 1, 1}));
    for (const TBond& bond : pyrrole->Bonds)
        EXPECT_EQ(bond.BondType, TBondType::Aromatic);
    ASSERT_TRUE(pyrrole->HasCoordinates());
    // Bonded ring atoms lie about 1.38 Å apart in any sound embedding.
    const TAtom& a = pyrrole->Atoms[0];
    const TAtom& b = pyrrole->Atoms[1];
    EXPECT_NEAR(std::hypot(a.X() - b.X(), a.Y() - b.Y(), a.Z() - b.Z()), 1.38, 0.1);
    const auto again = read("c1cc[nH]c1", true);
    ASSERT_TRUE(again);
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(again->Atoms[k].X(), pyrrole->Atoms[k].X());
        EXPECT_EQ(again->Atoms[k].Z(), pyrrole->Atoms[k].Z());
    }
    EXPECT_TRUE(messages.errors().empty());
}

TEST(MoleculeFiles, Mol2GivesTheGraphWithTriposAtomTypes) {
    ElementDataDirScope data;
    RecordedMessages messages;
    // Ethanol with all its hydrogens, C1 C2 O1 first.
    const std::string ethanol = R"(@<TRIPOS>MOLECULE
ethanol
 9 8 0 0 0
SMALL
NO_CHARGES

@<TRIPOS>ATOM
      1 C1         -0.7480    0.0150    0.0240 C.3     1  ETH1        0.0000
      2 C2          0.7660   -0.0140   -0.0160 C.3     1  ETH1        0.0000
      3 O1          1.1730   -1.3650    0.0390 O.3     1  ETH1        0.0000
      4 H1         -1.1180    1.0410   -0.0180 H       1  ETH1        0.0000
      5 H2         -1.1150   -0.4950    0.9180 H       1  ETH1        0.0000
      6 H3         -1.1550   -0.4890   -0.8550 H       1  ETH1        0.0000
      7 H4          1.1460    0.4950   -0.9050 H       1  ETH1        0.0000
      8 H5          1.1220    0.5120    0.8740 H       1  ETH1        0.0000
      9 H6          2.1420   -1.3890    0.0140 H       1  ETH1        0.0000
@<TRIPOS>BOND
     1     1     2    1
     2     2     3    1
     3     1     4    1
     4     1     5    1
     5     1     6    1
     6     2     7    1
     7     2     8    1
     8     3     9    1
)";
    const auto molecule =
        ReadMoleculeRecord(ethanol, MoleculeFormat::Mol2, RecordNumber(1), "e.mol2", "ethanol", {});
    ASSERT_TRUE(molecule);
    EXPECT_EQ(ElementsOf(*molecule), (std::vector<std::string>{"C", "C", "O"}));
    EXPECT_EQ(HydrogensOf(*molecule), (std::vector<int>{3, 2, 1}));
    EXPECT_EQ(BondsOf(*molecule), (std::vector<GraphBond>{{1, 2, "s"}, {2, 3, "s"}}));
    EXPECT_EQ(molecule->Atoms[2].AtomType(), "O.3");
    EXPECT_DOUBLE_EQ(molecule->Atoms[2].X(), 1.173);
    EXPECT_TRUE(messages.errors().empty());
}

TEST(MoleculeFiles, ARecordRdkitRefusesIsNamedWithItsNumberAndReason) {
    ElementDataDirScope data;
    const std::vector<std::tuple<std::string, MoleculeFormat, std::string>> cases = {
        {"C1CC ring", MoleculeFormat::Smiles, "unclosed ring"},
        {"C(C)(C)(C)(C)C five", MoleculeFormat::Smiles, "valence"},
        {"[H][H] hydrogen", MoleculeFormat::Smiles, "no atom other than hydrogen"},
        {kBadValenceBlock, MoleculeFormat::Sdf, "valence"},
        {"not a mol block\n", MoleculeFormat::Sdf, ""},
        {"@<TRIPOS>MOLECULE\nbroken\n", MoleculeFormat::Mol2, ""},
    };
    for (const auto& [text, format, reason] : cases) {
        RecordedMessages messages;
        EXPECT_FALSE(ReadMoleculeRecord(text, format, RecordNumber(4), "in.file", "x", {})) << text;
        ASSERT_EQ(messages.errors().size(), 1u) << text;
        EXPECT_THAT(messages.errors()[0], HasSubstr("Can not read record 4 of in.file: ")) << text;
        EXPECT_THAT(messages.errors()[0], HasSubstr(reason)) << text;
        EXPECT_GT(messages.errors()[0].size(), std::string("Can not read record 4 of in.file: ").size());
    }
}

TEST(MoleculeFiles, AFileLoadsEveryGoodRecordUnderUniqueNames) {
    ElementDataDirScope data;
    ScratchDir dir;
    const std::string path =
        dir.write("set_1.sdf", SdfRecord(kBenzeneBlock) + SdfRecord(kBadValenceBlock) +
                                   SdfRecord(kChloromethaneBlock) + SdfRecord(kBenzeneBlock));
    // The workspace already holds Benzene; names are one whatever their letter case.
    std::vector<std::string> names = {"Benzene"};
    const auto lower = [](std::string_view text) {
        std::string folded(text);
        for (char& c : folded)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return folded;
    };
    RecordedMessages messages;
    const auto summary = ReadMoleculeFile(
        path, {},
        [&](std::string_view name) {
            return std::any_of(names.begin(), names.end(),
                               [&](const std::string& held) { return lower(held) == lower(name); });
        },
        [&](TMolecula&& molecule) { names.push_back(molecule.Name()); });
    EXPECT_TRUE(summary.opened);
    EXPECT_EQ(summary.loaded, 3);
    EXPECT_EQ(summary.failed, 1);
    EXPECT_EQ(names, (std::vector<std::string>{"Benzene", "benzene-2", "set-1-3", "benzene-3"}));
    ASSERT_EQ(messages.errors().size(), 1u);
    EXPECT_THAT(messages.errors()[0], HasSubstr("Can not read record 2 of " + path + ": "));

    RecordedMessages empty;
    EXPECT_EQ(ReadMoleculeFile(
                  dir.write("empty.smi", "# nothing here\n\n"), {}, [](std::string_view) { return false; },
                  [](TMolecula&&) {})
                  .loaded,
              0);
    EXPECT_EQ(empty.errors(), std::vector<std::string>{"Can not read molecule file " + dir.file("empty.smi") +
                                                       ": it holds no molecule"});

    RecordedMessages missing;
    EXPECT_FALSE(ReadMoleculeFile(
                     dir.file("none.sdf"), {}, [](std::string_view) { return false; }, [](TMolecula&&) {})
                     .opened);
    EXPECT_EQ(missing.errors(),
              std::vector<std::string>{"Can not read molecule file " + dir.file("none.sdf")});
}

// Asks to stop once the reader has handed over its first molecule.
class StopAfterFirst final : public ProgressSink {
public:
    explicit StopAfterFirst(const int& loaded) : loaded_(loaded) {}
    void Start(std::int64_t) override {}
    void Step() override {}
    void Done() override { ++done; }
    bool CancelRequested() override { return loaded_ >= 1; }
    int done = 0;

private:
    const int& loaded_;
};

TEST(MoleculeFiles, CancellingStopsReadingAndKeepsWhatWasHandedOver) {
    ElementDataDirScope data;
    ScratchDir dir;
    const std::string path = dir.write(
        "three.sdf", SdfRecord(kBenzeneBlock) + SdfRecord(kChloromethaneBlock) + SdfRecord(kBenzeneBlock));
    int loaded = 0;
    StopAfterFirst sink(loaded);
    {
        ProgressSinkScope scope(sink);
        EXPECT_THROW(ReadMoleculeFile(
                         path, {}, [](std::string_view) { return false; }, [&](TMolecula&&) { ++loaded; }),
                     ComputationCancelled);
    }
    EXPECT_EQ(loaded, 1);
    EXPECT_EQ(sink.done, 1); // the bar ends on the way out
}

TEST(MoleculeFiles, AMoleculeWithoutCoordinatesKeepsThemAbsentThroughItsWorkFile) {
    ElementDataDirScope data;
    ScratchDir dir;
    RecordedMessages messages;
    const auto molecule = ReadMoleculeRecord("CCO", MoleculeFormat::Smiles, RecordNumber(1), "s.smi",
                                             "ethanol", MoleculeReadOptions{.embed3D = false});
    ASSERT_TRUE(molecule);
    ASSERT_TRUE(molecule->SaveToFile(dir.file("ethanol.TOP")));
    TMolecula reread;
    ASSERT_TRUE(reread.LoadFromFile(dir.file("ethanol.TOP")));
    EXPECT_FALSE(reread.HasCoordinates());
    EXPECT_EQ(HydrogensOf(reread), (std::vector<int>{3, 2, 1}));
    EXPECT_TRUE(messages.errors().empty());
}

} // namespace
} // namespace grafida
