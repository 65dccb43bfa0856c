#pragma once
// How the topological builders name and allocate their results.

#include "numeric/Arrays.h"
#include "numeric/MatrixNames.h"

#include <memory>
#include <string>
#include <string_view>

namespace grafida {

// A rows x cols zero matrix, or nullptr when it cannot be allocated.
std::unique_ptr<TFLOATARRAY> TryNewMatrix(std::int64_t rows, std::int64_t cols);

// Shown when a result matrix cannot be allocated.
inline constexpr const char* kNotEnoughMemory = "NOT ENOUGHT MEMORY, FREE SOME MEMORY AND TRY AGAIN";
inline constexpr const char* kErrorCalculating = "ERROR DIURING CALCULATING %s";

} // namespace grafida
