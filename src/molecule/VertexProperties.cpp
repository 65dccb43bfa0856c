#include "molecule/VertexProperties.h"

#include "molecule/ElementData.h"
#include "numeric/Messages.h"
#include "numeric/Progress.h"
#include "numeric/Reporter.h"

#include <cmath>

namespace grafida {

namespace {

constexpr double kHydrogenElectronegativity = 2.592;

bool HasAtoms(const TMolecula& molecule) {
    if (molecule.VertexCount() > 0)
        return true;
    ShowError(messages::kEmptyMolecule, molecule.Name());
    return false;
}

} // namespace

bool CalcSGI(TMolecula& molecule) {
    if (!HasAtoms(molecule))
        return false;
    const auto electronegativities = ElementDataFile::Load(ElementDataKind::Electronegativity);
    if (!electronegativities)
        return false;
    TAtomProperty sgi{"SGI", {}};
    sgi.Values.reserve(static_cast<size_t>(molecule.VertexCount()));
    ProgressGuard progress(molecule.VertexCount() + 1);
    for (const TAtom& atom : molecule.Atoms) {
        const double chi = electronegativities->ValueOf(atom.Element().Symbol);
        const int h = atom.HydrogenCount();
        // An element without an electronegativity reads as -1: no group value can be
        // built from it, with or without hydrogens.
        const double value =
            chi > 0 ? std::pow(chi * std::pow(kHydrogenElectronegativity, h), 1.0 / (h + 1)) : std::nan("");
        if (!std::isfinite(value)) {
            ShowError(messages::kErrorCalculating, "Sanderson group electronegativities");
            return false;
        }
        sgi.Values.push_back(value);
        progress.Step();
    }
    molecule.Properties.Add(std::move(sgi));
    return true;
}

bool CalcCharges(TMolecula& molecule, const TFLOATARRAY& distances, TFLOATARRAY& charges) {
    if (molecule.Properties.FindByName("atomic charge"))
        return false;
    if (!HasAtoms(molecule))
        return false;
    const TAtomProperty* sgi = molecule.Properties.FindByName("SGI");
    if (!sgi) {
        ShowError(messages::kCalculateSgiFirst);
        return false;
    }
    const auto n = static_cast<std::uint32_t>(molecule.VertexCount());
    if (distances.Rows() != n || distances.Cols() != n || sgi->Values.size() != n)
        return false;

    TFLOATARRAY terms(n, n);
    TAtomProperty charge{"atomic charge", {}};
    charge.Values.reserve(n);
    ProgressGuard progress(static_cast<std::int64_t>(n) + 1);
    for (std::uint32_t i = 1; i <= n; ++i) {
        const double own = sgi->Values[i - 1];
        for (std::uint32_t j = 1; j <= n; ++j) {
            if (j == i)
                continue;
            const double ratio = sgi->Values[j - 1] / own;
            const double d = distances.Get(i, j);
            const double term = std::log10(ratio) / (d * d);
            if (!(ratio > 0) || d == 0 || !std::isfinite(term))
                return false;
            terms.Put(i, j, term);
        }
        charge.Values.push_back(terms.RowSum(i));
        progress.Step();
    }
    terms.SetName(molecule.Name() + "_CH");
    charges = std::move(terms);
    molecule.Properties.Add(std::move(charge));
    return true;
}

bool CalcGroupMass(TMolecula& molecule) {
    if (!HasAtoms(molecule))
        return false;
    const auto masses = ElementDataFile::Load(ElementDataKind::Mass);
    if (!masses)
        return false;
    TAtomProperty groupMass{"Group mass", {}};
    groupMass.Values.reserve(static_cast<size_t>(molecule.VertexCount()));
    ProgressGuard progress(molecule.VertexCount() + 1);
    for (const TAtom& atom : molecule.Atoms) {
        const double value = masses->ValueOf(atom.Element().Symbol) + atom.HydrogenCount();
        if (!std::isfinite(value)) {
            ShowError(messages::kErrorCalculating, "Group mass");
            return false;
        }
        groupMass.Values.push_back(value);
        progress.Step();
    }
    molecule.Properties.Add(std::move(groupMass));
    return true;
}

} // namespace grafida
