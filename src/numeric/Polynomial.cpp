#include "numeric/Polynomial.h"

#include "numeric/Arrays.h"
#include "numeric/GeneralEigen.h"

#include <cmath>
#include <complex>
#include <vector>

namespace grafida {

namespace {

using Wide = long double;

// p(z) for the ascending coefficients p and the terms' magnitude sum |p(k)|·|z|^(k−1), which
// bounds the rounding error of the evaluation.
struct Evaluation {
    std::complex<Wide> value;
    Wide scale = 0;
};

Evaluation Evaluate(const std::vector<double>& ascending, std::complex<Wide> z) {
    Evaluation result;
    const Wide modulus = std::abs(z);
    for (auto k = ascending.size(); k-- > 0;) {
        result.value = result.value * z + static_cast<Wide>(ascending[k]);
        result.scale = result.scale * modulus + std::fabs(static_cast<Wide>(ascending[k]));
    }
    return result;
}

// Multiplies the descending coefficients c(1..degree+1) by x − root.
void MultiplyLinear(std::vector<double>& c, int degree, double root) {
    const std::vector<double> t = c;
    for (int k = 2; k <= degree + 2; ++k)
        c[static_cast<size_t>(k)] = c[static_cast<size_t>(k)] - root * t[static_cast<size_t>(k - 1)];
}

// Multiplies by (x − (a + bi))·(x − (a − bi)) = x² − 2a·x + (a² + b²).
void MultiplyConjugatePair(std::vector<double>& c, int degree, double a, double b) {
    const std::vector<double> t = c;
    const double linear = 2 * a;
    const double constant = static_cast<double>(static_cast<Wide>(a) * a + static_cast<Wide>(b) * b);
    for (int k = 2; k <= degree + 3; ++k) {
        double value = c[static_cast<size_t>(k)] - linear * t[static_cast<size_t>(k - 1)];
        if (k >= 3)
            value += constant * t[static_cast<size_t>(k - 2)];
        c[static_cast<size_t>(k)] = value;
    }
}

// A polynomial built from its roots vanishes there up to the rounding of its evaluation;
// anything larger, or a value that is no number at all, means the coefficients cannot be
// trusted (typically they overflowed).
bool VanishesAt(const std::vector<double>& ascending, std::complex<Wide> root) {
    const Evaluation e = Evaluate(ascending, root);
    const Wide size = std::abs(e.value);
    return std::isfinite(static_cast<double>(e.scale)) && !std::isnan(size) && size <= Wide(1e-5) * e.scale;
}

int Expand(const std::vector<double>& re, const std::vector<double>& im, TFLOATVEC& c) {
    const int n = static_cast<int>(re.size());
    std::vector<double> coefficients(static_cast<size_t>(n) + 2, 0.0); // c(k) at index k
    coefficients[1] = 1.0;
    std::vector<bool> used(static_cast<size_t>(n), false);
    bool paired = true;
    int degree = 0;
    for (int i = 0; i < n; ++i) {
        if (used[static_cast<size_t>(i)])
            continue;
        used[static_cast<size_t>(i)] = true;
        if (im[static_cast<size_t>(i)] != 0) {
            int partner = -1;
            for (int j = i + 1; j < n && partner < 0; ++j)
                if (!used[static_cast<size_t>(j)] &&
                    re[static_cast<size_t>(j)] == re[static_cast<size_t>(i)] &&
                    im[static_cast<size_t>(j)] == -im[static_cast<size_t>(i)])
                    partner = j;
            if (partner >= 0) {
                used[static_cast<size_t>(partner)] = true;
                MultiplyConjugatePair(coefficients, degree, re[static_cast<size_t>(i)],
                                      im[static_cast<size_t>(i)]);
                degree += 2;
                continue;
            }
            paired = false;
        }
        MultiplyLinear(coefficients, degree, re[static_cast<size_t>(i)]);
        degree += 1;
    }

    c.SetCount(0);
    c.SetCount(n + 1);
    for (int k = 1; k <= n + 1; ++k)
        c.Put(k, coefficients[static_cast<size_t>(k)]);
    if (!paired)
        return 1;

    const std::vector<double> ascending(coefficients.rbegin(), coefficients.rend() - 1);
    for (int i = 0; i < n; ++i)
        if (!VanishesAt(ascending, {re[static_cast<size_t>(i)], im[static_cast<size_t>(i)]}))
            return 1;
    return 0;
}

} // namespace

int PolynomialRoots(const TFLOATVEC& p, int n, TFLOATVEC& re, TFLOATVEC& im) {
    if (n < 2)
        return kDegeneratePolynomial;
    const double leading = p.Get(n);
    const int m = n - 1;
    re.Get(m);
    im.Get(m);
    for (int k = 1; k <= n; ++k)
        if (!std::isfinite(p.Get(k)))
            return kNotFinite;
    if (leading == 0)
        return kDegeneratePolynomial;

    TFLOATARRAY companion(m, m);
    for (int k = 1; k <= m; ++k) {
        const double entry = -p.Get(n - k) / leading;
        if (!std::isfinite(entry))
            return kNotFinite;
        companion.Put(1, k, entry);
    }
    for (int k = 1; k < m; ++k)
        companion.Put(k + 1, k, 1.0);
    BalanceMatrix(companion, 1, m);
    const int result = HessenbergQR(companion, 1, m, re, im);
    if (result != kSolved || m == 1)
        return result;

    for (int k = 1; k < m; ++k) {
        int j = k;
        for (int i = k + 1; i <= m; ++i)
            if (re.Get(i) < re.Get(j))
                j = i;
        re.Swap(k, j);
        im.Swap(k, j);
    }
    return kSolved;
}

int CharPolyFromRoots(const TFLOATVEC& r, TFLOATVEC& c) {
    return Expand(r.Data(), std::vector<double>(r.Count(), 0.0), c);
}

int CharPolyFromRoots(const TFLOATVEC& re, const TFLOATVEC& im, TFLOATVEC& c) {
    if (im.Count() < re.Count())
        im.Get(re.Count()); // the bounds error of a too short list
    return Expand(re.Data(), std::vector<double>(im.Data().begin(), im.Data().begin() + re.Count()), c);
}

double EvalPolynomial(const TFLOATVEC& p, double x) {
    Wide value = 0;
    for (auto k = p.Count(); k >= 1; --k)
        value = static_cast<Wide>(p.Get(k)) + value * x;
    return static_cast<double>(value);
}

} // namespace grafida
