#pragma once
// The compact graph behind the path searches: vertices 0..n-1 stand for rows 1..n of
// a matrix; an arc v -> w for every nonzero entry (v+1, w+1) off the diagonal. A
// diagonal entry is never an arc: a simple path cannot go from a vertex to itself.

#include "numeric/Arrays.h"
#include "topology/paths/VertexBits.h"

#include <span>
#include <vector>

namespace grafida::paths {

class PathGraph {
public:
    // The arcs of a square matrix.
    explicit PathGraph(const TFLOATARRAY& matrix);
    // The subgraph induced by vertices (0-based, increasing): its vertex k is vertices[k].
    PathGraph(const PathGraph& graph, std::span<const int> vertices);

    int Size() const { return n_; }
    int Words() const { return words_; }
    // Heads of the arcs leaving v, increasing.
    std::span<const int> Out(int v) const {
        return {outHeads_.data() + outStart_[static_cast<size_t>(v)],
                outHeads_.data() + outStart_[static_cast<size_t>(v) + 1]};
    }
    const Word* OutSet(int v) const { return outSets_.data() + static_cast<size_t>(v) * words_; }
    // next = the heads of the arcs leaving any vertex of from (one breadth-first step).
    void StepFrom(const Word* from, Word* next) const {
        ClearAll(next, words_);
        ForEachBit(from, words_, [&](int u) {
            const Word* out = OutSet(u);
            for (int k = 0; k < words_; ++k)
                next[k] |= out[k];
        });
    }
    // Vertices joined to v by an arc in either direction.
    const Word* NearSet(int v) const { return nearSets_.data() + static_cast<size_t>(v) * words_; }
    // Every arc has its reverse.
    bool IsSymmetric() const { return symmetric_; }
    // The graph with arc directions ignored can be 2-coloured; Colour tells the side.
    bool IsBipartite() const { return bipartite_; }
    bool Colour(int v) const { return colours_[static_cast<size_t>(v)] != 0; }
    // The vertices of the second colour.
    const Word* SecondColour() const { return secondColour_.data(); }

private:
    void Finish();

    int n_ = 0;
    int words_ = 0;
    std::vector<int> outStart_;
    std::vector<int> outHeads_;
    std::vector<Word> outSets_;
    std::vector<Word> nearSets_;
    std::vector<unsigned char> colours_;
    std::vector<Word> secondColour_;
    bool symmetric_ = true;
    bool bipartite_ = true;
};

// Lengths of shortest directed paths between all vertices; kFar when there is none.
class DistanceTable {
public:
    static constexpr int kFar = 1 << 29;
    explicit DistanceTable(const PathGraph& graph);
    int At(int from, int to) const {
        return table_[static_cast<size_t>(from) * n_ + static_cast<size_t>(to)];
    }

private:
    int n_;
    std::vector<int> table_;
};

} // namespace grafida::paths
