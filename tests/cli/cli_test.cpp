#include "cli/MoleculeJobs.h"
#include "molecule/Molecula.h"
#include "numeric/MatrixText.h"
#include "numeric/NumberText.h"
#include "support/RecordingReporter.h"
#include "topology/BasicMatrices.h"
#include "workspace/IndexTable.h"
#include "workspace/Workspace.h"

#include <algorithm>
#include <array>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <map>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace grafida {
namespace {

using testing::ReadFile;
using testing::ScratchDir;

const std::string kSamples = std::string(GRAFIDA_DATA_DIR) + "/samples/";
const std::string kReference = std::string(GRAFIDA_TEST_DATA_DIR) + "/reference/molecules/";

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs grafida-cli with the given words (shell-quoted by the caller where needed).
CliRun Cli(const std::string& words, const ScratchDir& dir) {
    const std::string errFile = dir.file("stderr.txt");
    const std::string command = std::string(GRAFIDA_CLI) + " " + words + " 2>" + errFile;
    CliRun run;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe)
        return run;
    std::array<char, 4096> buffer;
    size_t n;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        run.out.append(buffer.data(), n);
    const int status = ::pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.err = ReadFile(errFile);
    return run;
}

std::string Samples(std::initializer_list<const char*> names) {
    std::string words;
    for (const char* name : names)
        words += " " + kSamples + name + ".hin";
    return words;
}

TContainer ReadMatrices(const std::string& text, const ScratchDir& dir) {
    TContainer list;
    testing::RecordedMessages messages;
    LoadMatrices(dir.write("read.M", text), list);
    EXPECT_TRUE(messages.errors().empty());
    return list;
}

TEST(Cli, MatricesReadBackEqualTheCoresMatrices) {
    ScratchDir dir;
    const CliRun run = Cli("matrices --decimals 6 --quiet" + Samples({"propane", "benzene", "ethanol"}), dir);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const TContainer read = ReadMatrices(run.out, dir);
    ASSERT_EQ(read.Count(), 27);
    int position = 0;
    for (const char* name : {"propane", "benzene", "ethanol"}) {
        // Through the work file, as the program reads every molecule.
        const auto molecule = cli::ReadMolecule(kSamples + name + ".hin", dir.path().string());
        ASSERT_TRUE(molecule);
        BasicMatrixSelection all;
        all.fill(true);
        const BasicMatrixResults expected = CalcBasicMatrices(*molecule, all);
        for (const auto& matrix : expected) {
            const auto& got = *read.ItemAs<TFLOATARRAY>(position++);
            ASSERT_EQ(got.Name(), matrix->Name());
            ASSERT_EQ(got.Rows(), matrix->Rows());
            for (std::uint32_t i = 1; i <= got.Rows(); ++i)
                for (std::uint32_t j = 1; j <= got.Cols(); ++j)
                    EXPECT_NEAR(got.Get(i, j), matrix->Get(i, j), 5e-6) << got.Name();
        }
    }
}

TEST(Cli, OnlyAndOutWriteOneFilePerMolecule) {
    ScratchDir dir;
    const std::string out = dir.file("out/sub");
    const CliRun run = Cli("matrices --only DI,AD --formatted --width 3 --decimals 0 --out " + out +
                               Samples({"propane", "methane"}),
                           dir);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    const std::string propane = ReadFile(out + "/propane.M");
    EXPECT_THAT(propane, ::testing::StartsWith("$TFLOATARRAY\r\npropane_AD\r\n3 3\r\n0   1   0     1  \r\n"));
    const TContainer read = ReadMatrices(propane, dir);
    ASSERT_EQ(read.Count(), 2); // the fixed order: AD before DI
    EXPECT_EQ(read.Item(0).Name(), "propane_AD");
    EXPECT_EQ(*read.ItemAs<TFLOATARRAY>(1), TFLOATARRAY("propane_DI", {{0, 1, 2}, {1, 0, 1}, {2, 1, 0}}));
    EXPECT_NE(propane.find("1/2SUM = 4  "), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(out + "/methane.M"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(out), {}), 2);
}

std::map<std::string, std::string> IndicesRow(const std::string& csv, const std::string& molecule) {
    std::istringstream lines(csv);
    std::string header, line;
    std::getline(lines, header);
    std::vector<std::string> names;
    std::stringstream h(header);
    for (std::string name; std::getline(h, name, ',');)
        names.push_back(name);
    while (std::getline(lines, line)) {
        std::vector<std::string> fields;
        std::stringstream f(line);
        for (std::string field; std::getline(f, field, ',');)
            fields.push_back(field);
        if (!fields.empty() && fields[0] == molecule) {
            std::map<std::string, std::string> row;
            for (size_t k = 0; k < names.size() && k < fields.size(); ++k)
                row[names[k]] = fields[k];
            return row;
        }
    }
    return {};
}

double Field(const std::map<std::string, std::string>& row, const std::string& name) {
    const auto found = row.find(name);
    return found == row.end() ? -12345 : ParseNumber(found->second).value_or(-12345);
}

TEST(Cli, IndicesOfPropaneAndBenzeneByHand) {
    ScratchDir dir;
    const CliRun run = Cli("indices --quiet" + Samples({"propane", "benzene"}), dir);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(
        run.out.substr(0, run.out.find('\n')),
        "molecule,vertices,edges,randic,wiener,comb_distance,detour,comb_detour,distance3d,IP_CjDi,IE_CjDi,"
        "IP_CjDe,IE_CjDe,IP_CFDi,IE_CFDi,IP_CFDe,IE_CFDe,ad_eig_max,ad_eig_min");
    const auto propane = IndicesRow(run.out, "propane");
    const auto benzene = IndicesRow(run.out, "benzene");
    const struct {
        const std::map<std::string, std::string>& row;
        const char* column;
        double value;
    } cases[] = {
        {propane, "vertices", 3},
        {propane, "edges", 2},
        {propane, "wiener", 4},
        {propane, "detour", 4},
        {propane, "IP_CjDi", 5},
        {propane, "IE_CjDi", 4},
        {propane, "randic", std::sqrt(2.0)},
        {propane, "ad_eig_max", std::sqrt(2.0)},
        {propane, "ad_eig_min", -std::sqrt(2.0)},
        {benzene, "vertices", 6},
        {benzene, "edges", 6},
        {benzene, "wiener", 27},
        {benzene, "detour", 63},
        {benzene, "randic", 3},
        {benzene, "ad_eig_max", 2},
        {benzene, "ad_eig_min", -2},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(Field(c.row, c.column), c.value, 1e-9) << c.column;
}

TEST(Cli, ChosenIndicesEqualTheIndicesCommandsTable) {
    const std::vector<std::string> names = {"randic",     "wiener",      "IP_SZD",      "ad_poly",   "C_LM",
                                            "layer_poly", "walk_counts", "WO_DI_DE_AD", "distance3d"};
    const char* samples[] = {"propane", "benzene", "cyclobutane", "ethene-water"};
    ScratchDir dir;
    Workspace workspace{
        SettingsLocation{dir.file("bin"), dir.file("config"), [](const std::string&) { return false; }}};
    workspace.settings.WorkDir = dir.path().string();
    std::string files;
    for (const char* sample : samples) {
        TMolecula molecule;
        ASSERT_TRUE(molecule.LoadFromHIN(kSamples + sample + ".hin"));
        ASSERT_TRUE(molecule.SaveToFile(workspace.WorkFilePath(molecule.Name())));
        workspace.molecules.Append(molecule.Name());
        files += " " + kSamples + sample + ".hin";
    }
    IndexRequest request;
    request.names = names;
    const IndexTable table = CalcIndexTable(workspace, request);

    std::string list;
    for (const std::string& name : names)
        list += (list.empty() ? "" : ",") + name;
    const CliRun run = Cli("indices --quiet --indices " + list + files, dir);
    ASSERT_EQ(run.status, 0) << run.err;
    // The same text; the program's file ends its lines with CR LF.
    std::string csv = IndexTableCsv(table);
    for (size_t at; (at = csv.find("\r\n")) != std::string::npos;)
        csv.erase(at, 1);
    EXPECT_EQ(run.out, csv);
    ASSERT_EQ(table.notes.size(), 1u);
    EXPECT_EQ(run.err, "grafida-cli: " + table.notes[0] + "\n");
}

TEST(Cli, IndicesItCannotTakeAreUsageErrors) {
    ScratchDir dir;
    const struct {
        const char* list;
        const char* message;
    } cases[] = {
        {"wiener,bogus", "Unknown index bogus"},
        {"DSI", "Index DSI can not be computed"},
        {",", "--indices needs at least one index name"},
    };
    for (const auto& c : cases) {
        const CliRun run = Cli(std::string("indices --indices ") + c.list + Samples({"propane"}), dir);
        EXPECT_EQ(run.status, 2) << c.list;
        EXPECT_EQ(run.out, "") << c.list;
        EXPECT_THAT(run.err, ::testing::HasSubstr(c.message)) << c.list;
    }
}

TEST(Cli, BadInputsFailAloneAndGoodOnesAreStillWritten) {
    ScratchDir dir;
    const std::string corrupt = dir.write("corrupt.hin", "atom 1 - C CT - 0 0 0 0 2 7 s\n");
    const std::string out = dir.file("out");
    const CliRun run = Cli("matrices --quiet --out " + out + Samples({"propane"}) + " " +
                               dir.file("missing.hin") + " " + corrupt + Samples({"benzene"}),
                           dir);
    EXPECT_EQ(run.status, 1);
    EXPECT_THAT(run.err,
                ::testing::HasSubstr("Can not read molecule from HIN file " + dir.file("missing.hin")));
    EXPECT_THAT(run.err, ::testing::HasSubstr("Can not read molecule from HIN file " + corrupt));
    EXPECT_TRUE(std::filesystem::exists(out + "/propane.M"));
    EXPECT_TRUE(std::filesystem::exists(out + "/benzene.M"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(out), {}), 2);
}

TEST(Cli, OutputDoesNotDependOnTheNumberOfJobs) {
    ScratchDir dir;
    const std::string inputs =
        Samples({"benzene", "propane", "naphthalene", "ethanol", "cyclobutane", "methane", "ethene-water"});
    const CliRun one = Cli("indices --jobs 1" + inputs, dir);
    const CliRun two = Cli("indices --jobs 2" + inputs, dir);
    ASSERT_EQ(one.status, 0) << one.err;
    // No progress bar when standard error is not a terminal: only the note of the
    // two fragments' distance indices, left empty.
    EXPECT_EQ(one.err, "grafida-cli: ethene-water: wiener, comb_distance, detour, comb_detour, IP_CjDi, "
                       "IP_CjDe, IP_CFDi, IP_CFDe left empty: the graph is not connected\n");
    EXPECT_EQ(one.out, two.out);
    EXPECT_EQ(one.err, two.err);
    const CliRun matricesOne = Cli("matrices --formatted --jobs 1" + inputs, dir);
    const CliRun matricesTwo = Cli("matrices --formatted --jobs 2" + inputs, dir);
    EXPECT_EQ(matricesOne.out, matricesTwo.out);
    EXPECT_GT(matricesOne.out.size(), 1000u);
}

TEST(Cli, SlowMoleculeIsSkippedByName) {
    ScratchDir dir;
    const CliRun run =
        Cli("indices --timeout 0.3 --jobs 2" + Samples({"propane"}) + " " +
                std::string(GRAFIDA_TEST_DATA_DIR) + "/slow/random-cubic-64.hin" + Samples({"benzene"}),
            dir);
    EXPECT_EQ(run.status, 1);
    EXPECT_THAT(run.err,
                ::testing::HasSubstr("molecule random-cubic-64 took longer than 0.3 s and was skipped"));
    EXPECT_FALSE(IndicesRow(run.out, "propane").empty());
    EXPECT_FALSE(IndicesRow(run.out, "benzene").empty());
}

std::vector<pid_t> ChildrenOf(pid_t pid) {
    std::vector<pid_t> children;
    std::istringstream list(
        ReadFile("/proc/" + std::to_string(pid) + "/task/" + std::to_string(pid) + "/children"));
    for (pid_t child; list >> child;)
        children.push_back(child);
    return children;
}

// SIGKILL from outside (the user, the out-of-memory killer) hits a worker in the
// middle of its molecules: the run goes on, nothing is lost or written twice.
TEST(Cli, WorkerKilledFromOutsideMidRunLosesAndRepeatsNothing) {
    ScratchDir dir;
    std::string inputs;
    // More molecules than the runner holds ahead of its output: a stopped worker
    // holding a chunk keeps the run from ending.
    const int count = 1500;
    for (int k = 0; k < count; ++k) {
        const std::string copy = dir.file("p" + std::to_string(k) + ".hin");
        std::filesystem::copy_file(kSamples + "propane.hin", copy);
        inputs += " " + copy;
    }
    const CliRun quiet = Cli("indices --quiet --jobs 1" + inputs, dir);
    ASSERT_EQ(quiet.status, 0) << quiet.err;

    const std::string command = "exec " + std::string(GRAFIDA_CLI) + " indices --quiet --jobs 2" + inputs +
                                " >" + dir.file("killed.csv") + " 2>" + dir.file("killed.err");
    const pid_t cli = ::fork();
    ASSERT_GE(cli, 0);
    if (cli == 0) {
        ::execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    std::vector<pid_t> workers;
    for (int tries = 0; tries < 5000 && workers.empty(); ++tries) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        workers = ChildrenOf(cli);
    }
    ASSERT_FALSE(workers.empty());
    // Stopped first, so that the kill surely comes while the run still needs it.
    ASSERT_EQ(::kill(workers.front(), SIGSTOP), 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    int status = 0;
    EXPECT_EQ(::waitpid(cli, &status, WNOHANG), 0) << "the run ended before the kill";
    ASSERT_EQ(::kill(workers.front(), SIGKILL), 0);
    ASSERT_EQ(::waitpid(cli, &status, 0), cli);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(ReadFile(dir.file("killed.err")), "");
    const std::string killed = ReadFile(dir.file("killed.csv"));
    EXPECT_EQ(std::count(killed.begin(), killed.end(), '\n'), count + 1);
    EXPECT_TRUE(killed == quiet.out) << "rows lost, repeated or out of order";
}

TEST(Cli, EigenPrintsTheEigenvaluesCommandsText) {
    ScratchDir dir;
    const std::string file = dir.write("m.M", "$TFLOATARRAY\nP2_AD\n2 2\n0 1\n1 0\n"
                                              "$TFLOATARRAY\nG\n2 2\n2 1\n0 1\n"
                                              "$TFLOATARRAY\nR\n1 2\n1 2\n");
    const CliRun run = Cli("eigen " + file, dir);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "$TFLOATARRAY\nP2_AD\n2 2\n0.00 1.00 \n1.00 0.00 \n- Eigen values are -\n1.00\n-1.00\n"
                       "$TFLOATARRAY\nP2_EIGV_AD\n2 2\n0.71 0.71 \n0.71 -0.71 \n"
                       "$TFLOATARRAY\nG\n2 2\n2.00 1.00 \n0.00 1.00 \n-REAL EIGENVALUES ARE-\n2.00\n1.00\n"
                       "-EIGEN VECTORS ARE-\n1.00 0.00 \n0.71 -0.71 \n");
    const CliRun named = Cli("eigen --iterations 0 " + file + " P2_AD absent", dir);
    EXPECT_EQ(named.status, 1);
    EXPECT_THAT(named.err, ::testing::HasSubstr("no matrix named absent"));
    EXPECT_THAT(named.err, ::testing::HasSubstr("System P2_AD not converget, aborting ..."));
    const CliRun nothing = Cli("eigen " + dir.write("text.M", "no matrices here\n"), dir);
    EXPECT_EQ(nothing.status, 1);
    EXPECT_THAT(nothing.err, ::testing::HasSubstr("text.M: no square matrix in the file"));
}

TEST(Cli, UsageErrorsExitTwo) {
    ScratchDir dir;
    for (const char* words :
         {"", "frobnicate", "matrices", "matrices --only XX a.hin", "matrices --width 300 a.hin",
          "indices --jobs 0 a.hin", "indices --bogus a.hin", "eigen", "matrices --width"}) {
        const CliRun run = Cli(words, dir);
        EXPECT_EQ(run.status, 2) << words;
        EXPECT_NE(run.err, "") << words;
    }
    EXPECT_EQ(Cli("--help", dir).status, 0);
    EXPECT_THAT(Cli("--version", dir).out, ::testing::StartsWith("grafida-cli "));
}

// A propane record of an SDF file, carbons 1.5 apart on a line.
std::string PropaneBlock(const std::string& title) {
    return title + "\n  by hand\n\n"
                   "  3  2  0  0  0  0  0  0  0  0999 V2000\n"
                   "    0.0000    0.0000    0.0000 C   0  0  0  0  0  0  0  0  0  0  0  0\n"
                   "    1.5000    0.0000    0.0000 C   0  0  0  0  0  0  0  0  0  0  0  0\n"
                   "    3.0000    0.0000    0.0000 C   0  0  0  0  0  0  0  0  0  0  0  0\n"
                   "  1  2  1  0  0  0  0\n"
                   "  2  3  1  0  0  0  0\n"
                   "M  END\n$$$$\n";
}

TEST(Cli, EveryRecordOfALibraryIsOneMoleculeAndABadRecordFailsAlone) {
    ScratchDir dir;
    // The middle record has a carbon with five bonds.
    const std::string bad = "bad\n  by hand\n\n"
                            "  6  5  0  0  0  0  0  0  0  0999 V2000\n"
                            "    0.0000    0.0000    0.0000 C   0  0  0  0  0  0  0  0  0  0  0  0\n"
                            "    1.5000    0.0000    0.0000 C   0  0  0  0  0  0  0  0  0  0  0  0\n"
                            "   -1.5000    0.0000    0.0000 C   0  0  0  0  0  0  0  0  0  0  0  0\n"
                            "    0.0000    1.5000    0.0000 C   0  0  0  0  0  0  0  0  0  0  0  0\n"
                            "    0.0000   -1.5000    0.0000 C   0  0  0  0  0  0  0  0  0  0  0  0\n"
                            "    0.0000    0.0000    1.5000 C   0  0  0  0  0  0  0  0  0  0  0  0\n"
                            "  1  2  1  0  0  0  0\n  1  3  1  0  0  0  0\n  1  4  1  0  0  0  0\n"
                            "  1  5  1  0  0  0  0\n  1  6  1  0  0  0  0\nM  END\n$$$$\n";
    const std::string library = dir.write("my_library.SDF", PropaneBlock("propane") + bad + PropaneBlock(""));
    const std::string smiles = dir.write("set.smi", "CCC propane\nc1ccccc1 benzene\n");

    const CliRun indices = Cli("indices --quiet --no-3d " + library + " " + smiles, dir);
    EXPECT_EQ(indices.status, 1);
    EXPECT_THAT(indices.err, ::testing::HasSubstr("Can not read record 2 of " + library + ": "));
    EXPECT_THAT(indices.err, ::testing::HasSubstr("valence"));
    // propane, the untitled third record, then the SMILES: propane again and benzene.
    std::vector<std::string> molecules;
    std::istringstream lines(indices.out);
    std::string line;
    std::getline(lines, line);
    while (std::getline(lines, line))
        molecules.push_back(line.substr(0, line.find(',')));
    EXPECT_EQ(molecules, (std::vector<std::string>{"propane", "my-library-3", "propane-2", "benzene"}));
    const auto row = IndicesRow(indices.out, "propane-2");
    EXPECT_EQ(Field(row, "wiener"), 4);
    EXPECT_EQ(row.at("distance3d"), ""); // --no-3d
    EXPECT_EQ(Field(IndicesRow(indices.out, "propane"), "wiener"), 4);

    const std::string out = dir.file("out");
    const CliRun matrices = Cli("matrices --quiet --only AD,D3D --out " + out + " " + library, dir);
    EXPECT_EQ(matrices.status, 1);
    EXPECT_TRUE(std::filesystem::exists(out + "/propane.M"));
    EXPECT_TRUE(std::filesystem::exists(out + "/my-library-3.M"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(out), {}), 2);
    const TContainer read = ReadMatrices(ReadFile(out + "/propane.M"), dir);
    ASSERT_EQ(read.Count(), 2);
    EXPECT_EQ(*read.ItemAs<TFLOATARRAY>(1),
              TFLOATARRAY("propane_D3D", {{0, 1.5, 3}, {1.5, 0, 1.5}, {3, 1.5, 0}}));
}

TEST(Cli, ASmilesWithoutCoordinatesSaysSoForItsDistances) {
    ScratchDir dir;
    const std::string smiles = dir.write("one.smi", "CCO ethanol\n");
    const CliRun withEmbedding = Cli("indices --quiet " + smiles, dir);
    ASSERT_EQ(withEmbedding.status, 0) << withEmbedding.err;
    EXPECT_GT(Field(IndicesRow(withEmbedding.out, "ethanol"), "distance3d"), 3);
    const CliRun no3d = Cli("matrices --quiet --no-3d " + smiles, dir);
    ASSERT_EQ(no3d.status, 0) << no3d.err;
    EXPECT_EQ(no3d.out.find("ethanol_D3D"), std::string::npos);
    EXPECT_NE(no3d.out.find("ethanol_CFDe"), std::string::npos);
}

} // namespace
} // namespace grafida
