#pragma once
// The descriptors of one molecule that batch work tabulates: the half sums of its
// distance, detour and 3D distance matrices and of their combinatorial matrices,
// the Cluj indices, the extreme adjacency eigenvalues and the Randić index.

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

// One cell of the descriptor table: its column's name and its value (the molecule's
// name, a count or a number; nothing for a value the molecule does not have).
struct Descriptor {
    const char* column;
    std::variant<std::string, int, double, std::monostate> value;
};

// The descriptors of a molecule as (column name, value) pairs in table order: the one
// place that says which column holds what, for every table of them.
std::vector<Descriptor> DescriptorTable(const MoleculeIndices& indices);

// The column names of the descriptor table, in order, for a table's header.
const std::array<const char*, 19>& MoleculeIndexColumns();

// All indices of a molecule; nothing (after the failing builder has said why) when a
// matrix cannot be built. with3D false leaves the 3D distances out.
std::optional<MoleculeIndices> CalcMoleculeIndices(const TMolecula& molecule, bool with3D = true);

// Randić's connectivity index: the sum over bonds of (deg(a) · deg(b))^(-1/2).
double RandicIndex(const TMolecula& molecule);

} // namespace grafida
