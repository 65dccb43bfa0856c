#pragma once
// The eigenvector of a general real matrix for one real eigenvalue, found by
// fixing one component to 1 and solving the remaining singular system by SVD.

#include "numeric/Arrays.h"
#include "numeric/SolverCodes.h"
#include "numeric/Vectors.h"

namespace grafida {

// Eigenvector of a (left unchanged) for lambda over lo..hi into x: the first component k whose
// reduced system solves with every residual below tol gives the vector, scaled to unit length
// with a non-negative first entry; returns kSolved. Returns kNotConverged when no k works
// (x holds the last attempt) and kNotFinite for NaN or infinity in a, lambda or tol.
int EigenvectorForValue(const TFLOATARRAY& a, int lo, int hi, double lambda, double tol, TFLOATVEC& x);

// Solves b·x = 0 with x(k) = 1: the system without row and column k, right-hand side −b(i, k),
// by SVD with the singular values below tol (relative) dropped. Returns kSolved or the code of
// SvdDecompose.
int SolveReducedSystem(const TFLOATARRAY& b, int lo, int hi, TFLOATVEC& x, double tol, int k);

// True when every component of b·x is below tol in magnitude.
bool CheckResidual(const TFLOATARRAY& b, const TFLOATVEC& x, int lo, int hi, double tol);

// Scales x(lo..hi) to unit length and turns it so that x(lo) is not negative.
void NormalizeVector(TFLOATVEC& x, int lo, int hi);

} // namespace grafida
