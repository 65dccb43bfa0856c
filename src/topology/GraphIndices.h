#pragma once
// Scalar indices of a molecular graph: Randić's, and those computed from its matrices: half sums, the
// Szeged matrix, the characteristic polynomial of the adjacency matrix and the
// extreme eigenvalues.

#include "molecule/Molecula.h"
#include "numeric/Arrays.h"

#include <optional>
#include <vector>

namespace grafida {

// Randić's connectivity index: the sum over bonds of (deg(a) · deg(b))^(-1/2).
double RandicIndex(const TMolecula& molecule);

// Half the sum of all entries: the Wiener index of a distance matrix.
double HalfSum(const TFLOATARRAY& matrix);

// Whether every two vertices are joined by a path, read from the distance matrix
// (an unreachable pair holds n there, a real distance is at most n - 1).
bool IsConnectedGraph(const TFLOATARRAY& distance);

// The unsymmetric Szeged matrix: entry (i, j), i != j, counts the vertices closer to
// i than to j; the diagonal is 0. Named with the distance matrix's prefix + "SZD".
TFLOATARRAY SzegedMatrix(const TFLOATARRAY& distance);

// The coefficients c(0) = 1, c(1), ..., c(n) of det(xI - A) = sum of c(k)·x^(n-k) of
// an integer matrix A, exactly: Faddeev-LeVerrier in 128-bit integers, since expanding
// the product of (x - eigenvalue) rounds wrongly from about 60 vertices on (the
// buckyball). Nothing when an entry is not an integer or a number outgrows 128 bits.
std::optional<std::vector<double>> AdjacencyCharacteristicPolynomial(const TFLOATARRAY& adjacency);

// The largest and the smallest eigenvalue of a symmetric matrix; nothing when the
// solver does not converge or the matrix is empty.
struct EigenvalueRange {
    double largest = 0;
    double smallest = 0;
};
std::optional<EigenvalueRange> SymmetricEigenvalueRange(const TFLOATARRAY& matrix);

} // namespace grafida
