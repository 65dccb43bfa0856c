#pragma once
// Result codes shared by the numeric solvers. Solvers never raise or show
// messages; the commands that call them turn these codes into messages.

namespace grafida {

inline constexpr int kSolved = 0;
// Singular matrix (Invert).
inline constexpr int kSingular = -1;
// An iteration limit was reached before the solver converged.
inline constexpr int kNotConverged = -2;
// NaN or infinity among the inputs (or produced from finite ones); nothing useful can be computed.
inline constexpr int kNotFinite = -3;
// A polynomial with fewer than two coefficients or a zero leading coefficient has no companion matrix.
inline constexpr int kDegeneratePolynomial = -4;

} // namespace grafida
