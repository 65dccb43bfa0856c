#pragma once
// The cells of one molecule for catalogued indices: the matrices they need are built
// once, and a cell that can not be computed stays empty with a note saying why.

#include "molecule/Molecula.h"
#include "workspace/IndexCatalogue.h"

namespace grafida {

IndexRow CalcCataloguedRow(const TMolecula& molecule, const std::vector<CataloguedIndex>& indices,
                           bool with3D);

} // namespace grafida
