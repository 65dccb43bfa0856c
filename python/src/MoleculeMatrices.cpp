#include "MoleculeMatrices.h"

#include "numeric/Messages.h"
#include "numeric/Reporter.h"
#include "topology/BasicMatrices.h"
#include "topology/CombinatorialMatrix.h"
#include "topology/LayerMatrix.h"
#include "topology/ShellMatrix.h"
#include "topology/WalkMatrix.h"
#include "workspace/LayerCommands.h"

#include <algorithm>

namespace grafida::python {

namespace {

std::optional<BasicMatrix> BasicOfCode(const std::string& code) {
    const auto& codes = BasicMatrixCodes();
    for (int k = 0; k < kBasicMatrixCount; ++k)
        if (code == codes[static_cast<size_t>(k)])
            return static_cast<BasicMatrix>(k);
    return std::nullopt;
}

std::optional<TFLOATARRAY> Basic(const TMolecula& molecule, const std::string& code) {
    const auto which = BasicOfCode(code);
    if (!which) {
        ShowError(messages::kUnknownMatrixCode, code);
        return std::nullopt;
    }
    BasicMatrixSelection selection{};
    selection[static_cast<size_t>(*which)] = true;
    BasicMatrixResults results = CalcBasicMatrices(molecule, selection);
    auto& matrix = results[static_cast<size_t>(*which)];
    if (!matrix)
        return std::nullopt;
    return std::move(*matrix);
}

TFLOATVEC Ones(std::int64_t n) {
    TFLOATVEC ones(n);
    if (n > 0)
        ones.Fill(1, 1.0);
    return ones;
}

// A property the molecule carries, by name; nothing after saying what needs it.
std::optional<TFLOATVEC> StoredProperty(const TMolecula& molecule, const std::string& name,
                                        const char* user) {
    const TAtomProperty* found = molecule.Properties.FindByName(name);
    if (!found) {
        ShowError(messages::kNeeds, user, name);
        return std::nullopt;
    }
    return TFLOATVEC(name, found->Values);
}

// The Layer command's property of one item, and the name it gives the layer matrix
// (empty: LayerMatrix's own); unit weights without an item.
std::optional<DerivedLayerProperty> LayerProperty(const TMolecula& molecule, const TFLOATARRAY& m,
                                                  const std::string& item) {
    if (item.empty())
        return DerivedLayerProperty{Ones(m.Rows()), {}};
    if (auto derived = DerivedLayerPropertyOf(m, item))
        return derived;
    auto stored = StoredProperty(molecule, item, "Layer matrix");
    if (!stored)
        return std::nullopt;
    return DerivedLayerProperty{std::move(*stored), {}};
}

std::optional<TFLOATARRAY> WMatrix(const TMolecula& molecule, const MatrixOptions& options) {
    const auto m = Basic(molecule, options.of.empty() ? "AD" : options.of);
    if (!m)
        return std::nullopt;
    TFLOATVEC property = Ones(m->Rows());
    if (!options.property.empty()) {
        auto stored = StoredProperty(molecule, options.property, "W matrix");
        if (!stored)
            return std::nullopt;
        property = std::move(*stored);
    }
    return CalcWMatrix(&*m, options.steps, property);
}

std::optional<TFLOATARRAY> WalkOperator(const TMolecula& molecule, const MatrixOptions& options) {
    const auto m1 = Basic(molecule, options.of.empty() ? "AD" : options.of);
    const auto m2 = m1 ? Basic(molecule, options.m2.empty() ? "DI" : options.m2) : std::nullopt;
    const auto m3 = m2 ? Basic(molecule, options.m3.empty() ? "DI" : options.m3) : std::nullopt;
    if (!m3)
        return std::nullopt;
    return CalcWalkOperator(&*m1, &*m2, &*m3);
}

std::optional<TFLOATARRAY> Layer(const TMolecula& molecule, const MatrixOptions& options) {
    const auto m = Basic(molecule, options.of.empty() ? "DI" : options.of);
    const auto d = m ? Basic(molecule, "DI") : std::nullopt;
    if (!d)
        return std::nullopt;
    const auto property = LayerProperty(molecule, *m, options.property);
    if (!property)
        return std::nullopt;
    return LayerMatrix(*d, property->values, property->name);
}

std::optional<TFLOATARRAY> Shell(const TMolecula& molecule, const MatrixOptions& options) {
    const auto m = Basic(molecule, options.of.empty() ? "DI" : options.of);
    const auto d = m ? Basic(molecule, "DI") : std::nullopt;
    if (!d)
        return std::nullopt;
    return ShellMatrix(*d, *m, ShellFirstColumn(*m));
}

} // namespace

bool IsMatrixCode(const std::string& code) {
    return BasicOfCode(code) || code == kWMatrixCode || code == kWalkOperatorCode ||
           code == kLayerMatrixCode || code == kShellMatrixCode || code == kCombinatorialCode;
}

std::optional<TFLOATARRAY> MoleculeMatrix(const TMolecula& molecule, const std::string& code,
                                          const MatrixOptions& options) {
    if (code == kWMatrixCode)
        return WMatrix(molecule, options);
    if (code == kWalkOperatorCode)
        return WalkOperator(molecule, options);
    if (code == kLayerMatrixCode)
        return Layer(molecule, options);
    if (code == kShellMatrixCode)
        return Shell(molecule, options);
    if (code == kCombinatorialCode) {
        const auto m = Basic(molecule, options.of.empty() ? "DI" : options.of);
        return m ? CombinatorialMatrix(&*m) : std::nullopt;
    }
    return Basic(molecule, code);
}

} // namespace grafida::python
