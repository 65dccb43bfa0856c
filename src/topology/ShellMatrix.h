#pragma once
// The shell matrix: row i of a matrix split by topological distance, each column
// summing the entries of one distance shell around vertex i.

#include "numeric/Arrays.h"
#include "numeric/Vectors.h"

#include <optional>

namespace grafida {

// S(i, 1) = p(i); S(i, k) = the sum of m(i, j) over the j whose distance d(i, j),
// rounded half to even, is k - 1. E + 1 columns, E the largest distance in d. Named m's
// name with "Sh_" after its first underscore. Nothing, after reporting, when d and m
// differ in size or p is shorter than m.
std::optional<TFLOATARRAY> ShellMatrix(const TFLOATARRAY& d, const TFLOATARRAY& m, const TFLOATVEC& p);

} // namespace grafida
