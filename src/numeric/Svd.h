#pragma once
// Singular value decomposition (Golub–Reinsch) and the least-squares solve built
// on it, over 1-based index ranges.

#include "numeric/Arrays.h"
#include "numeric/SolverCodes.h"
#include "numeric/Vectors.h"

namespace grafida {

// Decomposes rows lo..m, columns lo..n of u into u·diag(w)·vᵀ: u is replaced by the left factor,
// v (columns lo..n) and w (lo..n) receive the right factor and the singular values, unsorted and
// not negative. Returns kSolved, kNotConverged after 30 iterations for one singular value, or
// kNotFinite for NaN or infinity in u.
int SvdDecompose(TFLOATARRAY& u, int lo, int m, TFLOATARRAY& v, TFLOATVEC& w, int n);

// Sets every w(lo..hi) below tol times the largest of them to 0.
void ZeroSmallSingularValues(TFLOATVEC& w, int lo, int hi, double tol);

// x := v·diag(1/w)·uᵀ·b over rows lo..m and columns lo..n; a zero w(j) drops its term.
void SvdBackSubstitute(const TFLOATARRAY& u, const TFLOATVEC& w, const TFLOATARRAY& v, TFLOATVEC& x, int m,
                       int n, int lo, const TFLOATVEC& b);

// sqrt(a² + b²) without overflow or underflow on the way.
double Pythag(double a, double b);

} // namespace grafida
