// The commands over real molecules of the reference set, against values computed
// without GRAFIDA (tests/data/reference/PROVENANCE.md).
#include "CommandTesting.h"
#include "numeric/NumberText.h"
#include "workspace/EigenvaluesCommand.h"
#include "workspace/LayerCommands.h"
#include "workspace/MoleculeCommands.h"

#include <algorithm>
#include <fstream>
#include <nlohmann/json.hpp>

namespace grafida {
namespace {

using ReferenceMolecules = testing::CommandTest;

const std::string kReference = std::string(GRAFIDA_TEST_DATA_DIR) + "/reference/";

TEST_F(ReferenceMolecules, DistancesEigenvaluesAndLayers) {
    workspace.settings.Width = 10;
    workspace.settings.Decimals = 6;
    for (const std::string name : {"naphthalene", "caffeine", "buckminsterfullerene"}) {
        workspace.matrices.Clear();
        workspace.molecules.Clear();
        LoadHin(kReference + "molecules/" + name + ".hin");
        std::ifstream file(kReference + "values/" + name + ".json");
        const auto reference = nlohmann::json::parse(file);
        const int n = reference["n"];

        testing::RecordedWindows windows;
        std::vector<bool> adjacencyAndDistance(9, false);
        adjacencyAndDistance[0] = adjacencyAndDistance[2] = true;
        ASSERT_FALSE(RunBasicMatrices(workspace, {adjacencyAndDistance, true}, windows).failed);
        const TFLOATARRAY* distance = workspace.matrices.Find(name + "_DI");
        ASSERT_TRUE(distance);
        for (int i = 1; i <= n; ++i)
            for (int j = 1; j <= n; ++j)
                ASSERT_EQ(distance->Get(i, j), reference["DI"][i - 1][j - 1].get<double>()) << name;

        // The eigenvalue lines follow "- Eigen values are -", in descending order.
        StringListTarget eigen;
        ASSERT_FALSE(RunEigenvalues(workspace, {name + "_AD", false}, eigen).failed);
        const auto values = std::find(eigen.lines.begin(), eigen.lines.end(), "- Eigen values are -");
        ASSERT_NE(values, eigen.lines.end());
        for (int k = 0; k < n; ++k) {
            const std::string& line = *(values + 1 + k); // left-aligned, padded with blanks
            const std::optional<double> value = ParseNumber(line.substr(0, line.find(' ')));
            ASSERT_TRUE(value) << line;
            EXPECT_NEAR(*value, reference["ad_eig"][k].get<double>(), 2e-6) << name;
        }

        // Unit weights: each row of a connected molecule's layer matrix counts all n vertices.
        StringListTarget layers;
        const CommandResult result =
            RunLayerMatrix(workspace, {name + "_AD", {}, {true, true, true, true}}, layers);
        ASSERT_FALSE(result.failed) << name;
        const TFLOATARRAY* l = workspace.matrices.Find(name + "_LM");
        ASSERT_TRUE(l);
        for (int i = 1; i <= n; ++i)
            EXPECT_EQ(l->RowSum(i), n);
        EXPECT_TRUE(std::any_of(layers.lines.begin(), layers.lines.end(),
                                [](const std::string& line) { return line.starts_with("REAL ROOTS = "); }));
    }
    EXPECT_TRUE(messages.errors().empty());
}

} // namespace
} // namespace grafida
