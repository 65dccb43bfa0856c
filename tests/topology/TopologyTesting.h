#pragma once
// Shared pieces of the topology tests: molecules built by hand or read from sample
// files, and matrix comparisons that name the first differing cell.

#include "molecule/ElementData.h"
#include "molecule/Molecula.h"
#include "numeric/Arrays.h"
#include "numeric/NumberText.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <tuple>
#include <vector>

namespace grafida::testing {

// Points the element data look-ups at the program's data folder while it lives.
class ElementDataScope {
public:
    ElementDataScope() { SetElementDataDir(GRAFIDA_DATA_DIR); }
    ~ElementDataScope() { SetElementDataDir({}); }
    ElementDataScope(const ElementDataScope&) = delete;
    ElementDataScope& operator=(const ElementDataScope&) = delete;
};

inline std::string TestDataPath(const std::string& name) {
    return std::string(GRAFIDA_TEST_DATA_DIR) + "/" + name;
}

inline std::string SamplePath(const std::string& name) {
    return std::string(GRAFIDA_DATA_DIR) + "/samples/" + name;
}

// A bond as (first vertex, second vertex, type).
using BondRow = std::tuple<int, int, TBondType>;

// A molecule of n carbon atoms (numbered 1..n, at x = vertex number) with the given bonds.
inline TMolecula MakeMolecule(const std::string& name, int n, const std::vector<BondRow>& bonds) {
    TMolecula molecule;
    molecule.SetName(name);
    for (int k = 1; k <= n; ++k) {
        TAtom atom;
        atom.SetElement(ElementOf("C"));
        atom.SetNumber(k);
        atom.SetSourceNumber(k);
        atom.SetCoords(k, 0, 0);
        molecule.Atoms.Add(atom);
    }
    for (const auto& [a, b, type] : bonds)
        molecule.Bonds.push_back({a, b, type});
    return molecule;
}

// A hydrogen-depleted carbon skeleton: single bonds only.
inline TMolecula MakeSkeleton(const std::string& name, int n, const std::vector<std::pair<int, int>>& bonds) {
    std::vector<BondRow> rows;
    for (const auto& [a, b] : bonds)
        rows.emplace_back(a, b, TBondType::Single);
    return MakeMolecule(name, n, rows);
}

inline std::vector<std::vector<double>> Rows(const TFLOATARRAY& m) {
    std::vector<std::vector<double>> rows(m.Rows(), std::vector<double>(m.Cols()));
    for (std::uint32_t i = 1; i <= m.Rows(); ++i)
        for (std::uint32_t j = 1; j <= m.Cols(); ++j)
            rows[i - 1][j - 1] = m.Get(i, j);
    return rows;
}

// Same name, size and cells (within tolerance); the failure names the first differing cell.
inline ::testing::AssertionResult SameMatrix(const TFLOATARRAY& expected, const TFLOATARRAY& actual,
                                             double tolerance = 0) {
    if (expected.Name() != actual.Name())
        return ::testing::AssertionFailure() << "name " << actual.Name() << ", expected " << expected.Name();
    if (expected.Rows() != actual.Rows() || expected.Cols() != actual.Cols())
        return ::testing::AssertionFailure() << "size " << actual.Rows() << "x" << actual.Cols()
                                             << ", expected " << expected.Rows() << "x" << expected.Cols();
    for (std::uint32_t i = 1; i <= expected.Rows(); ++i)
        for (std::uint32_t j = 1; j <= expected.Cols(); ++j) {
            const double e = expected.Get(i, j);
            const double a = actual.Get(i, j);
            if (!(tolerance == 0 ? a == e : std::abs(a - e) <= tolerance))
                return ::testing::AssertionFailure()
                       << actual.Name() << "[" << i << "," << j << "] = " << a << ", expected " << e;
        }
    return ::testing::AssertionSuccess();
}

} // namespace grafida::testing
