#pragma once
// Simple paths of a graph given by a square matrix: vertex v's neighbours are the
// columns w != v with a nonzero entry (v, w), in increasing order. Vertices are
// numbered from 1; paths run from the start vertex to the end vertex, both included,
// and come in lexicographic order of their vertex sequences.

#include "numeric/Arrays.h"
#include "numeric/IntLists.h"

namespace grafida {

// Appends v's neighbours to list.
void GetNeighbours(const TFLOATARRAY& graph, int v, TIntList& list);

// Empties paths, then fills it with every simple path from s to t of exactly length edges.
void FindPathsOfLength(const TFLOATARRAY& graph, int s, int t, int length, TListIntList& paths);

// Empties paths, then fills it with every simple path from s to t that touches no
// vertex of avoid other than avoid's first value (avoid is normally a path from s).
void FindPathsAvoiding(const TFLOATARRAY& graph, int s, int t, const TIntList& avoid, TListIntList& paths);

// Edges of the longest simple path from s to t; 0 when t cannot be reached.
int LongestPathLength(const TFLOATARRAY& graph, int s, int t);

} // namespace grafida
