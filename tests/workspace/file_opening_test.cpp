// Opening molecule and matrix files: the Open command, drops and the command line.
#include "molecule/ElementData.h"
#include "support/RecordingReporter.h"
#include "workspace/FileOpening.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace grafida {
namespace {

using grafida::testing::RecordedMessages;
using grafida::testing::ScratchDir;
namespace fs = std::filesystem;

constexpr const char* kMixed = "Molecule or Matrices list not omogen !";

// A propane skeleton: three carbons in a chain, hydrogens left out.
std::string Chain(const std::string& name) {
    return "mol 1 \"" + name +
           "\"\r\n"
           "atom 1 - C CT - 0 0 0 0 1 2 s\r\n"
           "atom 2 - C CT - 0 1 0 0 2 1 s 3 s\r\n"
           "atom 3 - C CT - 0 2 0 0 1 2 s\r\n"
           "endmol 1\r\n";
}

// count square 1x1 matrices named prefix1, prefix2, ... in the matrix text format.
std::string Matrices(const std::string& prefix, int count) {
    std::string text;
    for (int i = 1; i <= count; ++i)
        text +=
            "$TFLOATARRAY\r\n" + prefix + std::to_string(i) + "\r\n1 1\r\n" + std::to_string(i) + ".00\r\n";
    return text;
}

struct Fixture {
    Fixture() {
        SetElementDataDir(GRAFIDA_DATA_DIR);
        fs::create_directories(scratch.path() / "bin");
        fs::create_directories(scratch.path() / "in");
        fs::create_directories(scratch.path() / "other");
    }
    ~Fixture() { SetElementDataDir({}); }
    std::string In(const std::string& name, const std::string& text) const {
        return scratch.write("in/" + name, text);
    }

    ScratchDir scratch;
    Workspace workspace{SettingsLocation{scratch.file("bin"), "", [](const std::string&) { return true; }},
                        scratch.path().string()};
    RecordedMessages messages;
};

TEST(ClassifyFiles, ComparesExtensionsWithoutRegardToCase) {
    const struct {
        std::vector<std::string> paths;
        FileKind kind;
    } cases[] = {
        {{"a.hin", "/x/B.HIN", "c.Hin"}, FileKind::Molecules},
        {{"a.M", "b.m"}, FileKind::Matrices},
        {{"a.HIN", "b.M"}, FileKind::Mixed},
        {{"x.M", "y.HIN"}, FileKind::Mixed},
        {{"ring.a.hin"}, FileKind::Molecules},
        {{"notes.txt"}, FileKind::Mixed},
        {{"noextension"}, FileKind::Mixed},
        {{}, FileKind::Mixed},
        // Molecule files of every format mix freely.
        {{"a.hin", "lib.SDF", "b.mol", "c.Mol2", "d.smi", "e.SMILES"}, FileKind::Molecules},
        {{"lib.sdf", "b.M"}, FileKind::Mixed},
        {{"b.m", "d.smi"}, FileKind::Mixed},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ClassifyFiles(c.paths), c.kind) << ::testing::PrintToString(c.paths);
}

TEST(OpenFiles, LoadsMoleculesIntoTheRunFolderAndTakesTheFirstFilesFolder) {
    Fixture f;
    f.workspace.settings.ClearPrevious = false;
    const std::string a = f.In("a.hin", Chain("a"));
    const std::string b = f.scratch.write("other/B.HIN", Chain("b"));
    f.scratch.write("in/a.TOP", "the user's own file");
    EXPECT_EQ(OpenFiles(f.workspace, {a, b}), FileKind::Molecules);
    EXPECT_EQ(f.workspace.molecules.Names(), (std::vector<std::string>{"a", "B"}));
    EXPECT_EQ(f.workspace.WorkDir(), f.scratch.file("in"));
    EXPECT_TRUE(fs::exists(f.workspace.WorkFilePath("a")));
    EXPECT_TRUE(fs::exists(f.workspace.WorkFilePath("B")));
    EXPECT_EQ(grafida::testing::ReadFile(f.scratch.file("in/a.TOP")), "the user's own file");
    EXPECT_TRUE(f.messages.errors().empty());
    EXPECT_TRUE(f.messages.reporter.informations.empty());
}

TEST(OpenFiles, EveryRecordOfAFileIsAMoleculeUnderANameOfItsOwn) {
    Fixture f;
    f.workspace.settings.ClearPrevious = false;
    f.workspace.molecules.Append("Kept");
    const std::string a = f.In("a.hin", Chain("a"));
    // Record 1 takes a title already listed, record 2 is no molecule, record 4 has none.
    const std::string library = f.In("my_lib.smi", "CCC A\nC1CC broken\nCCO kept\nOCC\n");
    EXPECT_EQ(OpenFiles(f.workspace, {a, library}), FileKind::Molecules);
    EXPECT_EQ(f.workspace.molecules.Names(),
              (std::vector<std::string>{"Kept", "a", "A-2", "kept-2", "my-lib-4"}));
    for (const char* name : {"A-2", "kept-2", "my-lib-4"})
        EXPECT_TRUE(fs::exists(f.workspace.WorkFilePath(name))) << name;
    ASSERT_EQ(f.messages.errors().size(), 1u);
    EXPECT_EQ(f.messages.errors()[0].rfind("Can not read record 2 of " + library + ": ", 0), 0u)
        << f.messages.errors()[0];
}

TEST(OpenFiles, TwoFilesWhoseNamesDifferInCaseListOneMolecule) {
    Fixture f;
    const std::string first = f.In("Ring.hin", Chain("Ring"));
    const std::string second = f.scratch.write("other/RING.HIN", Chain("RING"));
    OpenFiles(f.workspace, {first, second});
    EXPECT_EQ(f.workspace.molecules.Names(), std::vector<std::string>{"Ring"});
}

// A mixed choice loads nothing; Open then empties the molecule list, a drop keeps it.
TEST(OpenFiles, MixedListsLoadNothing) {
    for (const bool drop : {false, true}) {
        Fixture f;
        f.workspace.settings.ClearPrevious = false;
        f.workspace.molecules.Append("kept");
        const std::vector<std::string> files = {f.In("a.HIN", Chain("a")), f.In("b.M", Matrices("b", 1))};
        if (drop)
            DropFiles(f.workspace, files);
        else
            OpenFiles(f.workspace, files);
        EXPECT_EQ(f.messages.reporter.informations, std::vector<std::string>{kMixed}) << drop;
        EXPECT_EQ(f.workspace.molecules.Names(),
                  drop ? std::vector<std::string>{"kept"} : std::vector<std::string>{});
        EXPECT_TRUE(f.workspace.matrices.Empty());
    }
}

TEST(OpenFiles, CountsTheMatricesAddedOverAllFiles) {
    Fixture f;
    f.workspace.settings.ClearPrevious = false;
    const std::vector<std::string> files = {f.In("two.M", Matrices("two", 2)), f.In("none.M", ""),
                                            f.In("three.m", Matrices("three", 3))};
    OpenFiles(f.workspace, files);
    EXPECT_EQ(f.messages.reporter.informations, std::vector<std::string>{"5 matrices loaded"});
    EXPECT_EQ(f.workspace.matrices.Count(), 5);
    // Again: every name is taken now, so nothing is added.
    OpenFiles(f.workspace, files);
    EXPECT_EQ(f.messages.reporter.informations.back(), "0 matrices loaded");
    EXPECT_EQ(f.workspace.matrices.Count(), 5);
    // A drop says nothing.
    f.workspace.matrices.Clear();
    DropFiles(f.workspace, files);
    EXPECT_EQ(f.messages.reporter.informations.size(), 2u);
    EXPECT_EQ(f.workspace.matrices.Count(), 5);
}

TEST(OpenFiles, ClearPreviousEmptiesBothStoresBeforeTheDialogOnly) {
    for (const bool clear : {true, false}) {
        Fixture f;
        f.workspace.settings.ClearPrevious = clear;
        f.workspace.molecules.Append("old");
        f.workspace.matrices.Add(
            std::make_unique<TFLOATARRAY>("old_AD", std::vector<std::vector<double>>{{0}}));
        PrepareOpen(f.workspace);
        EXPECT_EQ(f.workspace.molecules.Empty(), clear);
        EXPECT_EQ(f.workspace.matrices.Empty(), clear);
    }
}

TEST(DropFiles, KeepsOnlyExistingFiles) {
    Fixture f;
    f.workspace.settings.ClearPrevious = true;
    f.workspace.molecules.Append("old");
    const std::string workDir = f.workspace.WorkDir();
    // Only a folder and a missing path: nothing but the emptying happens.
    EXPECT_FALSE(DropFiles(f.workspace, {f.scratch.file("in"), f.scratch.file("in/missing.hin")}));
    EXPECT_TRUE(f.workspace.molecules.Empty());
    EXPECT_EQ(f.workspace.WorkDir(), workDir);
    EXPECT_TRUE(f.messages.errors().empty());

    const std::string a = f.scratch.write("other/a.hin", Chain("a"));
    EXPECT_TRUE(DropFiles(f.workspace, {f.scratch.file("in"), a, f.scratch.file("gone.hin")}));
    EXPECT_EQ(f.workspace.molecules.Names(), std::vector<std::string>{"a"});
    EXPECT_EQ(f.workspace.WorkDir(), f.scratch.file("other"));
}

// Files the readers cannot take give their messages; the good files of the same
// choice are still loaded and nothing half-read is listed.
TEST(OpenFiles, BadInputsAreReportedAndSkipped) {
    Fixture f;
    const std::string good = f.In("good.hin", Chain("good"));
    const std::string binary = f.In("binary.hin", std::string("\x7f"
                                                              "ELF\0\0\x01\xff\xfe garbage",
                                                              18));
    const std::string empty = f.In("empty.hin", "");
    const std::string fifo = f.scratch.file("in/pipe.hin");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string huge = f.scratch.file("in/huge.hin");
    { std::ofstream(huge).flush(); }
    fs::resize_file(huge, kMaxInputFileBytes + 1); // sparse: costs no disk
    OpenFiles(f.workspace, {binary, good, fifo, empty, huge});
    EXPECT_EQ(f.workspace.molecules.Names(), std::vector<std::string>{"good"});
    ASSERT_EQ(f.messages.errors().size(), 4u);
    EXPECT_EQ(f.messages.errors()[0], "Can not read molecule from HIN file " + binary);
    EXPECT_EQ(f.messages.errors()[1], "Can not read molecule from HIN file " + fifo);
    EXPECT_EQ(f.messages.errors()[3], "Can not read molecule from HIN file " + huge);

    const std::string matrices = f.scratch.file("in/huge.M");
    { std::ofstream(matrices).flush(); }
    fs::resize_file(matrices, kMaxInputFileBytes + 1);
    const std::string fifoMatrices = f.scratch.file("in/pipe.M");
    ASSERT_EQ(::mkfifo(fifoMatrices.c_str(), 0600), 0);
    OpenFiles(f.workspace, {matrices, fifoMatrices, f.In("ok.M", Matrices("ok", 1))});
    EXPECT_EQ(f.workspace.matrices.Count(), 1);
    EXPECT_EQ(f.messages.errors()[4], "Can't read matrix from " + matrices + " file");
    EXPECT_EQ(f.messages.errors()[5], "Can't read matrix from " + fifoMatrices + " file");
    EXPECT_EQ(f.messages.reporter.informations.back(), "1 matrices loaded");
}

} // namespace
} // namespace grafida
