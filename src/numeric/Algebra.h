#pragma once
// Matrix algebra. Every operation works in place on the matrix it is given and
// renames it after how it was made (x_AD + x_DI gives x_AD_SUM_DI), so callers
// apply it to a copy and store the copy next to its source. Size mismatches
// raise GrafidaError; a failing operation leaves the matrix and its name alone.

#include "numeric/Arrays.h"
#include "numeric/SolverCodes.h"
#include "numeric/Vectors.h"

namespace grafida {

// a·c, a + c, a − c, a / c on every element; the name gains _MUL, _ADD, _DIF or _DIV and c ("%-.2f").
void MulScalar(TFLOATARRAY& a, double c);
void AddScalar(TFLOATARRAY& a, double c);
void SubScalar(TFLOATARRAY& a, double c);
// Raises "Floating point division by zero" for c = 0 (a matrix without elements is only renamed).
void DivScalar(TFLOATARRAY& a, double c);

// Element by element; a and b need the same size. Names gain _SUM_, _DIF_ or _H_ and b's matrix part.
void AddMatrix(TFLOATARRAY& a, const TFLOATARRAY& b);
void SubMatrix(TFLOATARRAY& a, const TFLOATARRAY& b);
void HadamardProduct(TFLOATARRAY& a, const TFLOATARRAY& b);

// The matrix product a·b cut to a's size: b needs as many rows as a has columns and at
// least as many columns. The name gains _CP and b from its first underscore on.
void CramerProduct(TFLOATARRAY& a, const TFLOATARRAY& b);

// Every nonzero element becomes its reciprocal; zeros stay 0. "_R" goes before the first underscore.
void Reciprocal(TFLOATARRAY& a);

// Square matrices only; "TRANS_" goes after the first underscore.
void Transpose(TFLOATARRAY& a);

// Gauss–Jordan inversion with complete pivoting; "INV_" goes after the first underscore.
// Returns kSolved, kSingular (a pivot below 2^-63, or an inverse too large to represent)
// or kNotFinite (NaN or infinity in a); on failure a is unchanged.
int Invert(TFLOATARRAY& a);

// v(i) := row sum i (column sum j) of a; v must have exactly Rows (Cols) elements.
void RowSums(const TFLOATARRAY& a, TFLOATVEC& v);
void ColSums(const TFLOATARRAY& a, TFLOATVEC& v);

} // namespace grafida
