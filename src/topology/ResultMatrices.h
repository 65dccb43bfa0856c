#pragma once
// How the topological builders name and allocate their results.

#include "numeric/Arrays.h"
#include "numeric/MatrixNames.h"
#include "numeric/Messages.h"

#include <memory>
#include <string>
#include <string_view>

namespace grafida {

// A rows x cols zero matrix, or nullptr when it cannot be allocated.
std::unique_ptr<TFLOATARRAY> TryNewMatrix(std::int64_t rows, std::int64_t cols);

} // namespace grafida
