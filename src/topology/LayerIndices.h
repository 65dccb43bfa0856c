#pragma once
// Vertex indices and layer sums of a layer or shell matrix: n rows and N + 1
// columns, column k belonging to distance k - 1.

#include "numeric/Arrays.h"
#include "numeric/Vectors.h"

#include <optional>
#include <vector>

namespace grafida {

// "C": C(i) = 1 / the sum over e = 1..N of (L(i, e + 1)^(2e))^(1 / N²), summed in single
// precision; 0 when that sum is 0. Nothing, after reporting, without a matrix.
std::optional<TFLOATVEC> CIndex(const TFLOATARRAY* l);

// "X": X(i) = the sum over k of L(i, k)·10^(-k), divided by the total of column 1 unless
// that total is 0. Nothing, after reporting, without a matrix.
std::optional<TFLOATVEC> XIndex(const TFLOATARRAY* l);

// Appends, in this order: "CS", the N + 1 column sums; then "PDS", "PRDS", "PD^2S" and
// "PRD^2S", entry e = 1..N summing L(i, e + 1) times e, over e, times e², over e² in
// single precision.
void LayerSums(const TFLOATARRAY& l, std::vector<TFLOATVEC>& sums);

// base^exponent by repeated multiplication (squaring); a negative exponent gives the reciprocal.
double IntegerPower(double base, std::int64_t exponent);

// base^exponent: 1 for exponent 0, 0 for base 0 and a positive exponent, IntegerPower for
// an integral exponent, exp(exponent·ln(base)) otherwise.
double RealPower(double base, double exponent);

} // namespace grafida
