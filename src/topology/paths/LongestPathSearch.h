#pragma once
// Longest simple paths from one start vertex to many targets in one depth-first
// search. Every partial path is extended only while some target could still get a
// longer path through it (ExtensionBounds), and the search ends as soon as every
// target has met its bound from the start.

#include "topology/paths/ExtensionBounds.h"
#include "topology/paths/PathGraph.h"

#include <vector>

namespace grafida::paths {

class LongestPathSearch {
public:
    explicit LongestPathSearch(const PathGraph& graph);

    // longest[u] := edges of the longest simple path from start to u, for every u of
    // targets (0 when u cannot be reached); on entry longest[u] may hold a length known
    // to be reachable, which spares the search work. Other entries are left alone.
    // When seen is given, seen[v] is raised to the longest path from start to v that
    // the search happened to walk, for every vertex v.
    void Run(int start, const Word* targets, std::vector<int>& longest, std::vector<int>* seen = nullptr);

private:
    bool Promising(int v, int length, const std::vector<int>& longest);
    int FreeNeighbours(int v) const;
    bool IsPathOfLength(int end, int length) const;

    const PathGraph& graph_;
    int words_;
    ExtensionBounds bounds_;
    std::vector<Word> used_, open_;
    std::vector<int> cap_;
    struct Frame {
        int vertex;
        int length;
        int begin; // the frame's children are children_[begin, end)
        int next;  // the next child to try
        int end;
    };
    std::vector<Frame> frames_;
    std::vector<int> children_;
    // Search steps taken; the user's Cancel is looked at every kStepsBetweenChecks.
    static constexpr unsigned kStepsBetweenChecks = 4096;
    unsigned steps_ = 0;
};

} // namespace grafida::paths
