#pragma once
// The Eigenvalues command: the eigenvalues and eigenvectors of one square matrix
// (Jacobi for a symmetric matrix, the general solver with one eigenvector per real
// eigenvalue otherwise), computed as data and then printed.

#include "numeric/Arrays.h"
#include "numeric/TextTarget.h"
#include "numeric/Vectors.h"
#include "workspace/CommandResult.h"
#include "workspace/Settings.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace grafida {

class Workspace;

struct Eigensystem {
    bool symmetric = false;
    // Symmetric: the eigenvalues in descending order, and the matrix whose row i is the
    // unit eigenvector of values(i), named with "_EIGV" before the first underscore.
    TFLOATVEC values;
    TFLOATARRAY vectors;
    // General: real and imaginary parts in the solver's order, and for each eigenvalue
    // its unit eigenvector; nothing for a complex eigenvalue or one whose vector could
    // not be found.
    TFLOATVEC real;
    TFLOATVEC imaginary;
    std::vector<std::optional<TFLOATVEC>> realVectors;
};

// The eigensystem of a square matrix with the settings' tolerance (Error) and sweep
// limit (Iterations). Nothing, after "System %s not converget, aborting ..." or
// "System %s not convergent", when a solver fails.
std::optional<Eigensystem> CalcEigensystem(const TFLOATARRAY& matrix, const Settings& settings);

// What the command prints after the matrix: the eigenvalues, then the eigenvector
// matrix (by the layout setting) or one line per eigenvalue.
void PrintEigensystem(const Eigensystem& system, const Settings& settings, TextTarget& target);

struct EigenvaluesResult {
    // False when the matrix was not square or a solver failed (the user was told).
    bool ok = false;
    // The eigenvector matrix of a symmetric matrix; the caller keeps it on request.
    std::unique_ptr<TFLOATARRAY> eigenvectors;
};

// The matrix (by the layout setting), then its eigensystem, as the command prints
// them; failures are reported through ShowError.
EigenvaluesResult PrintEigenvalues(const TFLOATARRAY& matrix, const Settings& settings, TextTarget& target);

// The name of the eigenvector matrix of name: "_EIGV" before its first underscore
// (BENZ_AD gives BENZ_EIGV_AD; without an underscore "_EIGV" goes in front).
std::string EigenvectorMatrixName(const std::string& name);

// What the Eigenvalues dialog returns: the chosen matrix and "Keep eigen vectors".
struct EigenvaluesChoices {
    std::string matrix;
    bool keepVectors = false;
};

// The command over a stored matrix; the window is captioned name + "_Eig.M" and keeps
// the printed matrix when a solver fails. Only a symmetric matrix's eigenvectors
// can be kept.
CommandResult RunEigenvalues(Workspace& workspace, const EigenvaluesChoices& choices, TextTarget& target);

} // namespace grafida
