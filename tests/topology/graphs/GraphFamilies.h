#pragma once
// Graphs for the topology tests and benchmarks, as named adjacency matrices
// (vertices numbered from 1): fixed families (trees, acenes, cages, a steroid
// skeleton) and seeded random graphs of the shapes molecules take.

#include "numeric/Arrays.h"

#include <random>
#include <string>
#include <utility>
#include <vector>

namespace grafida::graphs {

using Edge = std::pair<int, int>;

// The symmetric 0/1 adjacency matrix of n vertices and the given edges, named name + "_AD".
TFLOATARRAY FromEdges(const std::string& name, int n, const std::vector<Edge>& edges);

TFLOATARRAY Path(int n);
TFLOATARRAY Cycle(int n);
// A tree on n vertices, each vertex after the first hanging from an earlier one at
// random (degree at most 4, like a carbon skeleton).
TFLOATARRAY RandomTree(int n, std::uint32_t seed);
// rings linearly fused hexagons: 4 * rings + 2 vertices.
TFLOATARRAY Acene(int rings);
// The regular dodecahedron: 20 vertices of degree 3, 12 pentagons.
TFLOATARRAY Dodecahedron();
// The four fused rings (6-6-6-5) of the steroid nucleus: 17 vertices.
TFLOATARRAY SteroidNucleus();

// Seeded random graphs of at most about 14 vertices, each of one shape; the shape
// cycles with the index: tree, single ring with branches, fused rings, bridged rings,
// cage, two fragments, dense random graph, and (one in sixteen) a graph with one-way arcs.
struct RandomGraph {
    std::string shape;
    TFLOATARRAY adjacency;
};
RandomGraph RandomSample(int index);

} // namespace grafida::graphs
