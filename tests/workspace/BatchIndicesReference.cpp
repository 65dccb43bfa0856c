#include "BatchIndicesReference.h"

#include "numeric/Messages.h"
#include "numeric/Reporter.h"
#include "numeric/SymmetricEigen.h"
#include "topology/BasicMatrices.h"
#include "topology/ClujIndices.h"
#include "topology/CombinatorialMatrix.h"
#include "topology/GraphIndices.h"

#include <cmath>

namespace grafida {

namespace {
std::variant<std::monostate, std::string, int, double> Optional(const std::optional<double>& value) {
    if (value)
        return *value;
    return std::monostate{};
}
} // namespace

std::vector<Descriptor> DescriptorTable(const MoleculeIndices& m) {
    return {
        {"molecule", m.molecule},   {"vertices", m.vertices},      {"edges", m.edges},
        {"randic", m.randic},       {"wiener", m.wiener},          {"comb_distance", m.combDistance},
        {"detour", m.detour},       {"comb_detour", m.combDetour}, {"distance3d", Optional(m.distance3d)},
        {"IP_CjDi", m.cluj[0]},     {"IE_CjDi", m.cluj[1]},        {"IP_CjDe", m.cluj[2]},
        {"IE_CjDe", m.cluj[3]},     {"IP_CFDi", m.cluj[4]},        {"IE_CFDi", m.cluj[5]},
        {"IP_CFDe", m.cluj[6]},     {"IE_CFDe", m.cluj[7]},        {"ad_eig_max", m.adEigMax},
        {"ad_eig_min", m.adEigMin},
    };
}

const std::array<const char*, 19>& MoleculeIndexColumns() {
    static const std::array<const char*, 19> columns = [] {
        std::array<const char*, 19> names{};
        const std::vector<Descriptor> table = DescriptorTable(MoleculeIndices{});
        for (size_t k = 0; k < names.size() && k < table.size(); ++k)
            names[k] = table[k].column;
        return names;
    }();
    return columns;
}

namespace {

std::optional<double> HalfSumOfCombinatorial(const TFLOATARRAY& matrix) {
    const auto combinatorial = CombinatorialMatrix(&matrix);
    if (!combinatorial)
        return std::nullopt;
    return HalfSum(*combinatorial);
}

} // namespace

std::optional<MoleculeIndices> CalcMoleculeIndices(const TMolecula& molecule, bool with3D) {
    BasicMatrixSelection selection{};
    selection.fill(true);
    selection[static_cast<int>(BasicMatrix::Connectivity)] = false;
    selection[static_cast<int>(BasicMatrix::Distance3D)] = with3D && molecule.HasCoordinates();
    const BasicMatrixResults matrices = CalcBasicMatrices(molecule, selection);
    for (int k = 0; k < kBasicMatrixCount; ++k)
        if (selection[static_cast<size_t>(k)] && !matrices[static_cast<size_t>(k)])
            return std::nullopt;
    const auto& matrix = [&](BasicMatrix which) -> const TFLOATARRAY& {
        return *matrices[static_cast<size_t>(which)];
    };

    MoleculeIndices indices;
    indices.molecule = molecule.Name();
    indices.vertices = molecule.VertexCount();
    indices.edges = static_cast<int>(molecule.Bonds.size());
    indices.randic = RandicIndex(molecule);
    indices.wiener = HalfSum(matrix(BasicMatrix::Distance));
    indices.detour = HalfSum(matrix(BasicMatrix::Detour));
    if (selection[static_cast<int>(BasicMatrix::Distance3D)])
        indices.distance3d = HalfSum(matrix(BasicMatrix::Distance3D));
    const auto combDistance = HalfSumOfCombinatorial(matrix(BasicMatrix::Distance));
    const auto combDetour = HalfSumOfCombinatorial(matrix(BasicMatrix::Detour));
    if (!combDistance || !combDetour)
        return std::nullopt;
    indices.combDistance = *combDistance;
    indices.combDetour = *combDetour;

    const BasicMatrix cluj[] = {BasicMatrix::ClujDistance, BasicMatrix::ClujDetour,
                                BasicMatrix::ClujFragDistance, BasicMatrix::ClujFragDetour};
    const TFLOATARRAY& adjacency = matrix(BasicMatrix::Adjacency);
    for (int k = 0; k < 4; ++k) {
        const auto ip = CalcIP(&matrix(cluj[k]));
        const auto ie = CalcIE(&adjacency, &matrix(cluj[k]));
        if (!ip || !ie)
            return std::nullopt;
        indices.cluj[static_cast<size_t>(2 * k)] = static_cast<double>(ip->Value());
        indices.cluj[static_cast<size_t>(2 * k + 1)] = static_cast<double>(ie->Value());
    }

    const int n = molecule.VertexCount();
    if (n > 0) {
        TFLOATARRAY work;
        work.Assign(adjacency);
        TFLOATVEC eigenvalues(n);
        if (JacobiEigenvalues(work, eigenvalues, n) != JacobiResult::Converged) {
            ShowError(messages::kErrorCalculating, "adjacency eigenvalues");
            return std::nullopt;
        }
        indices.adEigMax = eigenvalues.Get(1);
        indices.adEigMin = eigenvalues.Get(n);
    }
    return indices;
}

} // namespace grafida
