#pragma once
// The W matrix (a matrix whose diagonal is replaced by walk counts) and the walk
// operator built from it.

#include "numeric/Arrays.h"
#include "numeric/Vectors.h"

#include <cstdint>
#include <optional>

namespace grafida {

// A property of this name adds the self-loop term to every walk step.
inline constexpr const char* kLoopPropertyName = "aloop";

// m with its diagonal replaced by the walk counts of `steps` steps, m's entries being
// the weights. The counts start from property when m's diagonal sums to 0 (from 1.0
// in loop mode), from m's own diagonal otherwise. property is working storage: after
// at least one step it holds the final diagonal. Named m's name with "W<steps>_" after
// its first underscore, plus "_" and property's name unless all its values are 1.0.
// Nothing, after reporting, when m is missing or not square or property's length
// differs from m's order.
std::optional<TFLOATARRAY> CalcWMatrix(const TFLOATARRAY* m, std::uint16_t steps, TFLOATVEC& property);

// Entry (i, j), i != j: the walk count of vertex i in m1 (seeded with ones) of the
// length m2(i, j) rounded half to even, times m3(i, j); the diagonal is 0. Named
// m1 + "_" + matrix parts of m2 and m3, with "W_" after the first underscore.
// Nothing, after reporting, unless m1 is square and m2, m3 have its size.
std::optional<TFLOATARRAY> CalcWalkOperator(const TFLOATARRAY* m1, const TFLOATARRAY* m2,
                                            const TFLOATARRAY* m3);

} // namespace grafida
