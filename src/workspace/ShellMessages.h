#pragma once
// The texts with which the program's frame and its text windows speak to the user.

#include "numeric/Messages.h"

namespace grafida {

inline constexpr const char* kExitQuestion = "Exit program ?";
inline constexpr const char* kModifiedQuestion = "File '%s' was modified.Save ?";
inline constexpr const char* kMatricesLoaded = "%d matrices loaded";
inline constexpr const char* kMixedFiles = "Molecule or Matrices list not omogen !";
inline constexpr const char* kNotAFloatingPointValue = "Data %s is not valid floating point value";
inline constexpr const char* kCannotWriteFile = "Can't write file %s";
inline constexpr const char* kComputationCancelled = "Cancelled: nothing was kept";
inline constexpr const char* kNoMemory = messages::kNotEnoughMemory;

} // namespace grafida
