#pragma once
// Exact pruning for the path searches. A partial path ending at v can only be
// extended through the vertices still reachable from v without re-entering the path;
// within them, a simple path from v to u crosses the blocks (biconnected pieces) that
// separate v from u, each at most once, and within one block it cannot use more
// vertices than the block has (nor, in a 2-colourable graph, more than the colours
// allow). That gives an upper bound of the length of every extension to u.

#include "topology/paths/PathGraph.h"

#include <vector>

namespace grafida::paths {

class ExtensionBounds {
public:
    explicit ExtensionBounds(const PathGraph& graph);

    // The vertices reachable from v along arcs without entering used (v belongs to
    // used), with their distances from v unless told they are not needed.
    void Reach(int v, const Word* used, bool distances = true);
    const Word* Reached() const { return reached_.data(); }
    int ReachedCount() const { return reachedCount_; }
    // Distance from v in the graph without the used vertices; valid for reached u.
    int Distance(int u) const { return distance_[static_cast<size_t>(u)]; }
    // A first bound after Reach, as if the reached vertices formed one block: the most
    // edges a simple path from v to u through them can have.
    int RoughLimit(int u) const;

    // After Reach: for every reached u, the most edges a simple path from v to u
    // through reached vertices only can have.
    void ComputeLimits();
    int Limit(int u) const { return limit_[static_cast<size_t>(u)]; }

    // After Reach, on a graph whose arcs all go both ways: a bound from the degrees.
    // A reached vertex with only two neighbours among the reached ones and v is on a
    // path from v only with both of those edges (unless it is the path's end), and a
    // vertex carries at most two path edges (v one more). Where more such vertices
    // lean on one vertex than it can carry, the surplus stays off the path; each left
    // out relieves at most two vertices, so at least half the total surplus is lost
    // (per colour in a 2-colourable graph, where they all have the other colour).
    void ComputeDegreeLoss();
    // After ComputeDegreeLoss: the most edges a path from v to the reached u can have.
    int DegreeLimit(int u) const;

private:
    // The same for graphs of at most 64 vertices, where a vertex set is one word.
    void ReachInOneWord(int v, Word used, bool distances);
    void LimitsInOneWord();
    void FindBlocks();
    int NextNeighbour(int u);
    int BlockBound(int top, int member, int sameColour, int otherColour, int size) const;

    const PathGraph& graph_;
    int words_;
    int start_ = 0;
    int reachedCount_ = 0;
    int sameColourCount_ = 0; // reached vertices of v's colour (2-colourable graphs)
    std::vector<Word> reached_, visited_, frontier_, next_, inside_, hull_, forced_;
    int surplusOnSame_ = 0;  // surplus at vertices of v's colour (all, without colours)
    int surplusOnOther_ = 0; // surplus at vertices of the other colour
    std::vector<int> distance_, limit_;
    // Depth-first search state of the block decomposition.
    std::vector<int> order_, low_, parent_, wordAt_, callStack_, vertexStack_;
    std::vector<Word> pending_;
    struct BlockRecord {
        int top;
        int first; // members are blockMembers_[first, next block's first)
    };
    std::vector<BlockRecord> blocks_;
    std::vector<int> blockMembers_;
};

} // namespace grafida::paths
