#pragma once
// The matrices a molecule offers Python: the nine basic matrices by their codes,
// and the matrices the program derives from them (W matrix, walk operator, layer,
// shell and combinatorial matrix) with the options of their commands.

#include "molecule/Molecula.h"
#include "numeric/Arrays.h"

#include <cstdint>
#include <optional>
#include <string>

namespace grafida::python {

struct MatrixOptions {
    // The basic matrix the derived one starts from ("AD", "DI", ...); empty: its default.
    std::string of;
    // W matrix: the number of walk steps.
    std::uint16_t steps = 1;
    // W matrix: a property of the molecule ("atomic mass"); layer matrix: one too, or
    // "Row sum", "Col sum", "Diagonal entries" of `of`; empty: unit weights.
    std::string property;
    // Walk operator: M2 (the walk lengths) and M3 (the factors).
    std::string m2;
    std::string m3;
};

// The codes matrix() takes beyond the basic ones.
inline constexpr const char* kWMatrixCode = "W";
inline constexpr const char* kWalkOperatorCode = "WO";
inline constexpr const char* kLayerMatrixCode = "LM";
inline constexpr const char* kShellMatrixCode = "Sh";
inline constexpr const char* kCombinatorialCode = "Comb";

// True for a code matrix() knows.
bool IsMatrixCode(const std::string& code);

// The matrix of code; nothing after the builder has reported why.
std::optional<TFLOATARRAY> MoleculeMatrix(const TMolecula& molecule, const std::string& code,
                                          const MatrixOptions& options);

} // namespace grafida::python
