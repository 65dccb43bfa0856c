#include "CommandTesting.h"
#include "workspace/EigenvaluesCommand.h"
#include "workspace/MatrixOperationCommands.h"
#include "workspace/WalkCommands.h"

#include <clocale>

namespace grafida {
namespace {

using testing::Lines;
using testing::PlainBlock;

using WalkCommands = testing::CommandTest;
using MatrixOperations = testing::CommandTest;
using EigenvaluesCommand = testing::CommandTest;

const std::vector<std::vector<double>> kPathAD = {{0, 1, 0}, {1, 0, 1}, {0, 1, 0}};
const std::vector<std::vector<double>> kPathDI = {{0, 1, 2}, {1, 0, 1}, {2, 1, 0}};

Lines Rows(const Lines& lines) {
    return Lines(lines.begin() + 3, lines.end());
}

TEST_F(WalkCommands, WMatrixOfThePathCountsWalks) {
    Store("propane_AD", kPathAD);
    // One step: the degrees (1, 2, 1); two steps: every vertex starts 2 walks.
    CommandResult result = RunWMatrix(workspace, {"propane_AD", {}, 1, true}, window);
    EXPECT_FALSE(result.failed);
    EXPECT_EQ(result.caption, "propane_W1_AD.M");
    EXPECT_EQ(window.lines,
              testing::Joined({PlainBlock("propane_W1_AD", "3 3",
                                          {"1.00 1.00 0.00 ", "1.00 2.00 1.00 ", "0.00 1.00 1.00 "}),
                               {"Diagonal elements sum = 4.00"}}));
    StringListTarget twoSteps;
    result = RunWMatrix(workspace, {"propane_AD", {}, 2, true}, twoSteps);
    EXPECT_EQ(twoSteps.lines.back(), "Diagonal elements sum = 6.00");
    EXPECT_EQ(StoredNames(), (std::vector<std::string>{"propane_AD", "propane_W1_AD", "propane_W2_AD"}));
}

TEST_F(WalkCommands, WMatrixWithPropertiesStopsAtAMissingOne) {
    LoadSample("propane");
    Store("propane_AD", kPathAD);
    scratch.write("propane.prp", "number of atoms\r\n3\r\naproperty MASS\r\n1\r\n2\r\n3\r\n");
    EXPECT_EQ(WMatrixPropertyLines(workspace), (std::vector<std::string>{"propane,MASS,"}));
    const CommandResult result = RunWMatrix(workspace, {"propane_AD", {"MASS", "SGI"}, 1, true}, window);
    EXPECT_TRUE(result.failed);
    EXPECT_FALSE(result.discardWindow); // the MASS matrix was printed
    EXPECT_EQ(result.caption, "");
    EXPECT_EQ(messages.errors(), (std::vector<std::string>{"W matrix need SGI"}));
    // Seeded with (1, 2, 3): one step gives (2, 1 + 3, 2).
    EXPECT_EQ(window.lines,
              testing::Joined({PlainBlock("propane_W1_AD_MASS", "3 3",
                                          {"2.00 1.00 0.00 ", "1.00 4.00 1.00 ", "0.00 1.00 2.00 "}),
                               {"Diagonal elements sum = 8.00"}}));
    EXPECT_EQ(result.kept, (std::vector<std::string>{"propane_W1_AD_MASS"}));
}

TEST_F(WalkCommands, WalkOperator) {
    Store("propane_AD", kPathAD);
    Store("propane_DI", kPathDI);
    Store("two_AD", {{0, 1}, {1, 0}});
    // Neighbours are at distance 1: R(i, j) = degree of i.
    CommandResult result =
        RunWalkOperator(workspace, {{"propane_AD", "propane_DI", "propane_AD"}, false}, window);
    EXPECT_FALSE(result.failed);
    EXPECT_EQ(result.caption, "propane_W_AD_DI_AD.M");
    EXPECT_EQ(Rows(window.lines), (Lines{"0.00 1.00 0.00 ", "2.00 0.00 2.00 ", "0.00 1.00 0.00 "}));

    StringListTarget empty;
    result = RunWalkOperator(workspace, {{"propane_AD", "two_AD", "propane_AD"}, true}, empty);
    EXPECT_TRUE(result.failed);
    EXPECT_FALSE(result.discardWindow); // the window stays, empty
    EXPECT_TRUE(empty.lines.empty());
    EXPECT_EQ(messages.errors(), (std::vector<std::string>{"ERROR DIURING CALCULATING walk operator"}));
    EXPECT_EQ(workspace.matrices.Count(), 3);
}

TEST_F(MatrixOperations, CombinatorialMatrix) {
    Store("propane_DI", kPathDI);
    Store("X", {{-1, 0}, {-2, 2}});
    CommandResult result = RunCombinatorialMatrix(workspace, {"propane_DI", true}, window);
    EXPECT_EQ(result.caption, "propane_Comb_DI.M");
    EXPECT_EQ(Rows(window.lines), (Lines{"0.00 1.00 3.00 ", "1.00 0.00 1.00 ", "3.00 1.00 0.00 "}));
    // -1 and 0 both give 0 (not "-0.00"), -2 gives 1, 2 gives 3.
    StringListTarget signs;
    result = RunCombinatorialMatrix(workspace, {"X", false}, signs);
    EXPECT_EQ(result.caption, "Comb_X.M");
    EXPECT_EQ(Rows(signs.lines), (Lines{"0.00 0.00 ", "1.00 3.00 "}));
    EXPECT_EQ(StoredNames(), (std::vector<std::string>{"propane_DI", "X", "propane_Comb_DI"}));
}

TEST_F(MatrixOperations, TwoMatrixOperationsTakeTheFirstAsLeftOperand) {
    Store("A_X", {{1, 2}, {3, 4}});
    Store("B_Y", {{5, 6}, {7, 8}});
    const struct {
        TwoMatrixOperation operation;
        std::vector<std::string> matrices;
        std::string caption;
        Lines rows;
    } cases[] = {
        {TwoMatrixOperation::Difference, {"A_X", "B_Y"}, "A_X_DIF_Y.M", {"-4.00 -4.00 ", "-4.00 -4.00 "}},
        {TwoMatrixOperation::Difference, {"B_Y", "A_X"}, "B_Y_DIF_X.M", {"4.00 4.00 ", "4.00 4.00 "}},
        {TwoMatrixOperation::Sum, {"A_X", "B_Y"}, "A_X_SUM_Y.M", {"6.00 8.00 ", "10.00 12.00 "}},
        {TwoMatrixOperation::CramerProduct, {"A_X", "B_Y"}, "", {"19.00 22.00 ", "43.00 50.00 "}},
        {TwoMatrixOperation::HadamardProduct, {"A_X", "B_Y"}, "", {"5.00 12.00 ", "21.00 32.00 "}},
    };
    for (const auto& c : cases) {
        StringListTarget target;
        const CommandResult result =
            RunTwoMatrixOperation(workspace, c.operation, {c.matrices, false}, target);
        EXPECT_FALSE(result.failed);
        if (!c.caption.empty()) {
            EXPECT_EQ(result.caption, c.caption);
        }
        EXPECT_EQ(Rows(target.lines), c.rows) << result.caption;
    }
    EXPECT_EQ(workspace.matrices.Count(), 2);
    EXPECT_TRUE(messages.errors().empty());
}

TEST_F(MatrixOperations, KeepingTheSameSumTwiceStoresItOnce) {
    Store("A_X", {{1, 2}, {3, 4}});
    Store("B_Y", {{5, 6}, {7, 8}});
    const CommandResult first =
        RunTwoMatrixOperation(workspace, TwoMatrixOperation::Sum, {{"A_X", "B_Y"}, true}, window);
    StringListTarget second;
    const CommandResult again =
        RunTwoMatrixOperation(workspace, TwoMatrixOperation::Sum, {{"A_X", "B_Y"}, true}, second);
    EXPECT_EQ(first.kept, (std::vector<std::string>{"A_X_SUM_Y"}));
    EXPECT_TRUE(again.kept.empty());
    EXPECT_EQ(second.lines, window.lines); // still shown
    EXPECT_EQ(StoredNames(), (std::vector<std::string>{"A_X", "B_Y", "A_X_SUM_Y"}));
}

TEST_F(MatrixOperations, SizesThatDoNotFitPrintAndKeepNothing) {
    Store("A_X", {{1, 2}, {3, 4}});
    Store("C_Z", {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}});
    const CommandResult result =
        RunTwoMatrixOperation(workspace, TwoMatrixOperation::Sum, {{"A_X", "C_Z"}, true}, window);
    EXPECT_TRUE(result.failed && result.discardWindow);
    EXPECT_TRUE(window.lines.empty());
    EXPECT_EQ(messages.errors(),
              (std::vector<std::string>{"Error objects must be of the same range but are 2 3"}));
    EXPECT_EQ(workspace.matrices.Count(), 2);
}

TEST_F(MatrixOperations, ReciprocalLeavesZerosAlone) {
    Store("A_X", {{1, 0}, {4, 2}});
    const CommandResult result = RunReciprocal(workspace, {"A_X", true}, window);
    EXPECT_EQ(Rows(window.lines), (Lines{"1.00 0.00 ", "0.25 0.50 "}));
    EXPECT_EQ(result.kept.size(), 1u);
    EXPECT_EQ(workspace.matrices.Count(), 2);
}

TEST_F(EigenvaluesCommand, SymmetricMatrixGivesSortedValuesAndAKeepableVectorMatrix) {
    Store("P2_AD", {{0, 1}, {1, 0}});
    const CommandResult result = RunEigenvalues(workspace, {"P2_AD", true}, window);
    EXPECT_FALSE(result.failed);
    EXPECT_EQ(result.caption, "P2_AD_Eig.M");
    EXPECT_EQ(window.lines,
              testing::Joined({PlainBlock("P2_AD", "2 2", {"0.00 1.00 ", "1.00 0.00 "}),
                               {"- Eigen values are -", "1.00", "-1.00"},
                               PlainBlock("P2_EIGV_AD", "2 2", {"0.71 0.71 ", "0.71 -0.71 "})}));
    EXPECT_EQ(StoredNames(), (std::vector<std::string>{"P2_AD", "P2_EIGV_AD"}));
}

// The user's locale while it lives; the C locale afterwards.
class GermanLocale {
public:
    GermanLocale() { active = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr; }
    ~GermanLocale() { std::setlocale(LC_ALL, "C"); }
    bool active = false;
};

TEST_F(EigenvaluesCommand, GeneralMatrixGivesOneLinePerEigenvalue) {
    const GermanLocale german; // numbers are printed with "." all the same
    ASSERT_TRUE(german.active) << "the de_DE.UTF-8 locale is missing: scripts/setup generates it";
    Store("N_X", {{2, 1}, {0, 1}});
    Store("R_X", {{1, -1}, {1, 1}});
    CommandResult result = RunEigenvalues(workspace, {"N_X", true}, window);
    EXPECT_FALSE(result.failed);
    EXPECT_EQ(window.lines, testing::Joined({PlainBlock("N_X", "2 2", {"2.00 1.00 ", "0.00 1.00 "}),
                                             {"-REAL EIGENVALUES ARE-", "2.00", "1.00", "-EIGEN VECTORS ARE-",
                                              "1.00 0.00 ", "0.71 -0.71 "}}));
    // 1 ± i: no real eigenvector, one line for each.
    StringListTarget complex;
    result = RunEigenvalues(workspace, {"R_X", true}, complex);
    EXPECT_FALSE(result.failed);
    ASSERT_EQ(complex.lines.size(), 5u + 3 + 3 + 3);
    EXPECT_EQ(complex.lines[11], "-EIGEN VECTORS ARE-");
    EXPECT_EQ(complex.lines[5], "-REAL EIGENVALUES ARE-");
    EXPECT_EQ(complex.lines[8], "-IMAGINARY EIGENVALUES ARE-");
    for (size_t k = 12; k < 14; ++k)
        EXPECT_TRUE(complex.lines[k].starts_with("No real eigenvector for 1.0000     ")) << complex.lines[k];
    EXPECT_EQ(workspace.matrices.Count(), 2); // nothing to keep from a general matrix
}

TEST_F(EigenvaluesCommand, NoIterationsFailsAfterPrintingTheMatrix) {
    Store("P2_AD", {{0, 1}, {1, 0}});
    workspace.settings.Iterations = 0;
    const CommandResult result = RunEigenvalues(workspace, {"P2_AD", true}, window);
    EXPECT_TRUE(result.failed);
    EXPECT_FALSE(result.discardWindow);
    EXPECT_EQ(window.lines, PlainBlock("P2_AD", "2 2", {"0.00 1.00 ", "1.00 0.00 "}));
    EXPECT_EQ(messages.errors(), (std::vector<std::string>{"System P2_AD not converget, aborting ..."}));
    EXPECT_EQ(workspace.matrices.Count(), 1);
}

} // namespace
} // namespace grafida
