#pragma once
// The singular value routines on work copies, shared by the eigenvector solver.
// Vectors are indexed 1-based like the containers (element 0 unused).

#include "numeric/Vectors.h"
#include "numeric/WorkMatrix.h"

#include <algorithm>
#include <vector>

namespace grafida::detail {

using WorkVector = std::vector<double>;

inline WorkVector ToWork(const TFLOATVEC& v) {
    WorkVector work(v.Data().size() + 1, 0.0);
    std::copy(v.Data().begin(), v.Data().end(), work.begin() + 1);
    return work;
}

// Elements lo..hi of work back into v.
inline void CopyBack(const WorkVector& work, int lo, int hi, TFLOATVEC& v) {
    for (int i = lo; i <= hi; ++i)
        v.Put(i, work[static_cast<size_t>(i)]);
}

int SvdDecompose(WorkMatrix<double>& u, int lo, int m, WorkMatrix<double>& v, WorkVector& w, int n);
void ZeroSmallSingularValues(WorkVector& w, int lo, int hi, double tol);
void SvdBackSubstitute(const WorkMatrix<double>& u, const WorkVector& w, const WorkMatrix<double>& v,
                       WorkVector& x, int m, int n, int lo, const WorkVector& b);

} // namespace grafida::detail
