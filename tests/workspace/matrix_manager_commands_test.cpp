// The matrix manager's commands over a small store, with expected values worked out by hand.
#include "CommandTesting.h"
#include "workspace/MatrixManagerCommands.h"

#include <filesystem>

namespace grafida::testing {
namespace {

class MatrixManagerTest : public CommandTest {
protected:
    // Answers input boxes from a script and records what each started with.
    AskText Answers(std::vector<std::optional<std::string>> answers) {
        return [this, answers = std::move(answers)](
                   const std::string& caption, const std::string& prompt,
                   const std::string& value) mutable -> std::optional<std::string> {
            asked.push_back(caption + "|" + prompt + "|" + value);
            if (answers.empty())
                return std::nullopt;
            auto answer = answers.front();
            answers.erase(answers.begin());
            return answer;
        };
    }
    std::vector<std::string> asked;
};

TEST_F(MatrixManagerTest, SelectAllFollowsTwoOrMoreMatrices) {
    EXPECT_TRUE(MatrixManagerEntries(workspace).empty());
    Store("A_AD", {{0}});
    EXPECT_EQ(MatrixManagerEntries(workspace), Lines{"A_AD"});
    Store("A_DI", {{0}});
    EXPECT_EQ(MatrixManagerEntries(workspace), (Lines{"A_AD", "A_DI", "Select all"}));
}

TEST_F(MatrixManagerTest, DisplayPrintsClujIndicesAndNamesTheWindow) {
    workspace.settings.Width = 4;
    workspace.settings.Decimals = 2;
    // Propane's Cluj distance matrix: IP = 1*2 + 1*1 + 2*1 = 5, IE over the two bonds = 2 + 2 = 4.
    Store("P_CjDi", {{0, 1, 1}, {2, 0, 2}, {1, 1, 0}});
    Store("P_AD", {{0, 1, 0}, {1, 0, 1}, {0, 1, 0}});
    const CommandResult one = DisplayMatrices(workspace, {"P_CjDi"}, window);
    EXPECT_EQ(one.caption, "P_CjDi.M");
    EXPECT_FALSE(one.discardWindow);
    const Lines tail(window.lines.end() - 3, window.lines.end());
    EXPECT_EQ(tail, (Lines{"IP_CjDi = 5.00", "IE_CjDi = 4.00", ""}));

    StringListTarget two;
    const CommandResult both = DisplayMatrices(workspace, {"P_CjDi", "P_AD"}, two);
    EXPECT_EQ(both.caption, "");
    EXPECT_FALSE(both.discardWindow);

    StringListTarget none;
    EXPECT_TRUE(DisplayMatrices(workspace, {}, none).discardWindow);
    EXPECT_TRUE(none.lines.empty());
}

TEST_F(MatrixManagerTest, DisplayAsksAboutAMissingAdjacencyMatrixAndAVanishedName) {
    Store("P_CjDi", {{0, 1, 1}, {2, 0, 2}, {1, 1, 0}});
    Store("Q_DI", {{0}});
    messages.reporter.answer = Answer::No;
    const CommandResult result = DisplayMatrices(workspace, {"P_CjDi", "Q_DI"}, window);
    EXPECT_EQ(messages.reporter.questions, Lines{"Adjacency matrix for P is missing\r\nContinue ?"});
    EXPECT_EQ(window.lines.back(), "IP_CjDi = 5.00");
    EXPECT_EQ(result.printed, Lines{"P_CjDi"}); // No ended the loop before Q_DI
    EXPECT_EQ(result.caption, "");              // the caption step was skipped

    messages.reporter.questions.clear();
    messages.reporter.answer = Answer::Cancel;
    StringListTarget other;
    EXPECT_TRUE(DisplayMatrices(workspace, {"gone", "Q_DI"}, other).discardWindow);
    EXPECT_EQ(messages.reporter.questions, Lines{"Matrix gone not found continue ?"});
}

TEST_F(MatrixManagerTest, DeleteRemovesOnlyMoleculesThatLostTheirLastMatrix) {
    for (const char* name : {"A", "B", "C", "D"})
        workspace.molecules.Append(name);
    Store("A_AD", {{0}});
    Store("A_DI", {{0}});
    Store("b_AD", {{0}}); // molecule names ignore letter case
    Store("D_AD", {{0}});
    DeleteMatrices(workspace, {"A_AD", "b_AD", "not stored"});
    EXPECT_EQ(StoredNames(), (Lines{"A_DI", "D_AD"}));
    // B lost its only matrix; C never had one and stays.
    EXPECT_EQ(workspace.molecules.Names(), (Lines{"A", "C", "D"}));

    DeleteMatrices(workspace, {"A_DI", "D_AD"});
    EXPECT_TRUE(workspace.matrices.Empty());
    EXPECT_EQ(workspace.molecules.Names(), Lines{"C"});
}

TEST_F(MatrixManagerTest, CopyRefusesTakenNamesInAnyCase) {
    Store("A_DI", {{1, 2}, {3, 4}});
    Store("B_DI", {{0}});
    const Lines entries = MatrixManagerEntries(workspace);
    CopyMatrices(workspace, {"A_DI", "B_DI"}, entries, Answers({"a_di", "SELECT ALL"}));
    CopyMatrices(workspace, {"A_DI"}, entries, Answers({"new_name"}));
    CopyMatrices(workspace, {"A_DI", "B_DI"}, entries, Answers({std::nullopt, "Copy of B"}));
    EXPECT_EQ(messages.reporter.informations,
              (Lines{"Matrix with name a_di already exists", "Matrix with name SELECT ALL already exists",
                     "Matrix with name new_name already exists"}));
    EXPECT_EQ(StoredNames(), (Lines{"A_DI", "B_DI", "Copy of B"}));
    EXPECT_EQ(asked.front(), "Enter new matrix name|Name|A_DI");
}

TEST_F(MatrixManagerTest, ScalarValuesAreReadWithAPointAndTakenInSinglePrecision) {
    Store("A_DI", {{0, 1}, {1, 0}});
    EXPECT_TRUE(ApplyScalar(workspace, ScalarOperation::Multiply, {"A_DI"}, Answers({"2.5"})));
    EXPECT_TRUE(ApplyScalar(workspace, ScalarOperation::Multiply, {"A_DI"}, Answers({"2,5"})));
    EXPECT_EQ(messages.reporter.informations, Lines{"2,5 not a number"});
    ASSERT_EQ(StoredNames(), (Lines{"A_DI", "A_DI_MUL2.50"}));
    EXPECT_EQ(workspace.matrices.Item(1).Get(1, 2), 2.5);

    // 0.1 is not exact in single precision: the stored sum shows the float's value.
    EXPECT_TRUE(ApplyScalar(workspace, ScalarOperation::Add, {"A_DI"}, Answers({"0.1"})));
    EXPECT_EQ(workspace.matrices.Find("A_DI_ADD0.10")->Get(1, 1), static_cast<double>(0.1f));

    // The box starts with the text entered last during the command.
    asked.clear();
    ApplyScalar(workspace, ScalarOperation::Subtract, {"A_DI", "A_DI_MUL2.50"}, Answers({"1", std::nullopt}));
    EXPECT_EQ(asked, (Lines{"Enter number|Value|", "Enter number|Value|1"}));

    EXPECT_FALSE(ApplyScalar(workspace, ScalarOperation::Divide, {"A_DI"}, Answers({"0"})));
    EXPECT_EQ(messages.errors(), Lines{"Floating point division by zero"});
}

TEST_F(MatrixManagerTest, TransposeAndInverse) {
    Store("A_X", {{1, 2}, {3, 4}});
    Store("A_S", {{1, 2}, {2, 4}}); // singular
    Store("A_R", {{1, 2, 3}});
    EXPECT_TRUE(TransposeMatrices(workspace, {"A_X"}));
    EXPECT_EQ(workspace.matrices.Find("A_TRANS_X")->Get(1, 2), 3.0);
    EXPECT_FALSE(TransposeMatrices(workspace, {"A_R", "A_S"}));
    EXPECT_EQ(messages.errors(), Lines{"Error not a square matrix 'A_R'"});
    EXPECT_EQ(workspace.matrices.Find("A_TRANS_S"), nullptr);

    messages.reporter.answer = Answer::No;
    InvertMatrices(workspace, {"A_S", "A_X"});
    EXPECT_EQ(messages.reporter.questions, Lines{"System A_S is singular, \r\nContinue ?"});
    EXPECT_EQ(workspace.matrices.Find("A_INV_X"), nullptr);
    messages.reporter.answer = Answer::Yes;
    InvertMatrices(workspace, {"A_S", "A_X"});
    // The inverse of (1 2; 3 4) is (-2 1; 1.5 -0.5).
    const TFLOATARRAY* inverse = workspace.matrices.Find("A_INV_X");
    ASSERT_NE(inverse, nullptr);
    EXPECT_NEAR(inverse->Get(2, 1), 1.5, 1e-12);
}

TEST_F(MatrixManagerTest, EigenvaluesOfSymmetricMatricesOnly) {
    Store("A_AD", {{0, 1}, {1, 0}});
    Store("A_U", {{0, 1}, {0, 0}});
    RecordedWindows windows;
    EXPECT_EQ(PrintMatrixEigenvalues(workspace, {"A_AD", "A_U"}, windows), 1);
    ASSERT_EQ(windows.windows.size(), 1u);
    EXPECT_EQ(windows.windows[0]->caption, "");
    EXPECT_EQ(windows.windows[0]->text.lines, (Lines{"- Eigenvalues are -", "1 1.00", "2 -1.00"}));
    EXPECT_EQ(messages.reporter.informations, Lines{"Eigenvalues for 1 matrices computed"});
}

TEST_F(MatrixManagerTest, CharacteristicPolynomialUsesRealPartsOnly) {
    // Eigenvalues of (0 -1; 1 0) are ±i: the real parts 0 and 0 give x² (1 0 0).
    Store("A_ROT", {{0, -1}, {1, 0}});
    // (2 1; 1 2) has eigenvalues 1 and 3: x² - 4x + 3.
    Store("A_S", {{2, 1}, {1, 2}});
    EXPECT_TRUE(PrintCharacteristicPolynomials(workspace, {"A_ROT", "A_S"}, window));
    EXPECT_EQ(window.lines,
              (Lines{"Coeficients for characteristic polynomial for matrix A_ROT is:", "1.00 0.00 0.00 ",
                     "Coeficients for characteristic polynomial for matrix A_S is:", "1.00 -4.00 3.00 "}));
}

TEST_F(MatrixManagerTest, DroppingOnSelectAllMovesToTheEnd) {
    Store("A", {{0}});
    Store("B", {{0}});
    Store("C", {{0}});
    EXPECT_TRUE(ReorderMatrix(workspace, 0, 3)); // row 3 is "Select all"
    EXPECT_EQ(StoredNames(), (Lines{"B", "C", "A"}));
    EXPECT_TRUE(ReorderMatrix(workspace, 2, -1));
    EXPECT_TRUE(ReorderMatrix(workspace, 2, 0));
    EXPECT_EQ(StoredNames(), (Lines{"A", "B", "C"}));
    EXPECT_FALSE(ReorderMatrix(workspace, 3, 0)); // the "Select all" entry itself
}

TEST_F(MatrixManagerTest, SaveWritesEachMatrixAndReportsAFailedWrite) {
    Store("A_DI", {{0, 1}, {1, 0}});
    EXPECT_EQ(SaveMatrices(workspace, {"A_DI"}), 1);
    EXPECT_NE(ReadFile(scratch.file("A_DI.M")).find("A_DI\r\n"), std::string::npos);
    workspace.settings.WorkDir = scratch.file("missing folder");
    EXPECT_EQ(SaveMatrices(workspace, {"A_DI"}), 0);
    EXPECT_EQ(messages.errors(), Lines{"Can't write file " + scratch.file("missing folder") + "/A_DI.M"});
}

} // namespace
} // namespace grafida::testing
