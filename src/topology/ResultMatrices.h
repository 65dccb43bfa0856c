#pragma once
// How the topological builders name and allocate their results.

#include "numeric/Arrays.h"

#include <memory>
#include <string>
#include <string_view>

namespace grafida {

// The text up to and including the first underscore; empty when there is none. A
// derived matrix takes its input's prefix: benzene_AD gives benzene_DI, X gives DI.
std::string PrefixOfName(std::string_view name);

// The text after the first underscore; the whole name when there is none.
std::string SuffixOfName(std::string_view name);

// A rows x cols zero matrix, or nullptr when it cannot be allocated.
std::unique_ptr<TFLOATARRAY> TryNewMatrix(std::int64_t rows, std::int64_t cols);

// Shown when a result matrix cannot be allocated.
inline constexpr const char* kNotEnoughMemory = "NOT ENOUGHT MEMORY, FREE SOME MEMORY AND TRY AGAIN";
inline constexpr const char* kErrorCalculating = "ERROR DIURING CALCULATING %s";

} // namespace grafida
