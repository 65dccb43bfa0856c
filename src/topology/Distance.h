#pragma once
// The topological distance matrix: the number of edges of a shortest path between
// every two vertices of a graph given by its adjacency matrix.

#include "numeric/Arrays.h"

#include <memory>

namespace grafida {

// D[i,j] = edges of a shortest path from i to j along the nonzero entries of the
// adjacency matrix (row i to column j), 0 on the diagonal, n where none exists.
// Named with the input's prefix + "DI" (benzene_AD gives benzene_DI, X gives DI).
// Fails with "ERROR DIURING CALCULATING distance" without an input.
std::unique_ptr<TFLOATARRAY> CalcDistance(const TFLOATARRAY* adjacency);

} // namespace grafida
