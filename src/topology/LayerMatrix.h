#pragma once
// The layer matrix: row i holds, for every distance e from vertex i, the sum of a
// vertex property over the vertices at that distance (column 1: vertex i itself).

#include "numeric/Arrays.h"
#include "numeric/Vectors.h"

#include <optional>
#include <string_view>

namespace grafida {

// The layer matrix of the distance matrix d and the property vector p, with
// d.Rows() rows and E + 1 columns, E the largest distance in d. Named name with
// "LM_" after its first underscore; when name is empty, d's molecule prefix followed
// by "LM_" and p's name, or by "LM" when p holds only 1.0. Nothing, after reporting,
// when d is not square or p's length differs from d's order.
std::optional<TFLOATARRAY> LayerMatrix(const TFLOATARRAY& d, const TFLOATVEC& p, std::string_view name);

// The coefficients of the layer polynomial CS(1)·x^E + ... + CS(E + 1), in ascending
// powers of x and without the zero coefficients of the lowest powers; empty when all
// are zero. cs holds the column sums of a layer or shell matrix.
TFLOATVEC LayerPolynomial(const TFLOATVEC& cs);

} // namespace grafida
