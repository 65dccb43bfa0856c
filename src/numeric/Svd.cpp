#include "numeric/Svd.h"

#include "numeric/SvdWork.h"

#include <algorithm>
#include <cmath>

namespace grafida {

namespace {

constexpr int kMaxIterations = 30;

double WithSignOf(double magnitude, double sign) {
    return sign >= 0 ? std::fabs(magnitude) : -std::fabs(magnitude);
}

} // namespace

double Pythag(double a, double b) {
    const double absA = std::fabs(a);
    const double absB = std::fabs(b);
    if (absA >= absB) {
        if (absA == 0)
            return 0;
        const double ratio = absB / absA;
        return absA * std::sqrt(1 + ratio * ratio);
    }
    const double ratio = absA / absB;
    return absB * std::sqrt(1 + ratio * ratio);
}

namespace detail {

int SvdDecompose(WorkMatrix<double>& a, int lo, int m, WorkMatrix<double>& v, WorkVector& w, int n) {
    if (n < lo)
        return kSolved;
    WorkVector rv1(static_cast<size_t>(n) + 1, 0.0);
    double g = 0;
    double scale = 0;
    double anorm = 0;
    int l = lo;

    // Householder reduction to bidiagonal form.
    for (int i = lo; i <= n; ++i) {
        l = i + 1;
        rv1[i] = scale * g;
        g = 0;
        double s = 0;
        scale = 0;
        if (i <= m) {
            for (int k = i; k <= m; ++k)
                scale += std::fabs(a(k, i));
            if (scale != 0) {
                for (int k = i; k <= m; ++k) {
                    a(k, i) /= scale;
                    s += a(k, i) * a(k, i);
                }
                const double f = a(i, i);
                g = -WithSignOf(std::sqrt(s), f);
                const double h = f * g - s;
                a(i, i) = f - g;
                for (int j = l; j <= n; ++j) {
                    double sum = 0;
                    for (int k = i; k <= m; ++k)
                        sum += a(k, i) * a(k, j);
                    const double factor = sum / h;
                    for (int k = i; k <= m; ++k)
                        a(k, j) += factor * a(k, i);
                }
                for (int k = i; k <= m; ++k)
                    a(k, i) *= scale;
            }
        }
        w[i] = scale * g;
        g = 0;
        s = 0;
        scale = 0;
        if (i <= m && i != n) {
            for (int k = l; k <= n; ++k)
                scale += std::fabs(a(i, k));
            if (scale != 0) {
                for (int k = l; k <= n; ++k) {
                    a(i, k) /= scale;
                    s += a(i, k) * a(i, k);
                }
                const double f = a(i, l);
                g = -WithSignOf(std::sqrt(s), f);
                const double h = f * g - s;
                a(i, l) = f - g;
                for (int k = l; k <= n; ++k)
                    rv1[k] = a(i, k) / h;
                for (int j = l; j <= m; ++j) {
                    double sum = 0;
                    for (int k = l; k <= n; ++k)
                        sum += a(j, k) * a(i, k);
                    for (int k = l; k <= n; ++k)
                        a(j, k) += sum * rv1[k];
                }
                for (int k = l; k <= n; ++k)
                    a(i, k) *= scale;
            }
        }
        anorm = std::max(anorm, std::fabs(w[i]) + std::fabs(rv1[i]));
    }

    // Accumulation of the right-hand transformations.
    for (int i = n; i >= lo; --i) {
        if (i < n) {
            if (g != 0) {
                // Divided twice to avoid a possible underflow.
                for (int j = l; j <= n; ++j)
                    v(j, i) = (a(i, j) / a(i, l)) / g;
                for (int j = l; j <= n; ++j) {
                    double sum = 0;
                    for (int k = l; k <= n; ++k)
                        sum += a(i, k) * v(k, j);
                    for (int k = l; k <= n; ++k)
                        v(k, j) += sum * v(k, i);
                }
            }
            for (int j = l; j <= n; ++j)
                v(i, j) = v(j, i) = 0;
        }
        v(i, i) = 1;
        g = rv1[i];
        l = i;
    }

    // Accumulation of the left-hand transformations.
    for (int i = std::min(m, n); i >= lo; --i) {
        l = i + 1;
        g = w[i];
        for (int j = l; j <= n; ++j)
            a(i, j) = 0;
        if (g != 0) {
            g = 1 / g;
            for (int j = l; j <= n; ++j) {
                double sum = 0;
                for (int k = l; k <= m; ++k)
                    sum += a(k, i) * a(k, j);
                const double factor = (sum / a(i, i)) * g;
                for (int k = i; k <= m; ++k)
                    a(k, j) += factor * a(k, i);
            }
            for (int j = i; j <= m; ++j)
                a(j, i) *= g;
        } else {
            for (int j = i; j <= m; ++j)
                a(j, i) = 0;
        }
        a(i, i) += 1;
    }

    const auto negligible = [anorm](double e) { return std::fabs(e) + anorm == anorm; };
    // Diagonalisation of the bidiagonal form: implicitly shifted QR on each singular value.
    for (int k = n; k >= lo; --k) {
        for (int its = 1; its <= kMaxIterations; ++its) {
            bool cancel = true;
            int nm = lo;
            for (l = k; l >= lo; --l) {
                nm = l - 1;
                // rv1(lo) is always 0, so the search stops at lo at the latest.
                if (negligible(rv1[l])) {
                    cancel = false;
                    break;
                }
                if (negligible(w[nm]))
                    break;
            }
            if (cancel) {
                // Cancellation of rv1(l) when w(l - 1) is negligible.
                double c = 0;
                double s = 1;
                for (int i = l; i <= k; ++i) {
                    const double f = s * rv1[i];
                    rv1[i] = c * rv1[i];
                    if (negligible(f))
                        break;
                    g = w[i];
                    double h = Pythag(f, g);
                    w[i] = h;
                    h = 1 / h;
                    c = g * h;
                    s = -f * h;
                    for (int j = lo; j <= m; ++j) {
                        const double y = a(j, nm);
                        const double z = a(j, i);
                        a(j, nm) = y * c + z * s;
                        a(j, i) = z * c - y * s;
                    }
                }
            }
            double z = w[k];
            if (l == k) {
                // Converged; the singular value is made non-negative.
                if (z < 0) {
                    w[k] = -z;
                    for (int j = lo; j <= n; ++j)
                        v(j, k) = -v(j, k);
                }
                break;
            }
            if (its == kMaxIterations)
                return kNotConverged;
            // Shift from the bottom 2 × 2 minor.
            double x = w[l];
            nm = k - 1;
            double y = w[nm];
            g = rv1[nm];
            double h = rv1[k];
            double f = ((y - z) * (y + z) + (g - h) * (g + h)) / (2 * h * y);
            g = Pythag(f, 1);
            f = ((x - z) * (x + z) + h * ((y / (f + WithSignOf(g, f))) - h)) / x;
            // Next QR transformation.
            double c = 1;
            double s = 1;
            for (int j = l; j <= nm; ++j) {
                const int i = j + 1;
                g = rv1[i];
                y = w[i];
                h = s * g;
                g = c * g;
                z = Pythag(f, h);
                rv1[j] = z;
                c = f / z;
                s = h / z;
                f = x * c + g * s;
                g = g * c - x * s;
                h = y * s;
                y *= c;
                for (int jj = lo; jj <= n; ++jj) {
                    x = v(jj, j);
                    z = v(jj, i);
                    v(jj, j) = x * c + z * s;
                    v(jj, i) = z * c - x * s;
                }
                z = Pythag(f, h);
                w[j] = z;
                if (z != 0) {
                    z = 1 / z;
                    c = f * z;
                    s = h * z;
                }
                f = c * g + s * y;
                x = c * y - s * g;
                for (int jj = lo; jj <= m; ++jj) {
                    y = a(jj, j);
                    z = a(jj, i);
                    a(jj, j) = y * c + z * s;
                    a(jj, i) = z * c - y * s;
                }
            }
            rv1[l] = 0;
            rv1[k] = f;
            w[k] = x;
        }
    }
    return kSolved;
}

void ZeroSmallSingularValues(WorkVector& w, int lo, int hi, double tol) {
    if (hi < lo)
        return;
    double largest = w[lo];
    for (int i = lo + 1; i <= hi; ++i)
        largest = std::max(largest, w[i]);
    const double threshold = largest * tol;
    for (int i = lo; i <= hi; ++i)
        if (w[i] < threshold)
            w[i] = 0;
}

void SvdBackSubstitute(const WorkMatrix<double>& u, const WorkVector& w, const WorkMatrix<double>& v,
                       WorkVector& x, int m, int n, int lo, const WorkVector& b) {
    WorkVector tmp(static_cast<size_t>(std::max(n, 0)) + 1, 0.0);
    for (int j = lo; j <= n; ++j) {
        if (w[j] == 0)
            continue;
        double sum = 0;
        for (int i = lo; i <= m; ++i)
            sum += u(i, j) * b[i];
        tmp[j] = sum / w[j];
    }
    for (int j = lo; j <= n; ++j) {
        double sum = 0;
        for (int jj = lo; jj <= n; ++jj)
            sum += v(j, jj) * tmp[jj];
        x[j] = sum;
    }
}

} // namespace detail

namespace {

using detail::CopyBack;
using detail::ToWork;

// Raises the container's bounds error unless rows lo..rows and columns lo..cols exist.
void CheckBlock(const TFLOATARRAY& a, int lo, int rows, int cols) {
    if (lo <= rows && lo <= cols) {
        a.Get(lo, lo);
        a.Get(rows, cols);
    }
}

} // namespace

int SvdDecompose(TFLOATARRAY& u, int lo, int m, TFLOATARRAY& v, TFLOATVEC& w, int n) {
    CheckBlock(u, lo, m, n);
    CheckSquareRange(v, lo, n);
    CheckRange(w, lo, n);
    WorkMatrix<double> left(u);
    for (int i = lo; i <= m; ++i)
        for (int j = lo; j <= n; ++j)
            if (!std::isfinite(left(i, j)))
                return kNotFinite;
    WorkMatrix<double> right(v);
    detail::WorkVector values = ToWork(w);
    const int result = detail::SvdDecompose(left, lo, m, right, values, n);
    left.CopyTo(u);
    right.CopyTo(v);
    CopyBack(values, lo, n, w);
    return result;
}

void ZeroSmallSingularValues(TFLOATVEC& w, int lo, int hi, double tol) {
    CheckRange(w, lo, hi);
    detail::WorkVector values = ToWork(w);
    detail::ZeroSmallSingularValues(values, lo, hi, tol);
    CopyBack(values, lo, hi, w);
}

void SvdBackSubstitute(const TFLOATARRAY& u, const TFLOATVEC& w, const TFLOATARRAY& v, TFLOATVEC& x, int m,
                       int n, int lo, const TFLOATVEC& b) {
    CheckBlock(u, lo, m, n);
    CheckSquareRange(v, lo, n);
    CheckRange(w, lo, n);
    CheckRange(x, lo, n);
    CheckRange(b, lo, m);
    detail::WorkVector result = ToWork(x);
    detail::SvdBackSubstitute(WorkMatrix<double>(u), ToWork(w), WorkMatrix<double>(v), result, m, n, lo,
                              ToWork(b));
    CopyBack(result, lo, n, x);
}

} // namespace grafida
