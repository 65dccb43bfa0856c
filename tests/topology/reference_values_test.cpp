// Real molecules written by another program, against values computed independently
// for their hydrogen-depleted graphs: every builder must agree with every value given.
// GRAFIDA_REFERENCE_DIR (a folder with molecules/ and values/) runs the same checks
// over a larger set.

#include "TopologyTesting.h"
#include "support/RecordingReporter.h"
#include "topology/BasicMatrices.h"
#include "topology/ClujIndices.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

namespace grafida {
namespace {

using testing::RecordedMessages;
using testing::SameMatrix;
using testing::ScratchDir;

TFLOATARRAY MatrixOf(const nlohmann::json& rows, const std::string& name) {
    std::vector<std::vector<double>> cells;
    for (const auto& row : rows)
        cells.push_back(row.get<std::vector<double>>());
    return TFLOATARRAY(name, cells);
}

void CheckMolecule(const std::string& folder, const std::string& name, bool throughWorkFile) {
    SCOPED_TRACE(name);
    std::ifstream json(folder + "/values/" + name + ".json");
    const auto reference = nlohmann::json::parse(json);
    RecordedMessages messages;
    TMolecula molecule;
    ASSERT_TRUE(molecule.LoadFromHIN(folder + "/molecules/" + name + ".hin"));
    if (throughWorkFile) {
        ScratchDir scratch;
        const std::string work = scratch.file(name + ".TOP");
        ASSERT_TRUE(molecule.SaveToFile(work));
        TMolecula reread;
        ASSERT_TRUE(reread.LoadFromFile(work));
        molecule = reread;
    }
    const std::string prefix = molecule.Name() + "_";

    BasicMatrixSelection selection{};
    selection.fill(true);
    const bool hasDetour = reference.contains("DE") && !reference["DE"].is_null();
    const bool hasCluj = reference.contains("CjDi");
    for (const BasicMatrix which : {BasicMatrix::Detour})
        selection[static_cast<size_t>(which)] = hasDetour;
    for (const BasicMatrix which : {BasicMatrix::ClujDistance, BasicMatrix::ClujDetour,
                                    BasicMatrix::ClujFragDistance, BasicMatrix::ClujFragDetour})
        selection[static_cast<size_t>(which)] = hasCluj;
    const BasicMatrixResults results = CalcBasicMatrices(molecule, selection);
    EXPECT_TRUE(messages.errors().empty());

    for (int k = 0; k < kBasicMatrixCount; ++k) {
        const std::string code = BasicMatrixCodes()[static_cast<size_t>(k)];
        if (!selection[static_cast<size_t>(k)])
            continue;
        SCOPED_TRACE(code);
        ASSERT_TRUE(results[static_cast<size_t>(k)]);
        // The reference distances differ from those of the file's five-decimal
        // coordinates by up to 1.4e-4; the work file keeps five significant digits.
        const double tolerance = code != "D3D" ? 0 : throughWorkFile ? 5e-3 : 5e-4;
        EXPECT_TRUE(SameMatrix(MatrixOf(reference[code], prefix + code), *results[static_cast<size_t>(k)],
                               tolerance));
    }
    if (hasCluj) {
        const TFLOATARRAY& adjacency = *results[static_cast<size_t>(BasicMatrix::Adjacency)];
        for (const BasicMatrix which : {BasicMatrix::ClujDistance, BasicMatrix::ClujDetour,
                                        BasicMatrix::ClujFragDistance, BasicMatrix::ClujFragDetour}) {
            const TFLOATARRAY& cluj = *results[static_cast<size_t>(which)];
            const std::string code = BasicMatrixCodes()[static_cast<size_t>(which)];
            EXPECT_EQ(CalcIP(&cluj)->Value(), reference["IP_" + code].get<double>()) << code;
            EXPECT_EQ(CalcIE(&adjacency, &cluj)->Value(), reference["IE_" + code].get<double>()) << code;
        }
    }
}

std::vector<std::string> MoleculeNames(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder + "/molecules"))
        if (entry.path().extension() == ".hin")
            names.push_back(entry.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(ReferenceValues, EveryBuilderAgreesStraightFromTheFile) {
    testing::ElementDataScope data;
    const std::string folder = testing::TestDataPath("reference-topology");
    const auto names = MoleculeNames(folder);
    ASSERT_GE(names.size(), 12u);
    for (const std::string& name : names)
        CheckMolecule(folder, name, false);
}

TEST(ReferenceValues, EveryBuilderAgreesThroughTheWorkFile) {
    testing::ElementDataScope data;
    const std::string folder = testing::TestDataPath("reference-topology");
    for (const std::string& name : MoleculeNames(folder))
        CheckMolecule(folder, name, true);
}

TEST(ReferenceValues, WholeReferenceSetWhenGiven) {
    const char* folder = std::getenv("GRAFIDA_REFERENCE_DIR");
    if (!folder)
        GTEST_SKIP() << "set GRAFIDA_REFERENCE_DIR to check a whole reference set";
    testing::ElementDataScope data;
    for (const std::string& name : MoleculeNames(folder))
        CheckMolecule(folder, name, false);
}

} // namespace
} // namespace grafida
