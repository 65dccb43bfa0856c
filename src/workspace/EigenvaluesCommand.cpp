#include "workspace/EigenvaluesCommand.h"

#include "numeric/Eigenvector.h"
#include "numeric/Error.h"
#include "numeric/GeneralEigen.h"
#include "numeric/MatrixNames.h"
#include "numeric/Messages.h"
#include "numeric/NumberText.h"
#include "numeric/Reporter.h"
#include "numeric/SymmetricEigen.h"
#include "workspace/CommandSupport.h"
#include "workspace/PendingMatrices.h"
#include "workspace/Workspace.h"

namespace grafida {

std::string EigenvectorMatrixName(const std::string& name) {
    return InsertBeforeFirstUnderscore(name, "_EIGV");
}

namespace {

std::string Value(double value, const Settings& settings) {
    return FormatFixed(value, settings.Width, settings.Decimals);
}

std::optional<Eigensystem> CalcSymmetric(const TFLOATARRAY& matrix, const Settings& settings) {
    const int n = static_cast<int>(matrix.Rows());
    TFLOATARRAY work;
    work.Assign(matrix);
    Eigensystem system;
    system.symmetric = true;
    system.vectors = TFLOATARRAY(n, n);
    system.values = TFLOATVEC(n);
    if (JacobiEigen(work, 1, n, system.values, system.vectors, static_cast<double>(settings.Error),
                    settings.Iterations) != kSolved) {
        ShowError(messages::kJacobiNotConverged, matrix.Name());
        return std::nullopt;
    }
    system.vectors.SetName(EigenvectorMatrixName(matrix.Name()));
    return system;
}

std::optional<Eigensystem> CalcGeneral(const TFLOATARRAY& matrix, const Settings& settings) {
    const int n = static_cast<int>(matrix.Rows());
    TFLOATARRAY work;
    work.Assign(matrix);
    Eigensystem system;
    system.real = TFLOATVEC(n);
    system.imaginary = TFLOATVEC(n);
    if (GeneralEigenvalues(work, 1, n, system.real, system.imaginary) != kSolved) {
        ShowError(messages::kGeneralNotConverged, matrix.Name());
        return std::nullopt;
    }
    for (int i = 1; i <= n; ++i) {
        TFLOATVEC vector(n);
        // The solver works on the matrix itself, not on the overwritten copy.
        if (system.imaginary.Get(i) == 0.0 &&
            EigenvectorForValue(matrix, 1, n, system.real.Get(i), static_cast<double>(settings.Error),
                                vector) == kSolved)
            system.realVectors.emplace_back(std::move(vector));
        else
            system.realVectors.emplace_back(std::nullopt);
    }
    return system;
}

void PrintGeneral(const Eigensystem& system, const Settings& settings, TextTarget& target) {
    const std::int64_t n = system.real.Count();
    target.AddLine("-REAL EIGENVALUES ARE-");
    for (std::int64_t i = 1; i <= n; ++i)
        target.AddLine(Value(system.real.Get(i), settings));
    if (system.imaginary.IndexOfOther(0.0) != 0) {
        target.AddLine("-IMAGINARY EIGENVALUES ARE-");
        for (std::int64_t i = 1; i <= n; ++i)
            target.AddLine(Value(system.imaginary.Get(i), settings));
    }
    target.AddLine("-EIGEN VECTORS ARE-");
    for (std::int64_t i = 1; i <= n; ++i) {
        const std::optional<TFLOATVEC>& vector = system.realVectors[static_cast<size_t>(i - 1)];
        if (system.imaginary.Get(i) != 0.0)
            // One line per eigenvalue keeps the vectors in step with the values above.
            target.AddLine(FormatC("No real eigenvector for %-10.4f %+.4fi", system.real.Get(i),
                                   system.imaginary.Get(i)));
        else if (!vector)
            target.AddLine(FormatC("Can't calculate eigenvectors for %-10.4f", system.real.Get(i)));
        else
            target.AddLine(vector->ToText(settings.Width, settings.Decimals));
    }
}

} // namespace

std::optional<Eigensystem> CalcEigensystem(const TFLOATARRAY& matrix, const Settings& settings) {
    if (!matrix.IsSquare()) {
        ShowError(messages::kNotSquare, matrix.Name());
        return std::nullopt;
    }
    return matrix.IsSymmetric() ? CalcSymmetric(matrix, settings) : CalcGeneral(matrix, settings);
}

void PrintEigensystem(const Eigensystem& system, const Settings& settings, TextTarget& target) {
    if (!system.symmetric) {
        PrintGeneral(system, settings, target);
        return;
    }
    target.AddLine("- Eigen values are -");
    for (std::int64_t i = 1; i <= system.values.Count(); ++i)
        target.AddLine(Value(system.values.Get(i), settings));
    PrintBySettings(system.vectors, settings, target);
}

EigenvaluesResult PrintEigenvalues(const TFLOATARRAY& matrix, const Settings& settings, TextTarget& target) {
    if (!matrix.IsSquare()) {
        ShowError(messages::kNotSquare, matrix.Name());
        return {};
    }
    PrintBySettings(matrix, settings, target);
    std::optional<Eigensystem> system = CalcEigensystem(matrix, settings);
    if (!system)
        return {};
    PrintEigensystem(*system, settings, target);
    if (!system->symmetric)
        return {true, nullptr};
    return {true, std::make_unique<TFLOATARRAY>(std::move(system->vectors))};
}

CommandResult RunEigenvalues(Workspace& workspace, const EigenvaluesChoices& choices, TextTarget& target) {
    CommandResult result;
    const TFLOATARRAY* matrix = FindChosenMatrix(workspace, choices.matrix);
    if (!matrix || !matrix->IsSquare()) {
        if (matrix)
            ShowError(messages::kNotSquare, matrix->Name());
        result.failed = result.discardWindow = true;
        return result;
    }
    result.caption = matrix->Name() + "_Eig.M";
    PrintBySettings(*matrix, workspace.settings, target);
    result.printed.push_back(matrix->Name());
    std::optional<Eigensystem> system = CalcEigensystem(*matrix, workspace.settings);
    if (!system) {
        result.failed = true;
        return result;
    }
    PrintEigensystem(*system, workspace.settings, target);
    if (system->symmetric) {
        result.printed.push_back(system->vectors.Name());
        if (choices.keepVectors) {
            PendingMatrices pending(workspace.matrices);
            pending.Keep(std::move(system->vectors));
            result.kept = pending.Commit();
        }
    }
    return result;
}

} // namespace grafida
