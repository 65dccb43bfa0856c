#pragma once
// Eigenvalues of general real matrices: balancing, reduction to upper Hessenberg
// form and the shifted double-step QR iteration. The routines work on the block
// lo..hi of 1-based matrices and vectors and overwrite the matrix they are given.

#include "numeric/Arrays.h"
#include "numeric/SolverCodes.h"
#include "numeric/Vectors.h"

namespace grafida {

// All eigenvalues of a (destroyed) into wr (real parts) and wi (imaginary parts), in the order
// the QR iteration finds them; a complex pair comes as (x, -y), (x, +y). Returns kSolved,
// kNotConverged when the iterations run out, 30 per eigenvalue for the whole block (wr and wi
// hold those found so far), or kNotFinite for NaN or infinity in a.
int GeneralEigenvalues(TFLOATARRAY& a, int lo, int hi, TFLOATVEC& wr, TFLOATVEC& wi);

// Scales rows and columns by powers of 2 until their norms are balanced; the eigenvalues stay.
// A block holding NaN or infinity is left as it is.
void BalanceMatrix(TFLOATARRAY& a, int lo, int hi);

// Similarity reduction to upper Hessenberg form by elimination with row pivoting; the entries
// below the first subdiagonal are set to 0.
void ReduceToHessenberg(TFLOATARRAY& a, int lo, int hi);

// Francis double-shift QR on an upper Hessenberg matrix (destroyed); results and codes as
// GeneralEigenvalues.
int HessenbergQR(TFLOATARRAY& a, int lo, int hi, TFLOATVEC& wr, TFLOATVEC& wi);

} // namespace grafida
