#pragma once
// What the Eigenvalues command prints for one square matrix: the matrix, then its
// eigenvalues and eigenvectors (Jacobi for a symmetric matrix, the general solver
// with one eigenvector per real eigenvalue otherwise).

#include "numeric/Arrays.h"
#include "numeric/TextTarget.h"
#include "workspace/Settings.h"

#include <memory>

namespace grafida {

struct EigenvaluesResult {
    // False when the matrix was not square or a solver failed (the user was told).
    bool ok = false;
    // The eigenvector matrix of a symmetric matrix, named with "_EIGV" before the
    // first underscore; the caller keeps it in the store on request.
    std::unique_ptr<TFLOATARRAY> eigenvectors;
};

// Prints into target as the command does (formatted or plain by the settings) and
// reports failures through ShowError.
EigenvaluesResult PrintEigenvalues(const TFLOATARRAY& matrix, const Settings& settings, TextTarget& target);

// The name of the eigenvector matrix of name: "_EIGV" before its first underscore
// (BENZ_AD gives BENZ_EIGV_AD; without an underscore "_EIGV" goes in front).
std::string EigenvectorMatrixName(const std::string& name);

} // namespace grafida
