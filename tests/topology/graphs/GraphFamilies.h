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

// The large polycyclic graphs of the path-engine benchmark and of the tests for its
// rules (vertex numbering is the generator's own; names say what they are):
// a hexagonal benzenoid flake of 1, 7, 19, 37... rings (layers = 1, 2, 3, 4...);
TFLOATARRAY HexagonalFlake(int layers);
// a fullerene from its ring spiral: the 1-based positions of the 12 pentagons among
// the n / 2 + 2 faces (C60 Ih: 1 7 9 11 13 15 18 20 22 24 26 32);
TFLOATARRAY FullereneFromSpiral(const std::string& name, int atoms, const std::vector<int>& pentagons);
// icosahedral C80: the dodecahedron with every bond widened into a hexagon;
TFLOATARRAY ChamferedDodecahedron();
// nanotube segments of honeycomb: around vertices round the tube (even), along rows;
// a zigzag tube closes its zigzag rows into rings, an armchair tube its columns;
TFLOATARRAY ZigzagTube(int around, int along);
TFLOATARRAY ArmchairTube(int around, int along);
// a connected 3-regular graph of n (even) vertices, random pairing with the seed.
TFLOATARRAY RandomCubic(int n, std::uint32_t seed);

// Seeded random graphs of at most about 14 vertices, each of one shape; the shape
// cycles with the index: tree, single ring with branches, fused rings, bridged rings,
// cage, two fragments, dense random graph, and (one in sixteen) a graph with one-way arcs.
struct RandomGraph {
    std::string shape;
    TFLOATARRAY adjacency;
};
RandomGraph RandomSample(int index);

} // namespace grafida::graphs
