#include "MoleculeTesting.h"
#include "molecule/PropertyFile.h"
#include "molecule/VertexProperties.h"
#include "support/FileSizeLimit.h"
#include "support/RecordingReporter.h"

#include <cmath>
#include <filesystem>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace grafida {
namespace {

using ::testing::DoubleNear;
using testing::ElementDataDirScope;
using ::testing::ElementsAre;
using testing::FileSizeLimit;
using testing::ReadFile;
using testing::RecordedMessages;
using testing::ScratchDir;

// A molecule of the given elements and hydrogen counts, bonded in a chain.
TMolecula Chain(std::string name, const std::vector<std::pair<std::string, int>>& groups) {
    TMolecula molecule;
    molecule.SetName(std::move(name));
    const auto n = static_cast<std::int32_t>(groups.size());
    for (std::int32_t k = 1; k <= n; ++k) {
        TAtom atom;
        atom.SetElement(ElementOf(groups[static_cast<size_t>(k - 1)].first));
        atom.SetHydrogenCount(static_cast<std::uint8_t>(groups[static_cast<size_t>(k - 1)].second));
        atom.SetNumber(k);
        atom.SetSourceNumber(k);
        if (k > 1)
            atom.AddNeighbour(k - 1);
        if (k < n)
            atom.AddNeighbour(k + 1);
        molecule.Atoms.Add(atom);
        if (k < n)
            molecule.Bonds.push_back({k, k + 1, TBondType::Single});
    }
    return molecule;
}

// Topological distances of a chain of n vertices.
TFLOATARRAY ChainDistances(int n) {
    TFLOATARRAY distances(n, n);
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j)
            distances.Put(i, j, std::abs(i - j));
    return distances;
}

TEST(VertexProperties, SandersonGroupElectronegativity) {
    ElementDataDirScope data;
    TMolecula methanol = Chain("methanol", {{"C", 3}, {"O", 0}});
    ASSERT_TRUE(CalcSGI(methanol));
    const TAtomProperty* sgi = methanol.Properties.FindByName("SGI");
    ASSERT_NE(sgi, nullptr);
    EXPECT_THAT(sgi->Values,
                ElementsAre(DoubleNear(std::pow(2.746 * std::pow(2.592, 3), 0.25), 1e-14), 3.654));
}

TEST(VertexProperties, GroupMass) {
    ElementDataDirScope data;
    TMolecula molecule = Chain("m", {{"C", 2}, {"Eu", 2}});
    ASSERT_TRUE(CalcGroupMass(molecule));
    // An element missing from "MASS.DAT" weighs -1.
    EXPECT_THAT(molecule.Properties.FindByName("Group mass")->Values, ElementsAre(14.011, 1.0));
}

TEST(VertexProperties, ChargesFollowTheElectronegativityDifferences) {
    TMolecula molecule = Chain("ab", {{"C", 0}, {"O", 0}, {"N", 0}});
    molecule.Properties.Add({"SGI", {2.0, 4.0, 2.0}});
    TFLOATARRAY charges;
    ASSERT_TRUE(CalcCharges(molecule, ChainDistances(3), charges));
    const double l2 = std::log10(2.0);
    EXPECT_EQ(charges.Name(), "ab_CH");
    const double expected[3][3] = {{0, l2, 0}, {-l2, 0, -l2}, {0, l2, 0}};
    ASSERT_EQ(charges.Rows(), 3u);
    ASSERT_EQ(charges.Cols(), 3u);
    for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 3; ++j)
            EXPECT_NEAR(charges.Get(i, j), expected[i - 1][j - 1], 1e-15) << i << "," << j;
    EXPECT_THAT(molecule.Properties.FindByName("atomic charge")->Values,
                ElementsAre(DoubleNear(l2, 1e-15), DoubleNear(-2 * l2, 1e-15), DoubleNear(l2, 1e-15)));

    // A second run finds the property already there.
    EXPECT_FALSE(CalcCharges(molecule, ChainDistances(3), charges));
}

TEST(VertexProperties, EqualSgiGivesZeroCharges) {
    ElementDataDirScope data;
    TMolecula butane = Chain("butane", {{"C", 3}, {"C", 2}, {"C", 2}, {"C", 3}});
    butane.Properties.Add({"SGI", {2.5, 2.5, 2.5, 2.5}});
    TFLOATARRAY charges;
    ASSERT_TRUE(CalcCharges(butane, ChainDistances(4), charges));
    EXPECT_EQ(charges.TotalSum(), 0.0);
    for (int i = 1; i <= 4; ++i)
        for (int j = 1; j <= 4; ++j)
            EXPECT_EQ(charges.Get(i, j), 0.0);
    EXPECT_THAT(butane.Properties.FindByName("atomic charge")->Values, ElementsAre(0, 0, 0, 0));
}

TEST(VertexProperties, FailuresAttachNothing) {
    ElementDataDirScope data;
    {
        RecordedMessages messages;
        TMolecula empty;
        empty.SetName("void");
        TFLOATARRAY charges;
        EXPECT_FALSE(CalcSGI(empty));
        EXPECT_FALSE(CalcGroupMass(empty));
        EXPECT_FALSE(CalcCharges(empty, TFLOATARRAY(), charges));
        EXPECT_THAT(messages.errors(), ElementsAre("ERROR EMPTY MOLECULE void", "ERROR EMPTY MOLECULE void",
                                                   "ERROR EMPTY MOLECULE void"));
    }
    {
        // No electronegativity is known for helium: with or without hydrogens no
        // group value can be formed.
        for (int h : {0, 1}) {
            RecordedMessages messages;
            TMolecula molecule = Chain("he", {{"C", 4}, {"He", h}});
            EXPECT_FALSE(CalcSGI(molecule));
            EXPECT_THAT(messages.errors(),
                        ElementsAre("ERROR DIURING CALCULATING Sanderson group electronegativities"));
            EXPECT_EQ(molecule.Properties.Count(), 0);
        }
    }
    {
        RecordedMessages messages;
        TMolecula molecule = Chain("m", {{"C", 3}, {"C", 3}});
        TFLOATARRAY charges;
        EXPECT_FALSE(CalcCharges(molecule, ChainDistances(2), charges));
        EXPECT_THAT(messages.errors(), ElementsAre("CALCULATE SGI FIRST"));
    }
    {
        // A zero distance between two vertices, a distance matrix of another size, a
        // non-positive SGI: false without a message of its own.
        RecordedMessages messages;
        TMolecula molecule = Chain("m", {{"C", 3}, {"C", 3}});
        molecule.Properties.Add({"SGI", {2.5, 2.6}});
        TFLOATARRAY charges;
        EXPECT_FALSE(CalcCharges(molecule, TFLOATARRAY(2, 2), charges));
        EXPECT_FALSE(CalcCharges(molecule, ChainDistances(3), charges));
        molecule.Properties[0].Values[1] = -2.6;
        EXPECT_FALSE(CalcCharges(molecule, ChainDistances(2), charges));
        EXPECT_TRUE(messages.errors().empty());
        EXPECT_EQ(molecule.Properties.FindByName("atomic charge"), nullptr);
    }
    {
        ScratchDir emptyDir;
        ElementDataDirScope missing(emptyDir.path().string());
        RecordedMessages messages;
        TMolecula molecule = Chain("m", {{"C", 3}});
        EXPECT_FALSE(CalcSGI(molecule));
        EXPECT_FALSE(CalcGroupMass(molecule));
        EXPECT_THAT(messages.reporter.informations,
                    ElementsAre("CHARGES DATA FILE IS MISSING OR NOT IN CURRENT DIRECTORY",
                                "MASS DATA FILE IS MISSING OR NOT IN CURRENT DIRECTORY"));
        EXPECT_EQ(molecule.Properties.Count(), 0);
    }
}

TEST(PropertyFile, SavedTwiceKeepsOneCopyOfEachProperty) {
    ScratchDir dir;
    const std::string file = dir.file("ethanol.prp");
    TAtomProperties first;
    first.Add({"SGI", {2.6, 2.65, 3.1}});
    ASSERT_TRUE(SaveProperties(first, file, 8, 3));
    TAtomProperties second = first;
    second[0].Values = {9, 9, 9}; // a recomputed property keeps its stored values
    second.Add({"Group mass", {15.011, 14.011, 16.999}});
    ASSERT_TRUE(SaveProperties(second, file, 8, 3));
    ASSERT_TRUE(SaveProperties(second, file, 8, 3));
    EXPECT_EQ(ReadFile(file), "number of atoms\r\n3\r\n"
                              "aproperty SGI\r\n   2.600\r\n   2.650\r\n   3.100\r\n"
                              "aproperty Group mass\r\n  15.011\r\n  14.011\r\n  16.999\r\n");

    TAtomProperties loaded;
    loaded.Add({"SGI", {1, 2, 3}});
    EXPECT_EQ(LoadProperties(loaded, file), kPropertiesLoaded);
    ASSERT_EQ(loaded.Count(), 2);
    EXPECT_THAT(loaded[0].Values, ElementsAre(1, 2, 3)); // already present: not read again
    EXPECT_EQ(loaded[1], (TAtomProperty{"Group mass", {15.011, 14.011, 16.999}}));
    EXPECT_EQ(LoadProperties(loaded, file), kPropertiesLoaded);
    EXPECT_EQ(loaded.Count(), 2);
}

TEST(PropertyFile, FailedAppendKeepsTheEarlierPropertiesAndReportsFalse) {
    ScratchDir dir;
    const std::string old = "number of atoms\r\n3\r\naproperty SGI\r\n   2.600\r\n   2.650\r\n   3.100\r\n";
    const std::string file = dir.write("ethanol.prp", old);
    TAtomProperties properties;
    properties.Add({"Group mass", {15.011, 14.011, 16.999}});
    RecordedMessages messages;
    {
        const FileSizeLimit diskFull(16);
        ASSERT_TRUE(diskFull.active());
        EXPECT_FALSE(SaveProperties(properties, file, 8, 3));
    }
    EXPECT_THAT(messages.errors(), ElementsAre("Can't write molecule " + file + " to file"));
    EXPECT_EQ(ReadFile(file), old);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1)
        << "no temporary file is left behind";
}

TEST(PropertyFile, FileOfAnotherAtomCountIsStartedAfresh) {
    ScratchDir dir;
    const std::string file = dir.write(
        "m.prp", "number of atoms\r\n2\r\naproperty SGI\r\n 1.0\r\n 2.0\r\naproperty Old\r\n 1\r\n 2\r\n");
    TAtomProperties properties;
    properties.Add({"SGI", {3, 4, 5}});
    ASSERT_TRUE(SaveProperties(properties, file, 1, 0));
    EXPECT_EQ(ReadFile(file), "number of atoms\r\n3\r\naproperty SGI\r\n3\r\n4\r\n5\r\n");
}

TEST(PropertyFile, UnreadableFilesAddNothing) {
    ScratchDir dir;
    struct Case {
        const char* what;
        std::string text;
    } cases[] = {
        {"empty", ""},
        {"no atom count", "aproperty SGI\n1\n2\n"},
        {"count not a number", "number of atoms\nthree\naproperty SGI\n1\n2\n3\n"},
        {"huge count", "number of atoms\n99999999\naproperty SGI\n1\n2\n3\n"},
        {"fewer values than atoms",
         "number of atoms\n3\naproperty SGI\n1\n2\naproperty Group mass\n1\n2\n3\n"},
        {"value not a number", "number of atoms\n2\naproperty Group mass\n1\nheavy\n"},
        {"binary", std::string("\0\x01\x02\xff\n\x80", 6)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        RecordedMessages messages;
        const std::string file = dir.write("bad.prp", c.text);
        TAtomProperties properties;
        EXPECT_EQ(LoadProperties(properties, file), kPropertyFileUnreadable);
        EXPECT_THAT(messages.errors(), ElementsAre("Can't read properties from " + file));
        EXPECT_EQ(properties.Count(), 0);
    }
    TAtomProperties properties;
    EXPECT_EQ(LoadProperties(properties, dir.file("none.prp")), kPropertyFileMissing);

    RecordedMessages messages;
    TAtomProperties mixed;
    mixed.Add({"SGI", {1, 2}});
    mixed.Add({"Group mass", {1, 2, 3}});
    EXPECT_FALSE(SaveProperties(mixed, dir.file("mixed.prp"), 8, 3));
    EXPECT_FALSE(SaveProperties(mixed, dir.file("no-folder/x.prp"), 8, 3));
    EXPECT_THAT(messages.errors(),
                ElementsAre("Can't write molecule " + dir.file("mixed.prp") + " to file",
                            "Can't write molecule " + dir.file("no-folder/x.prp") + " to file"));
}

} // namespace
} // namespace grafida
