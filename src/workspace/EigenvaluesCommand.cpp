#include "workspace/EigenvaluesCommand.h"

#include "numeric/Eigenvector.h"
#include "numeric/Error.h"
#include "numeric/GeneralEigen.h"
#include "numeric/MatrixNames.h"
#include "numeric/MatrixText.h"
#include "numeric/NumberText.h"
#include "numeric/Reporter.h"
#include "numeric/SymmetricEigen.h"

namespace grafida {

std::string EigenvectorMatrixName(const std::string& name) {
    return InsertBeforeFirstUnderscore(name, "_EIGV");
}

namespace {

void PrintMatrix(const TFLOATARRAY& matrix, const Settings& settings, TextTarget& target) {
    if (settings.FormattedDisplay)
        PrintFormatted(matrix, target, settings.Width, settings.Decimals);
    else
        PrintPlain(matrix, target, settings.Width, settings.Decimals);
}

std::string Value(double value, const Settings& settings) {
    return FormatFixed(value, settings.Width, settings.Decimals);
}

EigenvaluesResult PrintSymmetric(TFLOATARRAY& work, const TFLOATARRAY& matrix, const Settings& settings,
                                 TextTarget& target) {
    const int n = static_cast<int>(work.Rows());
    TFLOATARRAY vectors(n, n);
    TFLOATVEC values(n);
    const int code =
        JacobiEigen(work, 1, n, values, vectors, static_cast<double>(settings.Error), settings.Iterations);
    if (code != kSolved) {
        ShowError("System %s not converget, aborting ...", matrix.Name());
        return {};
    }
    target.AddLine("- Eigen values are -");
    for (int i = 1; i <= n; ++i)
        target.AddLine(Value(values.Get(i), settings));
    vectors.SetName(EigenvectorMatrixName(matrix.Name()));
    PrintMatrix(vectors, settings, target);
    return {true, std::make_unique<TFLOATARRAY>(std::move(vectors))};
}

EigenvaluesResult PrintGeneral(TFLOATARRAY& work, const TFLOATARRAY& matrix, const Settings& settings,
                               TextTarget& target) {
    const int n = static_cast<int>(work.Rows());
    TFLOATVEC real(n), imaginary(n);
    if (GeneralEigenvalues(work, 1, n, real, imaginary) != kSolved) {
        ShowError("System %s not convergent", matrix.Name());
        return {};
    }
    target.AddLine("-REAL EIGENVALUES ARE-");
    for (int i = 1; i <= n; ++i)
        target.AddLine(Value(real.Get(i), settings));
    if (imaginary.IndexOfOther(0.0) != 0) {
        target.AddLine("-IMAGINARY EIGENVALUES ARE-");
        for (int i = 1; i <= n; ++i)
            target.AddLine(Value(imaginary.Get(i), settings));
    }
    TFLOATVEC vector(n);
    target.AddLine("-EIGEN VECTORS ARE-");
    for (int i = 1; i <= n; ++i) {
        if (imaginary.Get(i) != 0.0) {
            // One line per eigenvalue keeps the vectors in step with the values above.
            target.AddLine(FormatC("No real eigenvector for %-10.4f %+.4fi", real.Get(i), imaginary.Get(i)));
            continue;
        }
        if (EigenvectorForValue(matrix, 1, n, real.Get(i), static_cast<double>(settings.Error), vector) !=
            kSolved)
            target.AddLine(FormatC("Can't calculate eigenvectors for %-10.4f", real.Get(i)));
        else
            target.AddLine(vector.ToText(settings.Width, settings.Decimals));
    }
    return {true, nullptr};
}

} // namespace

EigenvaluesResult PrintEigenvalues(const TFLOATARRAY& matrix, const Settings& settings, TextTarget& target) {
    TFLOATARRAY work;
    work.Assign(matrix);
    if (!work.IsSquare()) {
        ShowError("Matrix %s is not a square matrix", matrix.Name());
        return {};
    }
    PrintMatrix(work, settings, target);
    if (work.IsSymmetric())
        return PrintSymmetric(work, matrix, settings, target);
    return PrintGeneral(work, matrix, settings, target);
}

} // namespace grafida
