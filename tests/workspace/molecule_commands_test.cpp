#include "CommandTesting.h"
#include "molecule/PropertyFile.h"
#include "numeric/Progress.h"
#include "workspace/MoleculeCommands.h"

#include <filesystem>

namespace grafida {
namespace {

using testing::Lines;
using testing::PlainBlock;
using testing::RecordedWindows;

using BasicMatricesCommand = testing::CommandTest;
using PropertiesCommand = testing::CommandTest;

// The propane skeleton is the path 1-2-3.
const Lines kPropaneAD =
    PlainBlock("propane_AD", "3 3", {"0.00 1.00 0.00 ", "1.00 0.00 1.00 ", "0.00 1.00 0.00 "});
const Lines kPropaneDI =
    PlainBlock("propane_DI", "3 3", {"0.00 1.00 2.00 ", "1.00 0.00 1.00 ", "2.00 1.00 0.00 "});

std::vector<bool> Ticked(std::initializer_list<int> items) {
    std::vector<bool> ticked(9, false);
    for (int item : items)
        ticked[static_cast<size_t>(item)] = true;
    return ticked;
}

TEST_F(BasicMatricesCommand, AdjacencyAndDistanceKeptOnceOverTwoRuns) {
    LoadSample("propane");
    LoadSample("cyclobutane");
    RecordedWindows windows;
    const BasicMatricesResult first = RunBasicMatrices(workspace, {Ticked({0, 2}), true}, windows);
    EXPECT_FALSE(first.failed);
    ASSERT_EQ(windows.windows.size(), 2u);
    EXPECT_EQ(windows.windows[0]->caption, "propane.M");
    EXPECT_EQ(windows.windows[1]->caption, "cyclobutane.M");
    EXPECT_EQ(windows.windows[0]->text.lines, testing::Joined({kPropaneAD, kPropaneDI}));
    // The 4-cycle: neighbours at 1, the opposite corner at 2.
    EXPECT_EQ(windows.windows[1]->text.lines,
              testing::Joined({PlainBlock("cyclobutane_AD", "4 4",
                                          {"0.00 1.00 0.00 1.00 ", "1.00 0.00 1.00 0.00 ",
                                           "0.00 1.00 0.00 1.00 ", "1.00 0.00 1.00 0.00 "}),
                               PlainBlock("cyclobutane_DI", "4 4",
                                          {"0.00 1.00 2.00 1.00 ", "1.00 0.00 1.00 2.00 ",
                                           "2.00 1.00 0.00 1.00 ", "1.00 2.00 1.00 0.00 "})}));
    const std::vector<std::string> kept = {"propane_AD", "propane_DI", "cyclobutane_AD", "cyclobutane_DI"};
    EXPECT_EQ(first.kept, kept);
    EXPECT_EQ(StoredNames(), kept);

    // Again: printed again, but the store keeps the first ones.
    RecordedWindows again;
    const BasicMatricesResult second = RunBasicMatrices(workspace, {Ticked({0, 2}), true}, again);
    EXPECT_EQ(again.windows[0]->text.lines, testing::Joined({kPropaneAD, kPropaneDI}));
    EXPECT_TRUE(second.kept.empty());
    EXPECT_EQ(StoredNames(), kept);
    EXPECT_TRUE(messages.errors().empty());
}

TEST_F(BasicMatricesCommand, DistanceAloneWithoutStoredAdjacencyEndsWithItsWindowOpen) {
    LoadSample("propane");
    LoadSample("cyclobutane");
    RecordedWindows windows;
    const BasicMatricesResult result = RunBasicMatrices(workspace, {Ticked({2}), false}, windows);
    EXPECT_TRUE(result.failed);
    EXPECT_EQ(messages.errors(), (std::vector<std::string>{"Distance need Adjacency"}));
    ASSERT_EQ(windows.windows.size(), 1u); // the second molecule is not reached
    EXPECT_FALSE(windows.windows[0]->discarded);
    EXPECT_TRUE(windows.windows[0]->text.lines.empty());
    EXPECT_EQ(workspace.matrices.Count(), 0);
}

TEST_F(BasicMatricesCommand, CalculateAllGivesTheNineInTableOrderForEveryMolecule) {
    LoadSample("propane");
    LoadSample("ethene-water");
    RecordedWindows windows;
    const BasicMatricesResult result =
        RunBasicMatrices(workspace, {std::vector<bool>(9, true), true}, windows);
    EXPECT_FALSE(result.failed);
    std::vector<std::string> expected;
    for (const char* molecule : {"propane", "ethene-water"})
        for (const char* code : {"AD", "CON", "DI", "D3D", "DE", "CjDi", "CjDe", "CFDi", "CFDe"})
            expected.push_back(std::string(molecule) + "_" + code);
    EXPECT_EQ(result.printed, expected);
    EXPECT_EQ(StoredNames(), expected);
    EXPECT_EQ(windows.windows[1]->caption, "ethene-water.M");
}

TEST_F(BasicMatricesCommand, AMissingWorkFileEndsTheCommandWithoutAnEmptyWindow) {
    LoadSample("propane");
    workspace.molecules.Append("ghost");
    RecordedWindows windows;
    const BasicMatricesResult result = RunBasicMatrices(workspace, {Ticked({0}), true}, windows);
    EXPECT_TRUE(result.failed);
    ASSERT_EQ(windows.windows.size(), 2u);
    EXPECT_FALSE(windows.windows[0]->discarded);
    EXPECT_TRUE(windows.windows[1]->discarded);
    EXPECT_EQ(messages.errors(),
              (std::vector<std::string>{"Can't read molecule from " + workspace.WorkFilePath("ghost")}));
    // What was complete before the failure is kept.
    EXPECT_EQ(StoredNames(), (std::vector<std::string>{"propane_AD"}));
}

// Asks every running computation to stop.
class StopEverything final : public ProgressSink {
public:
    void Start(std::int64_t) override {}
    void Step() override {}
    void Done() override {}
    bool CancelRequested() override { return true; }
};

TEST_F(BasicMatricesCommand, ACancelledRunLeavesTheStoreAsItWas) {
    LoadSample("propane");
    Store("kept_AD", {{0}});
    StopEverything stop;
    ProgressSinkScope scope(stop);
    RecordedWindows windows;
    EXPECT_THROW(RunBasicMatrices(workspace, {std::vector<bool>(9, true), true}, windows),
                 ComputationCancelled);
    EXPECT_EQ(StoredNames(), (std::vector<std::string>{"kept_AD"}));
}

TEST_F(PropertiesCommand, ChargesOfTwoMoleculesGiveTwoMatricesAndPropertyFiles) {
    LoadSample("propane");
    LoadSample("cyclobutane");
    RecordedWindows windows;
    RunBasicMatrices(workspace, {Ticked({0, 2}), true}, windows);
    const CommandResult result = RunProperties(workspace, {true, true, true});
    EXPECT_FALSE(result.failed);
    EXPECT_TRUE(messages.errors().empty());
    EXPECT_EQ(result.kept, (std::vector<std::string>{"propane_CH", "cyclobutane_CH"}));
    for (const char* molecule : {"propane", "cyclobutane"}) {
        TAtomProperties properties;
        ASSERT_EQ(LoadProperties(properties, workspace.PropertyFilePath(molecule)), kPropertiesLoaded);
        for (const char* name : {"SGI", "atomic charge", "Group mass"})
            EXPECT_TRUE(properties.FindByName(name)) << molecule << " " << name;
    }
    // A propane CH3 group weighs 12.011 + 3 · 1 (one per hydrogen), its CH2 12.011 + 2.
    TAtomProperties propane;
    LoadProperties(propane, workspace.PropertyFilePath("propane"));
    EXPECT_NEAR(propane.FindByName("Group mass")->Values[0], 15.01, 0.006);
    EXPECT_NEAR(propane.FindByName("Group mass")->Values[1], 14.01, 0.006);
}

TEST_F(PropertiesCommand, Failures) {
    LoadSample("propane");
    // Charges without a stored distance matrix.
    EXPECT_TRUE(RunProperties(workspace, {true, true, false}).failed);
    EXPECT_EQ(messages.errors(), (std::vector<std::string>{"charges need distance matrix"}));
    EXPECT_FALSE(std::filesystem::exists(workspace.PropertyFilePath("propane")));

    // Charges alone: a molecule read from its work file has no SGI.
    messages.reporter.errors.clear();
    Store("propane_DI", {{0, 1, 2}, {1, 0, 1}, {2, 1, 0}});
    EXPECT_TRUE(RunProperties(workspace, {false, true, false}).failed);
    EXPECT_EQ(messages.errors(),
              (std::vector<std::string>{"CALCULATE SGI FIRST", "ERROR DIURING CALCULATING charges"}));
    EXPECT_EQ(workspace.matrices.Count(), 1);
}

} // namespace
} // namespace grafida
