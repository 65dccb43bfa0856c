#include "EigenOracle.h"
#include "numeric/GeneralEigen.h"
#include "numeric/Polynomial.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <random>

namespace grafida {
namespace {

using testing::Complex;
using testing::MultisetDistance;
using testing::Pairs;

struct Roots {
    int result;
    std::vector<double> re;
    std::vector<double> im;
};

Roots Solve(const std::vector<double>& ascending, int n) {
    const TFLOATVEC p("p", ascending);
    TFLOATVEC re(std::max(n - 1, 1));
    TFLOATVEC im(std::max(n - 1, 1));
    const int result = PolynomialRoots(p, n, re, im);
    return {result, re.Data(), im.Data()};
}

Roots Solve(const std::vector<double>& ascending) {
    return Solve(ascending, static_cast<int>(ascending.size()));
}

// The ascending coefficients of the product of (x − root).
std::vector<double> FromRoots(const std::vector<Complex>& roots) {
    std::vector<Complex> c{1};
    for (const Complex root : roots) {
        std::vector<Complex> next(c.size() + 1, 0);
        for (size_t k = 0; k < c.size(); ++k) {
            next[k + 1] += c[k];
            next[k] -= root * c[k];
        }
        c = next;
    }
    std::vector<double> real;
    for (const Complex z : c)
        real.push_back(z.real());
    return real;
}

TEST(Polynomial, RootCases) {
    struct Case {
        std::vector<double> p;
        std::vector<double> re;
        std::vector<double> im;
    } cases[] = {
        {{-6, 11, -6, 1}, {1, 2, 3}, {0, 0, 0}},
        {{1, 0, 1}, {0, 0}, {-1, 1}},
        {{4, 2}, {-2}, {0}},
        {{0, 0, 1}, {0, 0}, {0, 0}},
        {{-1, 0, 0, 1}, {-0.5, -0.5, 1}, {-0.8660254037844386, 0.8660254037844386, 0}},
    };
    for (const auto& c : cases) {
        const Roots r = Solve(c.p);
        EXPECT_EQ(r.result, kSolved);
        for (size_t i = 0; i < c.re.size(); ++i) {
            EXPECT_NEAR(r.re[i], c.re[i], 1e-12);
            EXPECT_NEAR(r.im[i], c.im[i], 1e-12);
        }
    }
}

TEST(Polynomial, DegenerateAndNonFiniteCoefficientsFail) {
    struct Case {
        std::vector<double> p;
        int n;
        int result;
    } cases[] = {
        {{5}, 1, kDegeneratePolynomial},
        {{}, 0, kDegeneratePolynomial},
        {{1, 2, 0}, 3, kDegeneratePolynomial},
        {{0, 0}, 2, kDegeneratePolynomial},
        {{NAN, 1}, 2, kNotFinite},
        {{1, INFINITY, 1}, 3, kNotFinite},
        {{1, 1e-320}, 2, kNotFinite}, // the companion matrix overflows
    };
    for (const auto& c : cases)
        EXPECT_EQ(Solve(c.p, c.n).result, c.result);
}

TEST(Polynomial, RootsOfRandomPolynomialsAreRecovered) {
    std::mt19937 rng(31);
    for (int trial = 0; trial < 300; ++trial) {
        // Distinct places on a grid of halves; each holds a simple real root, a real root of
        // multiplicity 2 or 3, a complex pair or a double complex pair.
        std::vector<double> places;
        for (double a = -4; a <= 4; a += 0.5)
            places.push_back(a);
        std::shuffle(places.begin(), places.end(), rng);
        std::vector<Complex> roots;
        int multiplicity = 1;
        const int degree = 1 + trial % 12;
        for (size_t next = 0; static_cast<int>(roots.size()) < degree; ++next) {
            const int kind = std::uniform_int_distribution<int>(0, 4)(rng);
            const double a = places.at(next);
            const int pairs = kind == 4 ? 2 : 1;
            if (kind >= 3 && static_cast<int>(roots.size()) + 2 * pairs <= degree) {
                const double b = 0.5 + std::uniform_int_distribution<int>(0, 5)(rng) * 0.5;
                for (int k = 0; k < pairs; ++k)
                    roots.insert(roots.end(), {{a, b}, {a, -b}});
                multiplicity = std::max(multiplicity, pairs);
            } else {
                const int times =
                    std::min(kind == 2 ? 2 + trial % 2 : 1, degree - static_cast<int>(roots.size()));
                roots.insert(roots.end(), static_cast<size_t>(times), Complex(a, 0));
                multiplicity = std::max(multiplicity, times);
            }
        }
        std::string text;
        for (const Complex z : roots)
            text += " (" + std::to_string(z.real()) + "," + std::to_string(z.imag()) + ")";
        const Roots r = Solve(FromRoots(roots));
        ASSERT_EQ(r.result, kSolved) << text;
        for (int i = 1; i < degree; ++i)
            EXPECT_LE(r.re[i - 1], r.re[i]); // ascending real parts
        // A root of multiplicity k is only determined to about the k-th root of the rounding.
        const double tolerance = 10 * std::pow(1e-14 * std::pow(5.0, degree), 1.0 / multiplicity);
        EXPECT_LT(MultisetDistance(Pairs(TFLOATVEC("re", r.re), TFLOATVEC("im", r.im)), roots), tolerance)
            << text;
    }
}

TEST(Polynomial, ExpansionFromRoots) {
    struct Case {
        std::vector<double> re;
        std::vector<double> im;
        int result;
        std::vector<double> c;
    } cases[] = {
        {{1, 2, 3}, {0, 0, 0}, 0, {1, -6, 11, -6}},
        {{}, {}, 0, {1}},
        {{-2}, {0}, 0, {1, 2}},
        // Complex pairs are expanded with their conjugates, in any position.
        {{0, 0}, {-1, 1}, 0, {1, 0, 1}},
        {{1, 5, 1}, {2, 0, -2}, 0, {1, -7, 15, -25}},
        // A non-real root without its conjugate counts with its real part and fails the check.
        {{1}, {2}, 1, {1, -1}},
        // Coefficients beyond the double range fail the check.
        {{1e200, 1e200}, {0, 0}, 1, {1, -2e200, INFINITY}},
    };
    for (const auto& c : cases) {
        TFLOATVEC coefficients;
        EXPECT_EQ(CharPolyFromRoots(TFLOATVEC("re", c.re), TFLOATVEC("im", c.im), coefficients), c.result);
        EXPECT_EQ(coefficients.Data(), c.c);
        if (std::all_of(c.im.begin(), c.im.end(), [](double v) { return v == 0; })) {
            TFLOATVEC real;
            EXPECT_EQ(CharPolyFromRoots(TFLOATVEC("r", c.re), real), c.result);
            EXPECT_EQ(real.Data(), c.c);
        }
    }

    struct Evaluation {
        std::vector<double> p;
        double x;
        double value;
    } evaluations[] = {{{-6, 11, -6, 1}, 4, 6}, {{3}, 100, 3}, {{}, 2, 0}, {{1, 1}, -1, 0}};
    for (const auto& e : evaluations)
        EXPECT_EQ(EvalPolynomial(TFLOATVEC("p", e.p), e.x), e.value);
}

TEST(Polynomial, CharacteristicPolynomialOfMatrices) {
    // The 9-vertex path's distance matrix: its polynomial evaluates at the eigenvalues to
    // rounding-sized values between 1e-5 and 1, which the check must accept.
    const TFLOATARRAY distances = testing::Distances(9, testing::PathGraph(9));
    std::mt19937 rng(5);
    for (int trial = 0; trial < 120; ++trial) {
        const int n = 1 + trial % 12;
        const TFLOATARRAY matrix = trial == 0 ? distances : testing::RandomGeneral(n, trial, rng);
        const auto order = static_cast<int>(matrix.Rows());
        TFLOATARRAY a = testing::Copy(matrix);
        TFLOATVEC wr(order);
        TFLOATVEC wi(order);
        ASSERT_EQ(GeneralEigenvalues(a, 1, order, wr, wi), kSolved);
        TFLOATVEC c;
        ASSERT_EQ(CharPolyFromRoots(wr, wi, c), 0) << "order " << order;
        ASSERT_EQ(c.Count(), static_cast<std::uint32_t>(order + 1));
        // det(x·I − A) at a few points, against the coefficients.
        const Eigen::MatrixXd m = testing::ToEigen(matrix);
        for (const double x : {-2.5, 0.0, 1.0, 3.5}) {
            const double det = (x * Eigen::MatrixXd::Identity(order, order) - m).determinant();
            double value = 0;
            double size = 0;
            for (int k = 1; k <= order + 1; ++k) {
                value = value * x + c.Get(k);
                size = size * std::fabs(x) + std::fabs(c.Get(k));
            }
            EXPECT_NEAR(value, det, 1e-9 * std::max(1.0, size)) << "order " << order << " at " << x;
        }
        if (trial == 0) {
            EXPECT_NEAR(c.Get(10), -1024, 1e-6); // (−1)^(n−1)·(n−1)·2^(n−2) for the path
        }
    }
}

} // namespace
} // namespace grafida
