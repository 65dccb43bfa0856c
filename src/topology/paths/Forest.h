#pragma once
// Graphs without rings. In a tree the simple path between two vertices is unique: it
// is the shortest path and the longest one at once, and what remains joined to one
// end when the rest of the path is taken out is the branch that hangs at that end
// away from the path. So the detour and Cluj matrices of a forest follow from
// distances and branch sizes, without any path search.

#include "topology/paths/PathGraph.h"

#include <optional>
#include <vector>

namespace grafida::paths {

class Forest {
public:
    // The forest behind a symmetric graph without rings; nothing for any other graph.
    static std::optional<Forest> Of(const PathGraph& graph);

    int Size() const { return static_cast<int>(component_.size()); }
    bool Joined(int a, int b) const {
        return component_[static_cast<size_t>(a)] == component_[static_cast<size_t>(b)];
    }

    // From one vertex to every vertex of its tree: the distance, and the size of the
    // branch at from that stays joined to from when the first step towards the vertex
    // is cut (from itself included). Entries of other trees are -1.
    void FromVertex(int from, std::vector<int>& distance, std::vector<int>& branch);

private:
    explicit Forest(const PathGraph& graph) : graph_(&graph) {}

    const PathGraph* graph_;
    std::vector<int> component_, componentSize_;
    std::vector<int> queue_, firstStep_, below_;
};

} // namespace grafida::paths
