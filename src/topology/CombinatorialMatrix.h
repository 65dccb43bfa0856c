#pragma once
// The combinatorial matrix: every entry m becomes m·(m + 1)/2, the number of pairs
// that m + 1 objects form (a distance becomes its binomial count).

#include "numeric/Arrays.h"

#include <optional>

namespace grafida {

// m's size, every entry m·(m + 1)/2; named m's name with "Comb_" after its first
// underscore. Nothing, after reporting, without a matrix.
std::optional<TFLOATARRAY> CombinatorialMatrix(const TFLOATARRAY* m);

} // namespace grafida
