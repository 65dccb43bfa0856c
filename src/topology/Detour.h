#pragma once
// The detour matrix: the length of the longest simple path between every two vertices.

#include "numeric/Arrays.h"

#include <memory>

namespace grafida {

// DE[i,j] = DE[j,i] = edges of the longest simple path from i to j (for j < i);
// 0 on the diagonal and between vertices that no path joins. Named with the graph's
// prefix + "DE" (benzene_AD gives benzene_DE).
std::unique_ptr<TFLOATARRAY> CalcDetour(const TFLOATARRAY* graph);

} // namespace grafida
