#pragma once
// Polynomial roots through the companion matrix, and the expansion of a
// polynomial from its roots. Coefficient order: ascending (entry 1 is the
// constant term) for PolynomialRoots and EvalPolynomial, descending (entry 1
// is the coefficient of the highest power) for CharPolyFromRoots.

#include "numeric/SolverCodes.h"
#include "numeric/Vectors.h"

namespace grafida {

// The n − 1 roots of the polynomial with the n ascending coefficients p(1..n), real parts into
// re(1..n−1) and imaginary parts into im, sorted by ascending real part. Returns kSolved,
// kNotConverged (re and im hold the roots found so far, unsorted), kDegeneratePolynomial when
// n < 2 or p(n) = 0, or kNotFinite for NaN or infinity among the coefficients or in the
// companion matrix.
int PolynomialRoots(const TFLOATVEC& p, int n, TFLOATVEC& re, TFLOATVEC& im);

// c := the descending coefficients of the product of (x − r(i)), c(1) = 1; c gets Count + 1
// entries. Returns 0 when the polynomial vanishes at every root (checked by evaluating it), 1
// when it does not; c is filled either way.
int CharPolyFromRoots(const TFLOATVEC& r, TFLOATVEC& c);

// The same for roots with real parts re and imaginary parts im (as GeneralEigenvalues gives
// them): each non-real root is expanded together with its conjugate, so that c is real and is
// the characteristic polynomial of a matrix with these eigenvalues. A non-real root whose
// conjugate is missing from the list counts with its real part only and makes the result 1.
int CharPolyFromRoots(const TFLOATVEC& re, const TFLOATVEC& im, TFLOATVEC& c);

// p(x) for the ascending coefficients p by Horner's rule, summed in extended precision;
// 0 for an empty p.
double EvalPolynomial(const TFLOATVEC& p, double x);

} // namespace grafida
