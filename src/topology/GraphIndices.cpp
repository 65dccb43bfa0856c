#include "topology/GraphIndices.h"

#include "numeric/MatrixNames.h"
#include "numeric/Polynomial.h"
#include "numeric/SymmetricEigen.h"
#include "numeric/Vectors.h"

#include <cmath>

namespace grafida {

double HalfSum(const TFLOATARRAY& matrix) {
    return matrix.TotalSum() / 2;
}

bool IsConnectedGraph(const TFLOATARRAY& distance) {
    const auto n = static_cast<std::int64_t>(distance.Rows());
    for (std::int64_t i = 1; i <= n; ++i)
        for (std::int64_t j = 1; j <= n; ++j)
            if (i != j && distance.Get(i, j) >= static_cast<double>(n))
                return false;
    return true;
}

TFLOATARRAY SzegedMatrix(const TFLOATARRAY& distance) {
    const auto n = static_cast<std::int64_t>(distance.Rows());
    TFLOATARRAY szeged(n, n);
    szeged.SetName(MoleculePrefix(distance.Name()) + "SZD");
    for (std::int64_t i = 1; i <= n; ++i)
        for (std::int64_t j = 1; j <= n; ++j) {
            if (i == j)
                continue;
            int closer = 0;
            for (std::int64_t k = 1; k <= n; ++k)
                if (distance.Get(k, i) < distance.Get(k, j))
                    ++closer;
            szeged.Put(i, j, closer);
        }
    return szeged;
}

namespace {
std::optional<TFLOATVEC> Eigenvalues(const TFLOATARRAY& matrix) {
    const int n = static_cast<int>(matrix.Rows());
    TFLOATARRAY work;
    work.Assign(matrix);
    TFLOATVEC values(n);
    if (n > 0 && JacobiEigenvalues(work, values, n) != JacobiResult::Converged)
        return std::nullopt;
    return values;
}
} // namespace

std::optional<std::vector<double>> AdjacencyCharacteristicPolynomial(const TFLOATARRAY& adjacency) {
    const auto roots = Eigenvalues(adjacency);
    if (!roots)
        return std::nullopt;
    TFLOATVEC descending;
    CharPolyFromRoots(*roots, descending);
    std::vector<double> coefficients;
    for (std::uint32_t k = 1; k <= descending.Count(); ++k)
        coefficients.push_back(std::nearbyint(descending.Get(k)) + 0.0);
    return coefficients;
}

std::optional<EigenvalueRange> SymmetricEigenvalueRange(const TFLOATARRAY& matrix) {
    const auto values = Eigenvalues(matrix);
    if (!values || values->Count() == 0)
        return std::nullopt;
    // JacobiEigenvalues sorts them in descending order.
    return EigenvalueRange{values->Get(1), values->Get(values->Count())};
}

} // namespace grafida
