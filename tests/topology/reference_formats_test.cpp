// The same reference molecules written by another program as SDF and as SMILES:
// the SDF must give the graph and matrices of the .HIN file (same atoms in the same
// order), the SMILES the values that do not depend on the atom order. GRAFIDA_REFERENCE_DIR
// (a folder with molecules/, values/, sdf/ and smiles.smi) runs the same checks over
// a larger set.

#include "TopologyTesting.h"
#include "molecule/MoleculeFiles.h"
#include "molecule/TextFields.h"
#include "numeric/SymmetricEigen.h"
#include "support/RecordingReporter.h"
#include "topology/BasicMatrices.h"
#include "topology/ClujIndices.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <nlohmann/json.hpp>
#include <set>

namespace grafida {
namespace {

using testing::RecordedMessages;
using testing::SameMatrix;

const BasicMatrix kCluj[] = {BasicMatrix::ClujDistance, BasicMatrix::ClujDetour,
                             BasicMatrix::ClujFragDistance, BasicMatrix::ClujFragDetour};

nlohmann::json ValuesOf(const std::string& folder, const std::string& name) {
    std::ifstream json(folder + "/values/" + name + ".json");
    return nlohmann::json::parse(json);
}

bool HasDetour(const nlohmann::json& values) {
    return values.contains("DE") && !values["DE"].is_null();
}

// What the reference values allow to check: the detour matrix where it was found,
// the Cluj matrices for the smaller molecules; the connectivity never (the letters
// of the two files differ by design).
BasicMatrixSelection SelectionFor(const nlohmann::json& values, bool with3D) {
    BasicMatrixSelection selection{};
    selection.fill(true);
    selection[static_cast<size_t>(BasicMatrix::Connectivity)] = false;
    selection[static_cast<size_t>(BasicMatrix::Distance3D)] = with3D;
    selection[static_cast<size_t>(BasicMatrix::Detour)] = HasDetour(values);
    for (const BasicMatrix which : kCluj)
        selection[static_cast<size_t>(which)] = values.contains("CjDi");
    return selection;
}

std::set<std::pair<int, int>> EdgesOf(const TMolecula& molecule) {
    std::set<std::pair<int, int>> edges;
    for (const TBond& bond : molecule.Bonds)
        edges.emplace(std::min(bond.A1, bond.A2), std::max(bond.A1, bond.A2));
    return edges;
}

std::vector<TMolecula> ReadAll(const std::string& path, const MoleculeReadOptions& options) {
    std::vector<TMolecula> molecules;
    ReadMoleculeFile(
        path, options, [](std::string_view) { return false; },
        [&](TMolecula&& molecule) { molecules.push_back(std::move(molecule)); });
    return molecules;
}

void CheckSdfAgainstHin(const std::string& folder, const std::string& name) {
    SCOPED_TRACE(name);
    const auto values = ValuesOf(folder, name);
    RecordedMessages messages;
    TMolecula hin;
    ASSERT_TRUE(hin.LoadFromHIN(folder + "/molecules/" + name + ".hin"));
    const auto read = ReadAll(folder + "/sdf/" + name + ".sdf", {});
    ASSERT_EQ(read.size(), 1u);
    const TMolecula& sdf = read[0];
    EXPECT_EQ(sdf.Name(), hin.Name());

    ASSERT_EQ(sdf.VertexCount(), hin.VertexCount());
    const auto hydrogens = values["hydrogens"].get<std::vector<int>>();
    for (int k = 0; k < sdf.VertexCount(); ++k) {
        EXPECT_EQ(sdf.Atoms[k].Element(), hin.Atoms[k].Element()) << "vertex " << k + 1;
        EXPECT_EQ(sdf.Atoms[k].HydrogenCount(), hin.Atoms[k].HydrogenCount()) << "vertex " << k + 1;
        EXPECT_EQ(sdf.Atoms[k].HydrogenCount(), hydrogens[static_cast<size_t>(k)]) << "vertex " << k + 1;
    }
    EXPECT_EQ(EdgesOf(sdf), EdgesOf(hin));

    const BasicMatrixSelection selection = SelectionFor(values, true);
    const BasicMatrixResults fromSdf = CalcBasicMatrices(sdf, selection);
    const BasicMatrixResults fromHin = CalcBasicMatrices(hin, selection);
    for (int k = 0; k < kBasicMatrixCount; ++k) {
        if (!selection[static_cast<size_t>(k)])
            continue;
        const std::string code = BasicMatrixCodes()[static_cast<size_t>(k)];
        SCOPED_TRACE(code);
        ASSERT_TRUE(fromSdf[static_cast<size_t>(k)] && fromHin[static_cast<size_t>(k)]);
        // The SDF keeps four decimals of the coordinates, the .HIN file five.
        const double tolerance = code == "D3D" ? 5e-4 : 0;
        EXPECT_TRUE(
            SameMatrix(*fromHin[static_cast<size_t>(k)], *fromSdf[static_cast<size_t>(k)], tolerance));
    }
    EXPECT_TRUE(messages.errors().empty());
}

// The sum of all entries over two: the Wiener index of DI, the detour index of DE.
double HalfSum(const TFLOATARRAY& matrix) {
    return matrix.TotalSum() / 2;
}

void CheckSmilesOrderFreeValues(const std::string& folder, const std::string& line) {
    const auto fields = SplitFields(line);
    ASSERT_EQ(fields.size(), 2u) << line;
    const std::string name(fields[1]);
    SCOPED_TRACE(name);
    const auto values = ValuesOf(folder, name);
    RecordedMessages messages;
    MoleculeRecord record;
    record.number = 1;
    // Order-free values need no coordinates: the embedding is left out.
    const auto molecule =
        ReadMoleculeRecord(line, MoleculeFormat::Smiles, record, "smiles.smi", name, {.embed3D = false});
    ASSERT_TRUE(molecule);
    const int n = static_cast<int>(values["elements"].size());
    ASSERT_EQ(molecule->VertexCount(), n);
    EXPECT_EQ(molecule->Bonds.size(), values["bonds"].size());

    const BasicMatrixSelection selection = SelectionFor(values, false);
    const BasicMatrixResults results = CalcBasicMatrices(*molecule, selection);
    const auto matrix = [&](BasicMatrix which) -> const TFLOATARRAY& {
        return *results[static_cast<size_t>(which)];
    };
    ASSERT_TRUE(results[static_cast<size_t>(BasicMatrix::Distance)]);
    EXPECT_EQ(HalfSum(matrix(BasicMatrix::Distance)), values["wiener"].get<double>());
    if (HasDetour(values)) {
        ASSERT_TRUE(results[static_cast<size_t>(BasicMatrix::Detour)]);
        EXPECT_EQ(HalfSum(matrix(BasicMatrix::Detour)), values["detour_index"].get<double>());
    }
    if (values.contains("CjDi")) {
        for (const BasicMatrix which : kCluj) {
            const std::string code = BasicMatrixCodes()[static_cast<size_t>(which)];
            ASSERT_TRUE(results[static_cast<size_t>(which)]) << code;
            EXPECT_EQ(CalcIP(&matrix(which))->Value(), values["IP_" + code].get<double>()) << code;
            EXPECT_EQ(CalcIE(&matrix(BasicMatrix::Adjacency), &matrix(which))->Value(),
                      values["IE_" + code].get<double>())
                << code;
        }
    }

    TFLOATARRAY work;
    work.Assign(matrix(BasicMatrix::Adjacency));
    TFLOATVEC eigenvalues(n);
    ASSERT_EQ(JacobiEigenvalues(work, eigenvalues, n), JacobiResult::Converged);
    std::vector<double> found;
    for (int k = 1; k <= n; ++k)
        found.push_back(eigenvalues.Get(k));
    std::sort(found.rbegin(), found.rend());
    const auto expected = values["ad_eig"].get<std::vector<double>>();
    ASSERT_EQ(found.size(), expected.size());
    for (size_t k = 0; k < found.size(); ++k)
        EXPECT_NEAR(found[k], expected[k], 1e-9) << "eigenvalue " << k + 1;
    EXPECT_TRUE(messages.errors().empty());
}

std::vector<std::string> SdfNames(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder + "/sdf"))
        if (entry.path().extension() == ".sdf")
            names.push_back(entry.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> SmilesLines(const std::string& folder) {
    std::vector<std::string> lines;
    std::ifstream file(folder + "/smiles.smi");
    for (std::string line; std::getline(file, line);)
        if (!TrimBlanks(line).empty())
            lines.push_back(line);
    return lines;
}

TEST(ReferenceFormats, SdfGivesTheGraphAndMatricesOfTheHinFile) {
    testing::ElementDataScope data;
    const std::string folder = testing::TestDataPath("reference-topology");
    const auto names = SdfNames(folder);
    ASSERT_GE(names.size(), 12u);
    for (const std::string& name : names)
        CheckSdfAgainstHin(folder, name);
}

TEST(ReferenceFormats, SmilesGiveTheOrderFreeValues) {
    testing::ElementDataScope data;
    const std::string folder = testing::TestDataPath("reference-topology");
    const auto lines = SmilesLines(folder);
    ASSERT_GE(lines.size(), 12u);
    for (const std::string& line : lines)
        CheckSmilesOrderFreeValues(folder, line);
}

TEST(ReferenceFormats, WholeReferenceSetWhenGiven) {
    const char* folder = std::getenv("GRAFIDA_REFERENCE_DIR");
    if (!folder)
        GTEST_SKIP() << "set GRAFIDA_REFERENCE_DIR to check a whole reference set";
    testing::ElementDataScope data;
    for (const std::string& name : SdfNames(folder))
        CheckSdfAgainstHin(folder, name);
    for (const std::string& line : SmilesLines(folder))
        CheckSmilesOrderFreeValues(folder, line);
}

} // namespace
} // namespace grafida
