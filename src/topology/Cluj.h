#pragma once
// The Cluj matrices. Entry [i,j] counts the vertices on i's side of the pair (i, j),
// judged along the paths that join i and j (the largest count over those paths):
// - Cluj distance (CjDi) and Cluj detour (CjDe): over the shortest, respectively the
//   longest paths, the vertices closer to i than to j (by the distance matrix) that i
//   still reaches when the rest of the path is taken out, i itself included;
// - fragmental (CFDi, CFDe): over the same paths, the vertices closer to i than to j
//   in the graph left when the path's inner vertices are cut out.
// A pair that no path joins gets 1 (0 in the fragmental matrices). The results are
// named with the adjacency matrix's prefix + the code (benzene_AD gives benzene_CjDi).

#include "numeric/Arrays.h"
#include "numeric/IntLists.h"

#include <memory>

namespace grafida {

std::unique_ptr<TFLOATARRAY> CalcClujDistance(const TFLOATARRAY* adjacency, const TFLOATARRAY* distance);
// Builds the detour matrix of adjacency for the path lengths.
std::unique_ptr<TFLOATARRAY> CalcClujDetour(const TFLOATARRAY* adjacency, const TFLOATARRAY* distance);
std::unique_ptr<TFLOATARRAY> CalcClujFragDistance(const TFLOATARRAY* adjacency, const TFLOATARRAY* distance);
// distance is not used: the fragmental counts need only the adjacency matrix.
std::unique_ptr<TFLOATARRAY> CalcClujFragDetour(const TFLOATARRAY* adjacency, const TFLOATARRAY* distance);

// The matrix over the paths of one kind and its fragmental companion, from one walk
// over those paths; each is built only when asked for (results as the builders above).
struct ClujMatrices {
    std::unique_ptr<TFLOATARRAY> whole;
    std::unique_ptr<TFLOATARRAY> fragmental;
};
ClujMatrices CalcClujDistanceMatrices(const TFLOATARRAY* adjacency, const TFLOATARRAY* distance, bool whole,
                                      bool fragmental);
// detour: the detour matrix of adjacency when the caller has it already, else nullptr.
ClujMatrices CalcClujDetourMatrices(const TFLOATARRAY* adjacency, const TFLOATARRAY* distance,
                                    const TFLOATARRAY* detour, bool whole, bool fragmental);

// 1 + the most vertices k (k != home, other; distance[home,k] < distance[other,k])
// that home reaches without the other vertices of one path of paths; 1 without paths.
// Vertices are numbered from 1; each path starts with home.
int ClujCount(const TFLOATARRAY& adjacency, const TFLOATARRAY& distance, const TListIntList& paths, int home,
              int other);
// The most vertices closer to home than to other once the inner vertices of one path
// of paths are cut out; 0 without paths.
int ClujFragCount(const TFLOATARRAY& adjacency, const TListIntList& paths, int home, int other);
// Sets every entry of the rows and columns of the given vertices to 0.
void CutVertices(TFLOATARRAY& matrix, const TIntList& vertices);

} // namespace grafida
