#pragma once
// Distances as layer numbers: how the layer and shell matrices place a vertex j in
// a layer of vertex i, and how many layers a distance matrix has.

#include "numeric/Arrays.h"

#include <cstdint>
#include <optional>

namespace grafida {

// x rounded to the nearest integer, halves to the even neighbour (2.5 gives 2, 3.5 gives 4).
double RoundHalfEven(double x);

// The largest distance E of d, over the upper triangle with the diagonal: starting at 0,
// every entry greater than E makes E that entry rounded half to even. Nothing when a
// matrix of d.Rows() rows and E + 1 columns could not be held (an infinite or absurd entry).
std::optional<std::int64_t> LargestDistance(const TFLOATARRAY& d);

// The layer 1..largest that distance falls into, or 0 when it falls into none.
inline std::int64_t LayerOf(double distance, std::int64_t largest) {
    const double layer = RoundHalfEven(distance);
    return layer >= 1 && layer <= static_cast<double>(largest) ? static_cast<std::int64_t>(layer) : 0;
}

} // namespace grafida
