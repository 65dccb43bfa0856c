#include "workspace/LayerCommands.h"

#include "numeric/MatrixNames.h"
#include "numeric/MatrixText.h"
#include "numeric/Messages.h"
#include "numeric/Polynomial.h"
#include "numeric/Reporter.h"
#include "topology/LayerIndices.h"
#include "topology/LayerMatrix.h"
#include "topology/ShellMatrix.h"
#include "workspace/CommandSupport.h"
#include "workspace/PendingMatrices.h"
#include "workspace/Workspace.h"

#include <optional>

namespace grafida {

namespace {

bool Flag(const std::vector<bool>& options, int position) {
    return static_cast<size_t>(position) < options.size() && options[static_cast<size_t>(position)];
}

// How the roots of a layer polynomial came out.
enum class Roots { Found, Degenerate, NotConvergent };

// Appends "REAL ROOTS" (and "IMAG ROOTS" when a root is complex) to trailing for the
// polynomial of the column sums sums[0] of the matrix named name. A polynomial
// without roots to seek (all coefficients 0, a constant, or no coefficient for the
// highest power) and a root finder that fails are told here.
Roots AppendPolynomialRoots(const std::string& name, std::vector<TFLOATVEC>& trailing) {
    const TFLOATVEC coefficients = LayerPolynomial(trailing.front());
    const auto count = static_cast<int>(coefficients.Count());
    if (count == 0) {
        ShowError(messages::kAllCoefficientsZero, name);
        return Roots::Degenerate;
    }
    if (count == 1) {
        ShowError(messages::kConstantPolynomial, name);
        return Roots::Degenerate;
    }
    if (coefficients.Get(count) == 0.0) {
        ShowError(messages::kNoLeadingCoefficient, name);
        return Roots::Degenerate;
    }
    TFLOATVEC real(count - 1), imaginary(count - 1);
    if (PolynomialRoots(coefficients, count, real, imaginary) != kSolved) {
        ShowError(messages::kRootsNotConverged, name);
        return Roots::NotConvergent;
    }
    real.SetName("REAL ROOTS");
    imaginary.SetName("IMAG ROOTS");
    const bool complex = imaginary.IndexOfOther(0.0) != 0;
    trailing.push_back(std::move(real));
    if (complex)
        trailing.push_back(std::move(imaginary));
    return Roots::Found;
}

std::vector<const TFLOATVEC*> Pointers(const std::vector<TFLOATVEC>& vectors) {
    std::vector<const TFLOATVEC*> pointers;
    for (const TFLOATVEC& vector : vectors)
        pointers.push_back(&vector);
    return pointers;
}

void PrintWithVectors(const TFLOATARRAY& matrix, const std::vector<TFLOATVEC>& perRow,
                      const std::vector<TFLOATVEC>& trailing, const Settings& settings, TextTarget& target) {
    const std::vector<const TFLOATVEC*> rows = Pointers(perRow), sums = Pointers(trailing);
    PrintFormatted(matrix, target, rows, sums, settings.Width, settings.Decimals);
}

// The property vector of one ticked Layer item and the name its layer matrix is
// given; nothing after telling the user when the property is not in the file.
struct LayerProperty {
    TFLOATVEC values;
    std::string name;
    bool derived = true; // from the matrix itself rather than the property file
};

std::optional<LayerProperty> PropertyOfItem(const Workspace& workspace, const TFLOATARRAY& m,
                                            const std::string& item) {
    if (auto derived = DerivedLayerPropertyOf(m, item))
        return LayerProperty{std::move(derived->values), std::move(derived->name), true};
    const TAtomProperties stored = ReadMoleculeProperties(workspace, MoleculeOfMatrix(m.Name()));
    const TAtomProperty* found = stored.FindByName(item);
    if (!found) {
        ShowError(messages::kNeeds, "Layer matrix", item);
        return std::nullopt;
    }
    return LayerProperty{TFLOATVEC(item, found->Values), "", false};
}

} // namespace

std::optional<DerivedLayerProperty> DerivedLayerPropertyOf(const TFLOATARRAY& m, const std::string& item) {
    DerivedLayerProperty property;
    if (item == kRowSumItem) {
        property.values = TFLOATVEC(m.Rows());
        for (std::int64_t i = 1; i <= m.Rows(); ++i)
            property.values.Put(i, m.RowSum(i));
        property.name = m.Name() + "_RS";
    } else if (item == kColSumItem) {
        property.values = TFLOATVEC(m.Cols());
        for (std::int64_t j = 1; j <= m.Cols(); ++j)
            property.values.Put(j, m.ColSum(j));
        property.name = m.Name() + "_CS";
    } else if (item == kDiagonalItem) {
        property.values = TFLOATVEC(m.Rows());
        for (std::int64_t i = 1; i <= std::min(m.Rows(), m.Cols()); ++i)
            property.values.Put(i, m.Get(i, i));
        property.name = m.Name() + "_DEl";
    } else {
        return std::nullopt;
    }
    return property;
}

TFLOATVEC ShellFirstColumn(const TFLOATARRAY& m) {
    TFLOATVEC p(m.Rows());
    p.Fill(1, 1.0);
    if (m.DiagSum(0) != 0.0)
        for (std::int64_t i = 1; i <= std::min(m.Rows(), m.Cols()); ++i)
            p.Put(i, m.Get(i, i));
    return p;
}

std::vector<std::string> LayerPropertyLines(const Workspace& workspace) {
    return PropertyCatalogueLines(workspace, {kRowSumItem, kColSumItem, kDiagonalItem});
}

CommandResult RunLayerMatrix(Workspace& workspace, const LayerMatrixChoices& choices, TextTarget& window) {
    CommandResult result;
    CountingTarget target(window);
    PendingMatrices pending(workspace.matrices);
    const auto finish = [&](bool failed, bool discard) {
        result.failed = failed;
        result.discardWindow = discard || (failed && target.Lines() == 0);
        result.kept = pending.Commit();
        return result;
    };
    const TFLOATARRAY* m = FindChosenMatrix(workspace, choices.matrix);
    if (!m)
        return finish(true, true);
    const TFLOATARRAY* d = workspace.matrices.Find(MoleculePrefix(m->Name()) + "DI");
    if (!d) {
        ShowError(messages::kNeeds, "Layer matrix", "distance");
        return finish(true, true);
    }

    // One layer matrix with its vectors; false when the command is to end, with
    // discard telling whether its window goes too.
    bool discard = false;
    const auto layer = [&](const LayerProperty& property, bool xFirst) {
        std::optional<TFLOATARRAY> l = LayerMatrix(*d, property.values, property.name);
        if (!l) {
            discard = true;
            return false;
        }
        std::vector<TFLOATVEC> perRow, trailing;
        const bool x = Flag(choices.options, kLayerXIndex), c = Flag(choices.options, kLayerCIndex);
        if (x && xFirst)
            perRow.push_back(*XIndex(&*l));
        if (c)
            perRow.push_back(*CIndex(&*l));
        if (x && !xFirst)
            perRow.push_back(*XIndex(&*l));
        LayerSums(*l, trailing);
        if (Flag(choices.options, kLayerPolynomial)) {
            const Roots roots = AppendPolynomialRoots(l->Name(), trailing);
            if (roots != Roots::Found) {
                // All coefficients 0 closes the window as the "Diagonal entries" item
                // always did; the other polynomials without roots are told the same
                // way. A root finder that fails leaves what was printed.
                discard = roots == Roots::Degenerate;
                return false;
            }
        }
        PrintWithVectors(*l, perRow, trailing, workspace.settings, target);
        result.printed.push_back(l->Name());
        if (choices.items.empty())
            result.caption = l->Name() + ".M";
        if (Flag(choices.options, kLayerKeep))
            pending.Keep(std::move(*l));
        return true;
    };

    if (choices.items.empty()) {
        LayerProperty ones{TFLOATVEC(m->Rows()), "", true};
        ones.values.Fill(1, 1.0);
        if (!layer(ones, true))
            return finish(true, discard);
        return finish(false, false);
    }
    for (const std::string& item : choices.items) {
        const std::optional<LayerProperty> property = PropertyOfItem(workspace, *m, item);
        if (!property)
            return finish(true, false);
        if (!layer(*property, property->derived))
            return finish(true, discard);
    }
    return finish(false, false);
}

CommandResult RunShellMatrix(Workspace& workspace, const ShellMatrixChoices& choices, TextTarget& target) {
    CommandResult result;
    result.failed = result.discardWindow = true;
    const TFLOATARRAY* m = FindChosenMatrix(workspace, choices.matrix);
    if (!m)
        return result;
    const TFLOATARRAY* d = workspace.matrices.Find(MoleculePrefix(m->Name()) + "DI");
    if (!d) {
        ShowError(messages::kNeeds, "Shell matrix", "distance");
        return result;
    }
    std::optional<TFLOATARRAY> s = ShellMatrix(*d, *m, ShellFirstColumn(*m));
    if (!s)
        return result;

    std::vector<TFLOATVEC> perRow, trailing;
    if (Flag(choices.options, kShellCIndex))
        perRow.push_back(*CIndex(&*s));
    if (Flag(choices.options, kShellXIndex))
        perRow.push_back(*XIndex(&*s));
    LayerSums(*s, trailing);
    if (Flag(choices.options, kShellPolynomial) && AppendPolynomialRoots(s->Name(), trailing) != Roots::Found)
        return result;
    PrintWithVectors(*s, perRow, trailing, workspace.settings, target);
    result.failed = result.discardWindow = false;
    result.printed.push_back(s->Name());
    if (Flag(choices.options, kShellKeep)) {
        PendingMatrices pending(workspace.matrices);
        pending.Keep(std::move(*s));
        result.kept = pending.Commit();
    }
    return result;
}

} // namespace grafida
