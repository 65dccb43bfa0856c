#pragma once
// The matrices read straight off a molecule: adjacency, connectivity (bond orders)
// and geometric distances. Vertex k is row and column k.

#include "molecule/Molecula.h"
#include "numeric/Arrays.h"

#include <memory>

namespace grafida {

// 1.0 for every bonded pair; named molecule + "_AD". A bond to a vertex outside
// 1..n fails with "ERROR DIURING CALCULATING adjacency".
std::unique_ptr<TFLOATARRAY> CalcAdjacency(const TMolecula& molecule);

// The bond order of every bonded pair (single 1, double 2, triple 3, aromatic 1.5);
// named molecule + "_CON". Fails silently on a bond of any other type.
std::unique_ptr<TFLOATARRAY> CalcConnectivity(const TMolecula& molecule);

// Euclidean distances between all atoms, bonded or not, in the file's units; named
// molecule + "_D3D". Fails with "ERROR DIURING CALCULATING distance 3D", or with
// "Molecule %s has no 3D coordinates" for a molecule without them.
std::unique_ptr<TFLOATARRAY> CalcDistance3D(const TMolecula& molecule);

} // namespace grafida
