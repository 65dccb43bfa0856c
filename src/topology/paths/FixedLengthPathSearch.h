#pragma once
// Every simple path of a prescribed length from one start vertex, for many end
// vertices in one depth-first search. A partial path is extended only while some
// wanted end vertex can still be reached with exactly its length of edges: no fewer
// than the distance that remains, no more than ExtensionBounds allows. Neighbours
// are tried in increasing order, so the paths to one end come in lexicographic order.

#include "topology/paths/ExtensionBounds.h"
#include "topology/paths/PathGraph.h"

#include <functional>
#include <span>
#include <vector>

namespace grafida::paths {

class FixedLengthPathSearch {
public:
    // Sees a path (start first, end last) that reached end; returns true when end
    // needs no further paths.
    using Visit = std::function<bool(std::span<const int> path, int end)>;

    FixedLengthPathSearch(const PathGraph& graph, const DistanceTable& distances);

    // lengths[u] is the number of edges wanted for the paths ending at u, for every u of wanted.
    void Run(int start, const std::vector<int>& lengths, const Word* wanted, const Visit& visit);

private:
    bool Promising(int v, int length, const std::vector<int>& lengths);

    const PathGraph& graph_;
    const DistanceTable& distances_;
    int words_;
    ExtensionBounds bounds_;
    std::vector<Word> used_, open_;
    std::vector<int> path_;
    struct Frame {
        int length;
        int begin;
        int next;
        int end;
    };
    std::vector<Frame> frames_;
    std::vector<int> children_;
    // Search steps taken; the user's Cancel is looked at every kStepsBetweenChecks.
    static constexpr unsigned kStepsBetweenChecks = 4096;
    unsigned steps_ = 0;
};

} // namespace grafida::paths
