#pragma once
// The reference for the index table's default columns: the descriptors batch work has
// always tabulated (the half sums of the distance, detour and 3D distance matrices and
// of their combinatorial matrices, the Cluj indices, the extreme adjacency eigenvalues
// and the Randić index), computed plainly, one field each, by the earlier code.

#include "molecule/Molecula.h"

#include <array>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace grafida {

struct MoleculeIndices {
    std::string molecule;
    int vertices = 0;
    int edges = 0;
    double randic = 0;
    double wiener = 0;
    double combDistance = 0;
    double detour = 0;
    double combDetour = 0;
    // Empty when the molecule has no coordinates or the 3D distances were not asked for.
    std::optional<double> distance3d;
    // IP and IE of CjDi, CjDe, CFDi, CFDe in that order (IE over the bonds).
    std::array<double, 8> cluj{};
    double adEigMax = 0;
    double adEigMin = 0;
};

// One cell of the descriptor table: its column's name and its value (none, where the
// molecule has no such value, e.g. no coordinates; the molecule's name, a count or a number).
struct Descriptor {
    const char* column;
    std::variant<std::monostate, std::string, int, double> value;
};

// The descriptors of a molecule as (column name, value) pairs in table order: the one
// place that says which column holds what, for every table of them.
std::vector<Descriptor> DescriptorTable(const MoleculeIndices& indices);

// The column names of the descriptor table, in order, for a table's header.
const std::array<const char*, 19>& MoleculeIndexColumns();

// All indices of a molecule; nothing (after the failing builder has said why) when a
// matrix cannot be built. with3D false leaves the 3D distances out.
std::optional<MoleculeIndices> CalcMoleculeIndices(const TMolecula& molecule, bool with3D = true);

} // namespace grafida
