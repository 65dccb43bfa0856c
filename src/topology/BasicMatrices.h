#pragma once
// The nine basic matrices of a molecule in their fixed order, as the Basic matrices
// command offers them. The command reads each molecule, builds what the user ticked
// and prints it; this is the building part, free of any user interface.

#include "molecule/Molecula.h"
#include "numeric/Arrays.h"

#include <array>
#include <memory>

namespace grafida {

enum class BasicMatrix {
    Adjacency,
    Connectivity,
    Distance,
    Distance3D,
    Detour,
    ClujDistance,
    ClujDetour,
    ClujFragDistance,
    ClujFragDetour,
};
inline constexpr int kBasicMatrixCount = 9;

// The list items of the command's dialog, in the fixed order ("Adjacency", "Conectivity", ...).
const std::array<const char*, kBasicMatrixCount>& BasicMatrixItems();
// The name codes of the results: molecule + "_" + code ("AD", "CON", "DI", ...).
const std::array<const char*, kBasicMatrixCount>& BasicMatrixCodes();

using BasicMatrixSelection = std::array<bool, kBasicMatrixCount>;
using BasicMatrixResults = std::array<std::unique_ptr<TFLOATARRAY>, kBasicMatrixCount>;

// Whether a derived matrix has its stored inputs (adjacency, and distance for the Cluj
// matrices); when not, says "%s need %s" as the command does. Always true for the
// matrices built from the molecule alone.
bool HasBasicInputs(BasicMatrix which, const TFLOATARRAY* adjacency, const TFLOATARRAY* distance);

// One basic matrix: from the molecule, or from the given adjacency and distance
// matrices for the derived ones (check them with HasBasicInputs first).
std::unique_ptr<TFLOATARRAY> CalcBasicMatrix(BasicMatrix which, const TMolecula& molecule,
                                             const TFLOATARRAY* adjacency, const TFLOATARRAY* distance);

// Every selected matrix of one molecule, built in the fixed order; the derived ones
// start from the molecule's own adjacency and distance matrices, built here even when
// not selected. Slot k holds matrix k, or nullptr when it was not selected or could
// not be built (the builder has said why). Results equal those of CalcBasicMatrix;
// the detour matrix and the paths behind the Cluj matrices are computed once.
BasicMatrixResults CalcBasicMatrices(const TMolecula& molecule, const BasicMatrixSelection& selection);

} // namespace grafida
