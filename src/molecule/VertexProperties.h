#pragma once
// The computed vertex properties: Sanderson group electronegativity ("SGI"), atomic
// charges ("atomic charge") and group mass ("Group mass"). Each appends its property
// to the molecule only when every value could be computed.

#include "molecule/Molecula.h"
#include "numeric/Arrays.h"

namespace grafida {

// SGI = (chi * 2.592^h)^(1 / (h + 1)) per vertex, chi from "ELNEG.DAT".
bool CalcSGI(TMolecula& molecule);

// Charge of vertex i: sum over j != i of log10(SGI(j) / SGI(i)) / D(i, j)^2, with D the
// molecule's topological distance matrix. charges becomes the n x n matrix of the
// terms, named molecule name + "_CH". False without a message of its own when D does
// not fit the molecule or a term cannot be computed, and when the molecule already
// has "atomic charge".
bool CalcCharges(TMolecula& molecule, const TFLOATARRAY& distances, TFLOATARRAY& charges);

// Group mass = atomic mass from "MASS.DAT" + one per bonded hydrogen.
bool CalcGroupMass(TMolecula& molecule);

} // namespace grafida
