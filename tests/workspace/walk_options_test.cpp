// The names that saved matrix files offer the walk options, and the block they hand back.
#include "CommandTesting.h"
#include "workspace/WalkOptions.h"

namespace grafida::testing {
namespace {

TEST(WalkOptions, CandidatesFollowSingleLinesOnly) {
    // Basic names are left out only in their exact spelling; duplicates go regardless of case.
    const std::string text = "$Single\r\nA_W3_DI\r\n$Single\r\nA_DI\r\n$Single\r\nB_di\r\n"
                             "$TFLOATARRAY\r\nA_W9\r\n$Single x\nw3_di\n$Single\nnoUnderscore\n$Single";
    EXPECT_EQ(SingleMatrixNames(text), (Lines{"di", "noUnderscore", "W3_DI"}));
    EXPECT_TRUE(SingleMatrixNames("$TFLOATARRAY\r\nA_W3\r\n1 1\r\n0\r\n").empty());
}

TEST(WalkOptions, BlockKeepsRepeatsInOrder) {
    EXPECT_EQ(WalkOptionsBlock({"AD", "AD"}, {"DI"}, {"CjDi"}),
              (Lines{"begin walk matrices", "AD", "AD", ",", "DI", ",", "CjDi", "end walk matrices"}));
}

using SavedNames = CommandTest;

TEST_F(SavedNames, AFileOfThisProgramOffersNothingAndAMissingFileEmptiesTheSet) {
    workspace.molecules.Append("X");
    workspace.molecules.Append("Y");
    scratch.write("X.M", "$TFLOATARRAY\r\nX_W3_DI\r\n1 1\r\n0\r\n");
    scratch.write("Y.M", "$Single\r\nY_W3_DI\r\n");
    EXPECT_TRUE(CommonSavedMatrixNames(workspace).empty());
    scratch.write("X.M", "$Single\r\nX_W3_DI\r\n");
    workspace.molecules.Append("Z"); // no Z.M
    EXPECT_TRUE(CommonSavedMatrixNames(workspace).empty());
    const std::string dir = workspace.WorkDir();
    EXPECT_EQ(messages.reporter.informations,
              (Lines{"0 matrices found in " + dir, "0 matrices found in " + dir}));
}

} // namespace
} // namespace grafida::testing
