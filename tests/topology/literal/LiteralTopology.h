#pragma once
// The distance, path, detour and Cluj algorithms written out step by step, exactly as
// the program's documentation describes them: the level-by-level distance relaxation
// and the explicit-stack depth-first search over every simple path. Slow (exponential
// in the number of rings), and kept only as the reference that the fast builders must
// match cell for cell and path for path.

#include "numeric/Arrays.h"
#include "numeric/IntLists.h"

namespace grafida::literal {

TFLOATARRAY CalcDistance(const TFLOATARRAY& adjacency);

void GetNeighbours(const TFLOATARRAY& graph, int v, TIntList& list);
void FindPathsOfLength(const TFLOATARRAY& graph, int s, int t, int length, TListIntList& paths);
void FindPathsAvoiding(const TFLOATARRAY& graph, int s, int t, const TIntList& avoid, TListIntList& paths);
int LongestPathLength(const TFLOATARRAY& graph, int s, int t);
TFLOATARRAY CalcDetour(const TFLOATARRAY& graph);

int ClujCount(const TFLOATARRAY& adjacency, const TFLOATARRAY& distance, const TListIntList& paths, int home,
              int other);
int ClujFragCount(const TFLOATARRAY& adjacency, const TListIntList& paths, int home, int other);
void CutVertices(TFLOATARRAY& matrix, const TIntList& vertices);

TFLOATARRAY CalcClujDistance(const TFLOATARRAY& adjacency, const TFLOATARRAY& distance);
TFLOATARRAY CalcClujDetour(const TFLOATARRAY& adjacency, const TFLOATARRAY& distance);
TFLOATARRAY CalcClujFragDistance(const TFLOATARRAY& adjacency, const TFLOATARRAY& distance);
TFLOATARRAY CalcClujFragDetour(const TFLOATARRAY& adjacency, const TFLOATARRAY& distance);

} // namespace grafida::literal
