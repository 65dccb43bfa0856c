#pragma once
// Eigenvalues of symmetric matrices by Jacobi rotations. Both solvers overwrite
// the matrix they are given; callers pass copies.

#include "numeric/Arrays.h"
#include "numeric/SolverCodes.h"
#include "numeric/Vectors.h"

#include <cstdint>

namespace grafida {

// Cyclic Jacobi over the block lo..hi of a. A pair is rotated while |a(p, q)| > tol·d2, d2 being
// the sum of the squared diagonal entries at the start of the sweep. On success d(lo..hi) holds
// the eigenvalues in descending order and row i of v the unit eigenvector of d(i), turned so that
// its first entry is not negative; returns kSolved. Returns kNotConverged when no sweep is free of
// rotations within maxSweeps sweeps (d then holds the unsorted diagonal), kNotFinite for NaN or
// infinity in a or tol (d and v untouched).
int JacobiEigen(TFLOATARRAY& a, int lo, int hi, TFLOATVEC& d, TFLOATARRAY& v, double tol,
                std::int64_t maxSweeps);

// How the threshold Jacobi solver ended. A type of its own, so that its success is
// never mistaken for one of the shared solver codes.
enum class JacobiResult {
    Converged,       // d holds the eigenvalues
    SweepsExhausted, // d holds the best estimate after the last sweep
    NotFinite,       // NaN or infinity in a; d is all NaN
};

// Threshold Jacobi on the leading n × n block of a (upper triangle), at most 50 sweeps. d gets
// n eigenvalues in descending order.
JacobiResult JacobiEigenvalues(TFLOATARRAY& a, TFLOATVEC& d, int n);

// Sorts d(1..n) into descending order by selection, the last of equal values moving first,
// and swaps the matching columns of v when v is given.
void SortEigenDescending(TFLOATVEC& d, TFLOATARRAY* v, int n);

} // namespace grafida
