#include "numeric/SymmetricEigen.h"

#include "numeric/WorkMatrix.h"

#include <cmath>
#include <limits>
#include <utility>
#include <vector>

namespace grafida {

namespace {

// 2^-63: a diagonal difference below it counts as none.
constexpr long double kNegligible = 1.0842021724855044e-19L;
constexpr double kHalfSqrt2 = 0.7071067811865476;

// One Jacobi rotation of the pair (p, q) of the symmetric work matrix a, accumulated into the
// rows p and q of v. Only a(p, q) != 0 is ever rotated.
void RotatePair(WorkMatrix<double>& a, WorkMatrix<double>& v, int lo, int hi, int p, int q) {
    const long double app = a(p, p);
    const long double aqq = a(q, q);
    const long double apq = a(p, q);
    const long double diff = app - aqq;
    long double c;
    long double s;
    if (std::fabs(diff) > kNegligible) {
        const long double theta = diff / (2 * apq);
        const long double sigma = theta >= 0 ? 1 : -1;
        // sigma·sqrt(theta² + 1) − theta, written without the cancellation for large |theta|.
        const long double t = sigma / (std::fabs(theta) + std::sqrt(theta * theta + 1));
        c = 1 / std::sqrt(t * t + 1);
        s = c * t;
    } else {
        c = kHalfSqrt2;
        s = apq >= 0 ? kHalfSqrt2 : -kHalfSqrt2;
    }
    const long double c2 = c * c;
    const long double s2 = s * s;
    const long double cs = c * s;
    const auto newPP = static_cast<double>(app * c2 + 2 * apq * cs + aqq * s2);
    const auto newQQ = static_cast<double>(app * s2 - 2 * apq * cs + aqq * c2);
    const auto newPQ = static_cast<double>((aqq - app) * cs + apq * (c2 - s2));

    const auto cd = static_cast<double>(c);
    const auto sd = static_cast<double>(s);
    // Rows p and q in one contiguous pass (entries p and q are overwritten below), then the
    // mirrored columns.
    double* rowP = a.Row(p);
    double* rowQ = a.Row(q);
    for (int r = lo - 1; r < hi; ++r) {
        const double u = rowP[r] * cd + rowQ[r] * sd;
        const double w = -rowP[r] * sd + rowQ[r] * cd;
        rowP[r] = u;
        rowQ[r] = w;
    }
    for (int r = lo; r <= hi; ++r) {
        if (r == p || r == q)
            continue;
        a(r, p) = rowP[r - 1];
        a(r, q) = rowQ[r - 1];
    }
    a(p, p) = newPP;
    a(q, q) = newQQ;
    a(p, q) = newPQ;
    a(q, p) = newPQ;

    double* vP = v.Row(p);
    double* vQ = v.Row(q);
    for (int r = lo - 1; r < hi; ++r) {
        const double u = vP[r] * cd + vQ[r] * sd;
        const double w = -vP[r] * sd + vQ[r] * cd;
        vP[r] = u;
        vQ[r] = w;
    }
}

} // namespace

int JacobiEigen(TFLOATARRAY& a, int lo, int hi, TFLOATVEC& d, TFLOATARRAY& v, double tol,
                std::int64_t maxSweeps) {
    CheckSquareRange(a, lo, hi);
    CheckSquareRange(v, lo, hi);
    CheckRange(d, lo, hi);
    WorkMatrix<double> work(a);
    if (!std::isfinite(tol) || !BlockIsFinite(work, lo, hi))
        return kNotFinite;
    WorkMatrix<double> vectors(v);
    for (int i = lo; i <= hi; ++i)
        for (int j = lo; j <= hi; ++j)
            vectors(i, j) = i == j ? 1.0 : 0.0;

    std::int64_t sweep = 0;
    for (;;) {
        ++sweep;
        // Summed wide so that large entries cannot overflow the threshold.
        long double d2 = 0;
        for (int i = lo; i <= hi; ++i)
            d2 += static_cast<long double>(work(i, i)) * work(i, i);
        const long double threshold = tol * std::sqrt(d2);
        bool rotated = false;
        for (int p = lo; p < hi; ++p)
            for (int q = p + 1; q <= hi; ++q) {
                const double apq = work(p, q);
                if (apq != 0 && std::fabs(apq) > threshold) {
                    RotatePair(work, vectors, lo, hi, p, q);
                    rotated = true;
                }
            }
        if (!rotated || sweep > maxSweeps)
            break;
    }
    work.CopyTo(a);
    for (int i = lo; i <= hi; ++i)
        d.Put(i, work(i, i));
    if (sweep > maxSweeps) {
        vectors.CopyTo(v);
        return kNotConverged;
    }

    for (int i = lo; i < hi; ++i) {
        int k = i;
        for (int j = i + 1; j <= hi; ++j)
            if (d.Get(j) > d.Get(k))
                k = j;
        if (k != i) {
            d.Swap(i, k);
            for (int j = lo; j <= hi; ++j)
                std::swap(vectors(i, j), vectors(k, j));
        }
    }
    for (int i = lo; i <= hi; ++i)
        if (vectors(i, lo) < 0)
            for (int j = lo; j <= hi; ++j)
                vectors(i, j) = -vectors(i, j);
    vectors.CopyTo(v);
    return kSolved;
}

void SortEigenDescending(TFLOATVEC& d, TFLOATARRAY* v, int n) {
    for (int i = 1; i < n; ++i) {
        int k = i;
        double largest = d.Get(i);
        for (int j = i + 1; j <= n; ++j)
            if (d.Get(j) >= largest) {
                k = j;
                largest = d.Get(j);
            }
        if (k != i) {
            d.Swap(i, k);
            if (v)
                v->SwapCols(i, k);
        }
    }
}

JacobiResult JacobiEigenvalues(TFLOATARRAY& a, TFLOATVEC& d, int n) {
    CheckSquareRange(a, 1, n);
    d.SetCount(0);
    d.SetCount(n);
    WorkMatrix<double> work(a);
    if (!BlockIsFinite(work, 1, n)) {
        d.Fill(1, std::numeric_limits<double>::quiet_NaN());
        return JacobiResult::NotFinite;
    }
    // The eigenvectors would only be discarded, so they are not accumulated; d is the same.
    std::vector<double> b(static_cast<size_t>(n) + 1);
    std::vector<double> z(static_cast<size_t>(n) + 1, 0.0);
    std::vector<double> e(static_cast<size_t>(n) + 1);
    for (int i = 1; i <= n; ++i)
        b[i] = e[i] = work(i, i);

    const auto rotate = [&work](double s, double tau, int i, int j, int k, int l) {
        const double g = work(i, j);
        const double h = work(k, l);
        work(i, j) = g - s * (h + g * tau);
        work(k, l) = h + s * (g - h * tau);
    };
    const auto finish = [&](JacobiResult result) {
        for (int i = 1; i <= n; ++i)
            d.Put(i, e[i]);
        SortEigenDescending(d, nullptr, n);
        work.CopyTo(a);
        return result;
    };

    for (int sweep = 1; sweep <= 50; ++sweep) {
        double sm = 0;
        for (int p = 1; p < n; ++p)
            for (int q = p + 1; q <= n; ++q)
                sm += std::fabs(work(p, q));
        if (sm == 0.0)
            return finish(JacobiResult::Converged);
        const double tresh = sweep <= 3 ? 0.2 * sm / (static_cast<double>(n) * n) : 0.0;
        for (int p = 1; p < n; ++p)
            for (int q = p + 1; q <= n; ++q) {
                const double g = 100 * std::fabs(work(p, q));
                if (sweep > 4 && std::fabs(e[p]) + g == std::fabs(e[p]) &&
                    std::fabs(e[q]) + g == std::fabs(e[q])) {
                    work(p, q) = 0;
                } else if (std::fabs(work(p, q)) > tresh) {
                    double h = e[q] - e[p];
                    double t;
                    if (std::fabs(h) + g == std::fabs(h)) {
                        t = work(p, q) / h;
                    } else {
                        const double theta = 0.5 * h / work(p, q);
                        t = 1 / (std::fabs(theta) + std::sqrt(1 + theta * theta));
                        if (theta < 0)
                            t = -t;
                    }
                    const double c = 1 / std::sqrt(1 + t * t);
                    const double s = t * c;
                    const double tau = s / (1 + c);
                    h = t * work(p, q);
                    z[p] -= h;
                    z[q] += h;
                    e[p] -= h;
                    e[q] += h;
                    work(p, q) = 0;
                    for (int j = 1; j < p; ++j)
                        rotate(s, tau, j, p, j, q);
                    for (int j = p + 1; j < q; ++j)
                        rotate(s, tau, p, j, j, q);
                    for (int j = q + 1; j <= n; ++j)
                        rotate(s, tau, p, j, q, j);
                }
            }
    }
    for (int i = 1; i <= n; ++i) {
        b[i] += z[i];
        e[i] = b[i];
        z[i] = 0;
    }
    return finish(JacobiResult::SweepsExhausted);
}

} // namespace grafida
