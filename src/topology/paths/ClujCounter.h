#pragma once
// The vertex counts behind one Cluj matrix entry, for one path p between home and
// other:
// - whole graph: the vertices closer to home than to other (the set S, fixed for the
//   pair) that home still reaches when the other vertices of p are taken out;
// - fragmental: with p's inner vertices cut out, the vertices closer to home than to
//   other in what remains (two breadth-first searches give both directions).

#include "topology/paths/PathGraph.h"

#include <span>
#include <vector>

namespace grafida::paths {

class ClujCounter {
public:
    explicit ClujCounter(const PathGraph& graph);

    // How many vertices of closer (a vertex set) home reaches without touching a
    // vertex of path other than home itself.
    int Reachable(std::span<const int> path, int home, const Word* closer);

    struct Sides {
        int first;  // vertices closer to the path's first vertex
        int second; // vertices closer to its last vertex
    };
    // With the inner vertices of path cut out: the vertices strictly closer to each end.
    Sides Fragments(std::span<const int> path);
    // With the vertices of cut taken out: the vertices strictly closer to first than
    // to second, and the other way round.
    Sides Fragments(int first, int second, const Word* cut);

private:
    Sides FragmentsInOneWord(int first, int second, Word cut);

    const PathGraph& graph_;
    int words_;
    std::vector<Word> blocked_, visited_, frontier_, next_, otherVisited_, otherFrontier_, otherNext_;
};

} // namespace grafida::paths
