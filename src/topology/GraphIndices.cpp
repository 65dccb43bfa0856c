#include "topology/GraphIndices.h"

#include "numeric/MatrixNames.h"
#include "numeric/Progress.h"
#include "numeric/SymmetricEigen.h"
#include "numeric/Vectors.h"

#include <algorithm>
#include <cmath>

namespace grafida {

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

namespace {

__extension__ typedef __int128 Exact;

bool MultiplyAdd(Exact& sum, Exact a, Exact b) {
    Exact product;
    return !__builtin_mul_overflow(a, b, &product) && !__builtin_add_overflow(sum, product, &sum);
}

} // namespace

std::optional<std::vector<double>> AdjacencyCharacteristicPolynomial(const TFLOATARRAY& adjacency) {
    const auto n = static_cast<size_t>(adjacency.Rows());
    // The nonzero entries of each row, which must be integers.
    std::vector<std::vector<std::pair<size_t, Exact>>> rows(n);
    for (size_t i = 0; i < n; ++i)
        for (size_t j = 0; j < n; ++j) {
            const double entry =
                adjacency.Get(static_cast<std::int64_t>(i) + 1, static_cast<std::int64_t>(j) + 1);
            if (entry == 0)
                continue;
            if (entry != std::nearbyint(entry) || std::fabs(entry) > 1e9)
                return std::nullopt;
            rows[i].emplace_back(j, static_cast<Exact>(entry));
        }
    // Faddeev-LeVerrier: M(1) = I; c(k) = -trace(A·M(k)) / k; M(k+1) = A·M(k) + c(k)·I.
    std::vector<double> coefficients = {1.0};
    std::vector<Exact> m(n * n, 0), am(n * n, 0);
    for (size_t i = 0; i < n; ++i)
        m[i * n + i] = 1;
    for (size_t k = 1; k <= n; ++k) {
        CheckCancelled();
        std::fill(am.begin(), am.end(), 0);
        Exact trace = 0;
        for (size_t i = 0; i < n; ++i) {
            for (const auto& [t, weight] : rows[i])
                for (size_t j = 0; j < n; ++j)
                    if (!MultiplyAdd(am[i * n + j], weight, m[t * n + j]))
                        return std::nullopt;
            if (__builtin_add_overflow(trace, am[i * n + i], &trace))
                return std::nullopt;
        }
        if (trace % static_cast<Exact>(k) != 0)
            return std::nullopt;
        const Exact c = -trace / static_cast<Exact>(k);
        coefficients.push_back(static_cast<double>(c));
        for (size_t i = 0; i < n; ++i)
            if (__builtin_add_overflow(am[i * n + i], c, &am[i * n + i]))
                return std::nullopt;
        std::swap(m, am);
    }
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
