#include "workspace/MoleculeIndices.h"

#include "numeric/Reporter.h"
#include "numeric/SymmetricEigen.h"
#include "topology/BasicMatrices.h"
#include "topology/ClujIndices.h"
#include "topology/CombinatorialMatrix.h"

#include <cmath>

namespace grafida {

const std::array<const char*, 19>& MoleculeIndexColumns() {
    static const std::array<const char*, 19> columns = {
        "molecule",    "vertices",   "edges",   "randic",     "wiener",    "comb_distance", "detour",
        "comb_detour", "distance3d", "IP_CjDi", "IE_CjDi",    "IP_CjDe",   "IE_CjDe",       "IP_CFDi",
        "IE_CFDi",     "IP_CFDe",    "IE_CFDe", "ad_eig_max", "ad_eig_min"};
    return columns;
}

double RandicIndex(const TMolecula& molecule) {
    double sum = 0;
    for (const TBond& bond : molecule.Bonds) {
        const TAtom* a = molecule.Atoms.FindByNumber(bond.A1);
        const TAtom* b = molecule.Atoms.FindByNumber(bond.A2);
        if (a && b)
            sum += 1.0 / std::sqrt(static_cast<double>(a->Neighbours().Count()) * b->Neighbours().Count());
    }
    return sum;
}

namespace {

double HalfSum(const TFLOATARRAY& matrix) {
    return matrix.TotalSum() / 2;
}

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
        if (JacobiEigenvalues(work, eigenvalues, n) != -1) {
            ShowError("ERROR DIURING CALCULATING %s", "adjacency eigenvalues");
            return std::nullopt;
        }
        indices.adEigMax = eigenvalues.Get(1);
        indices.adEigMin = eigenvalues.Get(n);
    }
    return indices;
}

} // namespace grafida
