#pragma once
// The blocks (biconnected components) of an undirected graph. A simple path between
// two vertices crosses the same chain of blocks whichever way it goes, and inside
// each block it runs from the vertex where it enters to the one where it leaves; so
// longest paths can be searched block by block and added up along the chain.

#include "topology/paths/PathGraph.h"

#include <vector>

namespace grafida::paths {

struct GraphBlock {
    std::vector<int> vertices; // increasing
    int edges = 0;
};

// The blocks of a symmetric graph; a vertex without neighbours belongs to none.
std::vector<GraphBlock> FindBlocks(const PathGraph& graph);

} // namespace grafida::paths
