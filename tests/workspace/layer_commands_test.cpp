#include "CommandTesting.h"
#include "workspace/LayerCommands.h"
#include "workspace/MoleculeCommands.h"

#include <algorithm>

namespace grafida {
namespace {

using testing::Lines;

class LayerCommands : public testing::CommandTest {
protected:
    // The path 1-2-3 (propane's skeleton).
    void StorePath() {
        Store("P3_AD", {{0, 1, 0}, {1, 0, 1}, {0, 1, 0}});
        Store("P3_DI", {{0, 1, 2}, {1, 0, 1}, {2, 1, 0}});
    }
};

// Layers of the path 1-2-3 with unit weights: (1,1,1), (1,2,0), (1,1,1).
// X = (0.111/3, 0.12/3, 0.111/3) = (0.037, 0.04, 0.037); C = 1/(1 + 1), 1/4^(1/4), 1/2.
// Column sums 3, 4, 2; PDS = (4, 2·2) = (4, 4); PRDS = (4, 2/2); PD^2S = (4, 2·4); PRD^2S = (4, 2/4).
const Lines kUnitLayers = {
    "$TFLOATARRAY",
    "P3_LM",
    "3 3",
    "1.00 1.00 1.00   3.00  0.04  0.50",
    "1.00 2.00 0.00   3.00  0.04  0.71",
    "1.00 1.00 1.00   3.00  0.04  0.50",
    "",
    "3.00 4.00 2.00   9.00 X = 0.11 C = 1.71",
    "",
    "CS = 3.00 4.00 2.00   9.00",
    "PDS = 4.00 4.00   8.00",
    "PRDS = 4.00 1.00   5.00",
    "PD^2S = 4.00 8.00   12.00",
    "PRD^2S = 4.00 0.50   4.50",
};

TEST_F(LayerCommands, UnitWeightsWithXAndCBesideEachRow) {
    StorePath();
    const CommandResult result = RunLayerMatrix(workspace, {"P3_AD", {}, {true, true, true, false}}, window);
    EXPECT_FALSE(result.failed);
    EXPECT_FALSE(result.discardWindow);
    EXPECT_EQ(result.caption, "P3_LM.M");
    Lines expected = kUnitLayers;
    expected.insert(expected.end(), {"SUM = 9.00", "1/2SUM = 4.50"});
    EXPECT_EQ(window.lines, expected);
    EXPECT_EQ(result.kept, (std::vector<std::string>{"P3_LM"}));
    EXPECT_EQ(StoredNames(), (std::vector<std::string>{"P3_AD", "P3_DI", "P3_LM"}));
}

TEST_F(LayerCommands, PolynomialRootsFollowTheLayerSums) {
    StorePath();
    const CommandResult result = RunLayerMatrix(workspace, {"P3_AD", {}, {false, true, true, true}}, window);
    EXPECT_FALSE(result.failed);
    // 3x² + 4x + 2 = 0: x = -2/3 ± i·√2/3 (±0.4714).
    ASSERT_EQ(window.lines.size(), kUnitLayers.size() + 4);
    EXPECT_TRUE(std::equal(kUnitLayers.begin(), kUnitLayers.end(), window.lines.begin()));
    EXPECT_EQ(window.lines[kUnitLayers.size()], "REAL ROOTS = -0.67 -0.67   -1.33");
    const std::string imaginary = window.lines[kUnitLayers.size() + 1];
    EXPECT_TRUE(imaginary.starts_with("IMAG ROOTS = -0.47 0.47 ") ||
                imaginary.starts_with("IMAG ROOTS = 0.47 -0.47 "))
        << imaginary;
    EXPECT_TRUE(workspace.matrices.Count() == 2); // not kept
}

TEST_F(LayerCommands, DerivedItemsAndAStoredPropertyInOneUntitledWindow) {
    LoadSample("propane");
    StorePath();
    Store("propane_DI", {{0, 1, 2}, {1, 0, 1}, {2, 1, 0}});
    // A property file as the Properties command writes it.
    scratch.write("propane.prp", "number of atoms\r\n3\r\naproperty MASS\r\n1\r\n2\r\n3\r\n");
    EXPECT_EQ(LayerPropertyLines(workspace),
              (std::vector<std::string>{"propane,Row sum,Col sum,Diagonal entries,MASS,"}));

    const CommandResult result =
        RunLayerMatrix(workspace, {"propane_DI", {"Row sum", "MASS"}, {true, true, true, false}}, window);
    EXPECT_FALSE(result.failed);
    EXPECT_EQ(result.caption, ""); // NONAME<n>
    EXPECT_EQ(WindowCaption(result, 2), "NONAME3");
    EXPECT_EQ(result.printed, (std::vector<std::string>{"propane_LM_DI_RS", "propane_LM_MASS"}));
    // Row sums of the distances (3, 2, 3): layers (3,2,3), (2,6,0), (3,2,3); X before C.
    // X = (0.323/8, 0.26/8, 0.323/8); C = 1/(2^(2/4) + 3^(4/4)), 1/6^(2/4).
    EXPECT_EQ(window.lines[3], "3.00 2.00 3.00   8.00  0.04  0.23");
    EXPECT_EQ(window.lines[4], "2.00 6.00 0.00   8.00  0.03  0.41");
    // MASS (1, 2, 3): layers (1,2,3), (2,4,0), (3,2,1); C before X.
    // C(1) = 1/(2^(2/4) + 3^(4/4)) = 0.23, X(1) = 0.123/6 = 0.02.
    const auto mass = std::find(window.lines.begin(), window.lines.end(), "propane_LM_MASS");
    ASSERT_NE(mass, window.lines.end());
    EXPECT_EQ(*(mass + 2), "1.00 2.00 3.00   6.00  0.23  0.02");
    EXPECT_EQ(result.kept, result.printed);
}

TEST_F(LayerCommands, Failures) {
    Store("P3_AD", {{0, 1, 0}, {1, 0, 1}, {0, 1, 0}});
    CommandResult result = RunLayerMatrix(workspace, {"P3_AD", {}, {}}, window);
    EXPECT_TRUE(result.failed && result.discardWindow);
    EXPECT_EQ(messages.errors(), (std::vector<std::string>{"Layer matrix need distance"}));

    // A distance matrix of another size than the property vector.
    messages.reporter.errors.clear();
    Store("P3_DI", {{0, 1}, {1, 0}});
    result = RunLayerMatrix(workspace, {"P3_AD", {"Row sum"}, {true}}, window);
    EXPECT_TRUE(result.failed && result.discardWindow);
    EXPECT_EQ(messages.errors(), (std::vector<std::string>{"ERROR DIURING CALCULATING layer matrix"}));
    EXPECT_EQ(workspace.matrices.Count(), 2);
}

TEST_F(LayerCommands, PolynomialsWithoutRootsEndTheCommandAndCloseTheWindow) {
    StorePath();
    Store("P1_AD", {{0}});
    Store("P1_DI", {{0}});
    Store("Z_AD", {{1, 1, 0}, {1, -2, 1}, {0, 1, 1}});
    Store("Z_DI", {{0, 1, 2}, {1, 0, 1}, {2, 1, 0}});
    const struct {
        std::string matrix;
        std::vector<std::string> items;
        std::string message;
    } cases[] = {
        // The adjacency matrix's diagonal is all 0: so is every layer sum.
        {"P3_AD", {"Diagonal entries"}, "System P3_LM_AD_DEl has all coeficients = 0"},
        // One vertex: the polynomial is the constant 1.
        {"P1_AD", {}, "System P1_LM has a constant polynomial, no roots"},
        // Diagonal (1, -2, 1) sums to 0: CS = (0, -2, 2), no coefficient for the highest power.
        {"Z_AD",
         {"Diagonal entries"},
         "System Z_LM_AD_DEl has a zero coefficient of the highest power, no roots"},
    };
    for (const auto& c : cases) {
        messages.reporter.errors.clear();
        StringListTarget target;
        const CommandResult result =
            RunLayerMatrix(workspace, {c.matrix, c.items, {true, true, true, true}}, target);
        EXPECT_TRUE(result.failed && result.discardWindow) << c.matrix;
        EXPECT_EQ(messages.errors(), std::vector<std::string>{c.message});
        EXPECT_TRUE(result.kept.empty());
    }
    EXPECT_EQ(workspace.matrices.Count(), 6);
}

TEST_F(LayerCommands, ShellMatrixOfTheAdjacencyHoldsTheDegrees) {
    StorePath();
    const CommandResult result = RunShellMatrix(workspace, {"P3_AD", {true, true, true, false}}, window);
    EXPECT_FALSE(result.failed);
    EXPECT_EQ(result.caption, "");
    // S = (1,1,0), (1,2,0), (1,1,0); with N = 2, C = 1/(1^(2/4) + 0) = 1 at the ends and
    // 1/2^(2/4) = 0.71 in the middle; X = (0.11/3, 0.12/3, 0.11/3). C before X.
    const Lines expected = {
        "$TFLOATARRAY",
        "P3_Sh_AD",
        "3 3",
        "1.00 1.00 0.00   2.00  1.00  0.04",
        "1.00 2.00 0.00   3.00  0.71  0.04",
        "1.00 1.00 0.00   2.00  1.00  0.04",
        "",
        "3.00 4.00 0.00   7.00 C = 2.71 X = 0.11",
        "",
        "CS = 3.00 4.00 0.00   7.00",
        "PDS = 4.00 0.00   4.00",
        "PRDS = 4.00 0.00   4.00",
        "PD^2S = 4.00 0.00   4.00",
        "PRD^2S = 4.00 0.00   4.00",
        "SUM = 7.00",
        "1/2SUM = 3.50",
    };
    EXPECT_EQ(window.lines, expected);
    EXPECT_EQ(result.kept, (std::vector<std::string>{"P3_Sh_AD"}));
}

TEST_F(LayerCommands, ShellFailuresLeaveNoWindow) {
    Store("P3_AD", {{0, 1, 0}, {1, 0, 1}, {0, 1, 0}});
    Store("P1_AD", {{0}});
    Store("P1_DI", {{0}});
    CommandResult result = RunShellMatrix(workspace, {"P3_AD", {}}, window);
    EXPECT_TRUE(result.failed && result.discardWindow);
    result = RunShellMatrix(workspace, {"P1_AD", {true, false, false, true}}, window);
    EXPECT_TRUE(result.failed && result.discardWindow);
    EXPECT_EQ(messages.errors(),
              (std::vector<std::string>{"Shell matrix need distance",
                                        "System P1_Sh_AD has a constant polynomial, no roots"}));
    EXPECT_TRUE(window.lines.empty());
    EXPECT_EQ(workspace.matrices.Count(), 3);
}

} // namespace
} // namespace grafida
