#include "numeric/Eigenvector.h"

#include "numeric/SvdWork.h"
#include "numeric/WorkMatrix.h"

#include <algorithm>
#include <cmath>

namespace grafida {

namespace {

using detail::CopyBack;
using detail::ToWork;
using detail::WorkVector;

int SolveReduced(const WorkMatrix<double>& b, int lo, int hi, WorkVector& x, double tol, int k) {
    // The kept rows and columns, packed in order into lo..last.
    const int last = hi - 1;
    WorkMatrix<double> reduced(std::max(last, 0), std::max(last, 0));
    WorkVector rhs(static_cast<size_t>(std::max(last, 0)) + 1, 0.0);
    int row = lo;
    for (int i = lo; i <= hi; ++i) {
        if (i == k)
            continue;
        int col = lo;
        for (int j = lo; j <= hi; ++j)
            if (j != k)
                reduced(row, col++) = b(i, j);
        rhs[row] = -b(i, k);
        ++row;
    }
    WorkMatrix<double> v(std::max(last, 0), std::max(last, 0));
    WorkVector w(rhs.size(), 0.0);
    const int result = detail::SvdDecompose(reduced, lo, last, v, w, last);
    if (result != kSolved)
        return result;
    detail::ZeroSmallSingularValues(w, lo, last, tol);
    WorkVector y(rhs.size(), 0.0);
    detail::SvdBackSubstitute(reduced, w, v, y, last, last, lo, rhs);
    int next = lo;
    for (int j = lo; j <= hi; ++j)
        x[j] = j == k ? 1.0 : y[next++];
    return kSolved;
}

bool ResidualIsSmall(const WorkMatrix<double>& b, const WorkVector& x, int lo, int hi, double tol) {
    for (int i = lo; i <= hi; ++i) {
        double r = 0;
        for (int j = lo; j <= hi; ++j)
            r += b(i, j) * x[j];
        if (!(std::fabs(r) < tol))
            return false;
    }
    return true;
}

void Normalize(WorkVector& x, int lo, int hi) {
    long double squares = 0;
    for (int i = lo; i <= hi; ++i)
        squares += static_cast<long double>(x[i]) * x[i];
    const auto norm = static_cast<double>(std::sqrt(squares));
    for (int i = lo; i <= hi; ++i)
        if (x[i] != 0)
            x[i] /= norm;
    if (lo <= hi && x[lo] < 0)
        for (int i = lo; i <= hi; ++i)
            if (x[i] != 0)
                x[i] = -x[i];
}

} // namespace

int EigenvectorForValue(const TFLOATARRAY& a, int lo, int hi, double lambda, double tol, TFLOATVEC& x) {
    CheckSquareRange(a, lo, hi);
    CheckRange(x, lo, hi);
    WorkMatrix<double> b(a);
    if (!std::isfinite(lambda) || !std::isfinite(tol) || !BlockIsFinite(b, lo, hi))
        return kNotFinite;
    for (int i = lo; i <= hi; ++i)
        b(i, i) -= lambda;
    WorkVector work = ToWork(x);
    for (int k = lo; k <= hi; ++k)
        if (SolveReduced(b, lo, hi, work, tol, k) == kSolved && ResidualIsSmall(b, work, lo, hi, tol)) {
            Normalize(work, lo, hi);
            CopyBack(work, lo, hi, x);
            return kSolved;
        }
    CopyBack(work, lo, hi, x);
    return kNotConverged;
}

int SolveReducedSystem(const TFLOATARRAY& b, int lo, int hi, TFLOATVEC& x, double tol, int k) {
    CheckSquareRange(b, lo, hi);
    CheckRange(x, lo, hi);
    WorkVector work = ToWork(x);
    const int result = SolveReduced(WorkMatrix<double>(b), lo, hi, work, tol, k);
    if (result == kSolved)
        CopyBack(work, lo, hi, x);
    return result;
}

bool CheckResidual(const TFLOATARRAY& b, const TFLOATVEC& x, int lo, int hi, double tol) {
    CheckSquareRange(b, lo, hi);
    CheckRange(x, lo, hi);
    return ResidualIsSmall(WorkMatrix<double>(b), ToWork(x), lo, hi, tol);
}

void NormalizeVector(TFLOATVEC& x, int lo, int hi) {
    CheckRange(x, lo, hi);
    WorkVector work = ToWork(x);
    Normalize(work, lo, hi);
    CopyBack(work, lo, hi, x);
}

} // namespace grafida
