#include "numeric/GeneralEigen.h"

#include "numeric/WorkMatrix.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace grafida {

namespace {

// The QR iteration needs a subdiagonal entry to fall below 2^-63 of its neighbours before it
// deflates, which double rounding cannot always reach for repeated eigenvalues; the work copy
// is therefore held in the wider type.
using Wide = long double;

// 2^-63: what is this much smaller than its neighbours counts as zero.
constexpr Wide kNegligible = 1.0842021724855044e-19L;
// Balancing converges in a few passes; the cap only guards against a pathological cycle.
constexpr int kMaxBalancePasses = 1000;
// Iterations allowed per eigenvalue, on average: a cluster of repeated eigenvalues may take
// somewhat more than 30 for one of them, which the others' quick deflations make up for.
constexpr int kIterationsPerEigenvalue = 30;

template <class T> void Balance(WorkMatrix<T>& a, int lo, int hi) {
    constexpr T radix = 2;
    constexpr T radixSquared = radix * radix;
    for (int pass = 0; pass < kMaxBalancePasses; ++pass) {
        bool changed = false;
        for (int i = lo; i <= hi; ++i) {
            T c = 0;
            T r = 0;
            for (int j = lo; j <= hi; ++j)
                if (j != i) {
                    c += std::fabs(a(j, i));
                    r += std::fabs(a(i, j));
                }
            if (c == 0 || r == 0)
                continue;
            T g = r / radix;
            T f = 1;
            const T s = c + r;
            while (c < g) {
                f *= radix;
                c *= radixSquared;
            }
            g = r * radix;
            while (c > g) {
                f /= radix;
                c /= radixSquared;
            }
            if ((c + r) / f < T(0.95) * s) {
                changed = true;
                g = 1 / f;
                for (int j = lo; j <= hi; ++j)
                    a(i, j) *= g;
                for (int j = lo; j <= hi; ++j)
                    a(j, i) *= f;
            }
        }
        if (!changed)
            return;
    }
}

template <class T> void Hessenberg(WorkMatrix<T>& a, int lo, int hi) {
    for (int m = lo + 1; m < hi; ++m) {
        T x = 0;
        int i = m;
        for (int j = m; j <= hi; ++j)
            if (std::fabs(a(j, m - 1)) > std::fabs(x)) {
                x = a(j, m - 1);
                i = j;
            }
        if (i != m) {
            for (int j = m - 1; j <= hi; ++j)
                std::swap(a(i, j), a(m, j));
            for (int j = lo; j <= hi; ++j)
                std::swap(a(j, i), a(j, m));
        }
        if (x != 0) {
            for (i = m + 1; i <= hi; ++i) {
                T y = a(i, m - 1);
                if (y == 0)
                    continue;
                y /= x;
                a(i, m - 1) = y;
                for (int j = m; j <= hi; ++j)
                    a(i, j) -= y * a(m, j);
                for (int j = lo; j <= hi; ++j)
                    a(j, m) += y * a(j, i);
            }
        }
    }
    for (int i = lo + 2; i <= hi; ++i)
        for (int j = lo; j <= i - 2; ++j)
            a(i, j) = 0;
}

template <class T> T WithSignOf(T magnitude, T sign) {
    return sign >= 0 ? std::fabs(magnitude) : -std::fabs(magnitude);
}

template <class T> int FrancisQR(WorkMatrix<T>& a, int lo, int hi, TFLOATVEC& wr, TFLOATVEC& wi) {
    T anorm = lo <= hi ? std::fabs(a(lo, lo)) : 0;
    for (int i = lo + 1; i <= hi; ++i)
        for (int j = i - 1; j <= hi; ++j)
            anorm += std::fabs(a(i, j));
    const auto store = [&](int index, T re, T im) {
        wr.Put(index, static_cast<double>(re));
        wi.Put(index, static_cast<double>(im));
    };

    int nn = hi;
    T t = 0;
    int iterationsLeft = kIterationsPerEigenvalue * (hi - lo + 1);
    while (nn >= lo) {
        int its = 0;
        for (;;) {
            int l = nn;
            for (; l > lo; --l) {
                T s = std::fabs(a(l - 1, l - 1)) + std::fabs(a(l, l));
                if (s == 0)
                    s = anorm;
                if (kNegligible * s >= std::fabs(a(l, l - 1)))
                    break;
            }
            T x = a(nn, nn);
            if (l == nn) {
                store(nn, x + t, 0);
                --nn;
                break;
            }
            T y = a(nn - 1, nn - 1);
            T w = a(nn, nn - 1) * a(nn - 1, nn);
            if (l == nn - 1) {
                const T p = T(0.5) * (y - x);
                const T q = p * p + w;
                T z = std::sqrt(std::fabs(q));
                x += t;
                if (q >= 0) {
                    z = p + WithSignOf(z, p);
                    const T first = x + z;
                    store(nn - 1, first, 0);
                    store(nn, z != 0 ? x - w / z : first, 0);
                } else {
                    store(nn - 1, x + p, -z);
                    store(nn, x + p, z);
                }
                nn -= 2;
                break;
            }
            if (iterationsLeft == 0)
                return kNotConverged;
            if (its == 10 || its == 20) {
                // Exceptional shift, against cycling.
                t += x;
                for (int i = lo; i <= nn; ++i)
                    a(i, i) -= x;
                const T s = std::fabs(a(nn, nn - 1)) + std::fabs(a(nn - 1, nn - 2));
                x = y = T(0.75) * s;
                w = T(-0.4375) * s * s;
            }
            ++its;
            --iterationsLeft;
            int m = nn - 2;
            T p = 0;
            T q = 0;
            T r = 0;
            T z = 0;
            for (; m >= l; --m) {
                z = a(m, m);
                r = x - z;
                T s = y - z;
                p = (r * s - w) / a(m + 1, m) + a(m, m + 1);
                q = a(m + 1, m + 1) - z - r - s;
                r = a(m + 2, m + 1);
                s = std::fabs(p) + std::fabs(q) + std::fabs(r);
                p /= s;
                q /= s;
                r /= s;
                if (m == l)
                    break;
                const T u = std::fabs(a(m, m - 1)) * (std::fabs(q) + std::fabs(r));
                const T v =
                    std::fabs(p) * (std::fabs(a(m - 1, m - 1)) + std::fabs(z) + std::fabs(a(m + 1, m + 1)));
                if (kNegligible * v >= u)
                    break;
            }
            for (int i = m + 2; i <= nn; ++i) {
                a(i, i - 2) = 0;
                if (i != m + 2)
                    a(i, i - 3) = 0;
            }
            for (int k = m; k <= nn - 1; ++k) {
                if (k != m) {
                    p = a(k, k - 1);
                    q = a(k + 1, k - 1);
                    r = k != nn - 1 ? a(k + 2, k - 1) : 0;
                    x = std::fabs(p) + std::fabs(q) + std::fabs(r);
                    if (x != 0) {
                        p /= x;
                        q /= x;
                        r /= x;
                    }
                }
                const T s = WithSignOf(std::sqrt(p * p + q * q + r * r), p);
                if (s == 0)
                    continue;
                if (k == m) {
                    if (l != m)
                        a(k, k - 1) = -a(k, k - 1);
                } else {
                    a(k, k - 1) = -s * x;
                }
                p += s;
                x = p / s;
                y = q / s;
                z = r / s;
                q /= p;
                r /= p;
                for (int j = k; j <= nn; ++j) {
                    p = a(k, j) + q * a(k + 1, j);
                    if (k != nn - 1) {
                        p += r * a(k + 2, j);
                        a(k + 2, j) -= p * z;
                    }
                    a(k + 1, j) -= p * y;
                    a(k, j) -= p * x;
                }
                const int last = std::min(nn, k + 3);
                for (int i = l; i <= last; ++i) {
                    p = x * a(i, k) + y * a(i, k + 1);
                    if (k != nn - 1) {
                        p += z * a(i, k + 2);
                        a(i, k + 2) -= p * r;
                    }
                    a(i, k + 1) -= p * q;
                    a(i, k) -= p;
                }
            }
        }
    }
    for (int i = lo; i <= hi; ++i)
        if (!std::isfinite(wr.Get(i)) || !std::isfinite(wi.Get(i)))
            return kNotFinite;
    return kSolved;
}

} // namespace

void BalanceMatrix(TFLOATARRAY& a, int lo, int hi) {
    CheckSquareRange(a, lo, hi);
    WorkMatrix<Wide> work(a);
    if (!BlockIsFinite(work, lo, hi))
        return;
    Balance(work, lo, hi);
    work.CopyTo(a);
}

void ReduceToHessenberg(TFLOATARRAY& a, int lo, int hi) {
    CheckSquareRange(a, lo, hi);
    WorkMatrix<Wide> work(a);
    Hessenberg(work, lo, hi);
    work.CopyTo(a);
}

int HessenbergQR(TFLOATARRAY& a, int lo, int hi, TFLOATVEC& wr, TFLOATVEC& wi) {
    CheckSquareRange(a, lo, hi);
    CheckRange(wr, lo, hi);
    CheckRange(wi, lo, hi);
    WorkMatrix<Wide> work(a);
    if (!BlockIsFinite(work, lo, hi))
        return kNotFinite;
    const int result = FrancisQR(work, lo, hi, wr, wi);
    work.CopyTo(a);
    return result;
}

int GeneralEigenvalues(TFLOATARRAY& a, int lo, int hi, TFLOATVEC& wr, TFLOATVEC& wi) {
    CheckSquareRange(a, lo, hi);
    CheckRange(wr, lo, hi);
    CheckRange(wi, lo, hi);
    WorkMatrix<Wide> work(a);
    if (!BlockIsFinite(work, lo, hi))
        return kNotFinite;
    Balance(work, lo, hi);
    Hessenberg(work, lo, hi);
    const int result = FrancisQR(work, lo, hi, wr, wi);
    work.CopyTo(a);
    return result;
}

} // namespace grafida
