#include "topology/ElementaryMatrices.h"

#include "numeric/Progress.h"
#include "numeric/Reporter.h"
#include "topology/ResultMatrices.h"

#include <cmath>
#include <optional>

namespace grafida {

namespace {

bool IsVertex(const TMolecula& molecule, std::int32_t vertex) {
    return vertex >= 1 && vertex <= molecule.VertexCount();
}

std::optional<double> BondOrder(TBondType type) {
    switch (type) {
    case TBondType::Single:
        return 1.0;
    case TBondType::Double:
        return 2.0;
    case TBondType::Triple:
        return 3.0;
    case TBondType::Aromatic:
        return 1.5;
    case TBondType::Unknown:
        break;
    }
    return std::nullopt;
}

} // namespace

std::unique_ptr<TFLOATARRAY> CalcAdjacency(const TMolecula& molecule) {
    const int n = molecule.VertexCount();
    auto result = TryNewMatrix(n, n);
    if (!result) {
        ShowError(messages::kNotEnoughMemory);
        return nullptr;
    }
    ProgressGuard progress(static_cast<std::int64_t>(molecule.Bonds.size()));
    for (const TBond& bond : molecule.Bonds) {
        if (!IsVertex(molecule, bond.A1) || !IsVertex(molecule, bond.A2)) {
            ShowError(messages::kErrorCalculating, "adjacency");
            return nullptr;
        }
        // An atom bonded to itself is no edge of the graph: the diagonal stays 0.
        if (bond.A1 != bond.A2) {
            result->Put(bond.A1, bond.A2, 1.0);
            result->Put(bond.A2, bond.A1, 1.0);
        }
        progress.Step();
    }
    result->SetName(molecule.Name() + "_AD");
    return result;
}

std::unique_ptr<TFLOATARRAY> CalcConnectivity(const TMolecula& molecule) {
    const int n = molecule.VertexCount();
    auto result = TryNewMatrix(n, n);
    if (!result)
        return nullptr;
    // The bar shows that work is going on; bonds are too quick to count.
    ProgressGuard progress(static_cast<std::int64_t>(molecule.Bonds.size()));
    for (const TBond& bond : molecule.Bonds) {
        const std::optional<double> order = BondOrder(bond.BondType);
        if (!order || !IsVertex(molecule, bond.A1) || !IsVertex(molecule, bond.A2))
            return nullptr;
        if (bond.A1 != bond.A2) {
            result->Put(bond.A1, bond.A2, *order);
            result->Put(bond.A2, bond.A1, *order);
        }
    }
    result->SetName(molecule.Name() + "_CON");
    return result;
}

std::unique_ptr<TFLOATARRAY> CalcDistance3D(const TMolecula& molecule) {
    const int n = molecule.VertexCount();
    if (n <= 0) {
        ShowError(messages::kErrorCalculating, "distance 3D");
        return nullptr;
    }
    if (!molecule.HasCoordinates()) {
        ShowError(messages::kNoCoordinates, molecule.Name());
        return nullptr;
    }
    auto result = TryNewMatrix(n, n);
    if (!result) {
        ShowError(messages::kNotEnoughMemory);
        return nullptr;
    }
    ProgressGuard progress(n);
    for (int i = 1; i <= n; ++i) {
        const TAtom* a = molecule.Atoms.FindByNumber(i);
        for (int j = 1; j <= n; ++j) {
            if (j == i)
                continue;
            const TAtom* b = molecule.Atoms.FindByNumber(j);
            if (!a || !b) {
                ShowError(messages::kErrorCalculating, "distance 3D");
                return nullptr;
            }
            const long double dx = static_cast<long double>(b->X()) - a->X();
            const long double dy = static_cast<long double>(b->Y()) - a->Y();
            const long double dz = static_cast<long double>(b->Z()) - a->Z();
            const double distance = static_cast<double>(std::sqrt(dx * dx + dy * dy + dz * dz));
            if (!std::isfinite(distance)) {
                ShowError(messages::kErrorCalculating, "distance 3D");
                return nullptr;
            }
            result->Put(i, j, distance);
        }
        progress.Step();
    }
    result->SetName(molecule.Name() + "_D3D");
    return result;
}

} // namespace grafida
