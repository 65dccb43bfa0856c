#pragma once
// The automorphisms of a symmetric graph: the vertex permutations that map every edge
// onto an edge. A simple path and its image have the same length and the same shape,
// so two pairs of vertices that an automorphism maps onto each other have the same
// longest paths, and a path search done for one pair serves the whole class.
// Symmetry is found, never assumed: every permutation returned has been checked edge
// by edge.

#include "topology/paths/PathGraph.h"

#include <vector>

namespace grafida::paths {

using Permutation = std::vector<int>;

// Every automorphism of graph, the identity first; only the identity when the graph
// has arcs one way only or more than `most` automorphisms (the whole group or nothing: the callers rely on
// the list being closed under composition and inverses).
std::vector<Permutation> FindAutomorphisms(const PathGraph& graph, int most = 1000);

} // namespace grafida::paths
