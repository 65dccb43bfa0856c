#include "EigenOracle.h"
#include "numeric/Eigenvector.h"
#include "numeric/GeneralEigen.h"
#include "numeric/Svd.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>

namespace grafida {
namespace {

using testing::Complex;
using testing::Copy;
using testing::MultisetDistance;
using testing::Pairs;
using testing::ToEigen;

struct Values {
    int result;
    std::vector<double> re;
    std::vector<double> im;
};

Values Eigenvalues(const TFLOATARRAY& matrix) {
    TFLOATARRAY a = Copy(matrix);
    const auto n = static_cast<int>(a.Rows());
    TFLOATVEC wr(n);
    TFLOATVEC wi(n);
    const int result = GeneralEigenvalues(a, 1, n, wr, wi);
    return {result, wr.Data(), wi.Data()};
}

TEST(GeneralEigen, EigenvalueCases) {
    struct Case {
        std::vector<std::vector<double>> a;
        std::vector<double> re;
        std::vector<double> im;
        bool inSolverOrder;
    } cases[] = {
        {{{7}}, {7}, {0}, true},
        {{}, {}, {}, true},
        // A complex pair comes as (x, -y), (x, +y).
        {{{0, -1}, {1, 0}}, {0, 0}, {-1, 1}, true},
        {{{2, 1}, {0, 1}}, {2, 1}, {0, 0}, true},
        {{{0, 0}, {0, 0}}, {0, 0}, {0, 0}, true},
        {{{6, -11, 6}, {1, 0, 0}, {0, 1, 0}}, {1, 2, 3}, {0, 0, 0}, false},
        // A zero row and a zero column.
        {{{1, 2, 0}, {0, 0, 0}, {3, 4, 0}}, {0, 0, 1}, {0, 0, 0}, false},
        {{{1, 2, 3}, {0, 1, 4}, {0, 0, 1}}, {1, 1, 1}, {0, 0, 0}, false},
        {{{0, 1, 0, 0}, {-1, 0, 0, 0}, {0, 0, 0, 2}, {0, 0, -2, 0}}, {0, 0, 0, 0}, {-1, 1, -2, 2}, false},
    };
    for (const auto& c : cases) {
        const Values v = Eigenvalues(TFLOATARRAY("m", c.a));
        EXPECT_EQ(v.result, kSolved);
        ASSERT_EQ(v.re.size(), c.re.size());
        if (c.inSolverOrder) {
            for (size_t i = 0; i < c.re.size(); ++i) {
                EXPECT_NEAR(v.re[i], c.re[i], 1e-12);
                EXPECT_NEAR(v.im[i], c.im[i], 1e-12);
            }
        } else {
            EXPECT_LT(MultisetDistance(Pairs(TFLOATVEC("re", v.re), TFLOATVEC("im", v.im)),
                                       Pairs(TFLOATVEC("re", c.re), TFLOATVEC("im", c.im))),
                      1e-12);
        }
    }

    // The Hessenberg QR alone on a 1 × 1 matrix, and the reduction leaving a Hessenberg matrix.
    TFLOATARRAY one("m", {{-4.5}});
    TFLOATVEC wr(1);
    TFLOATVEC wi(1);
    EXPECT_EQ(HessenbergQR(one, 1, 1, wr, wi), kSolved);
    EXPECT_EQ(wr.Get(1), -4.5);
    EXPECT_EQ(wi.Get(1), 0);
    TFLOATARRAY full("m", {{1, 2, 3, 4}, {5, 6, 7, 8}, {9, 1, 2, 3}, {4, 5, 6, 8}});
    BalanceMatrix(full, 1, 4);
    ReduceToHessenberg(full, 1, 4);
    for (int i = 3; i <= 4; ++i)
        for (int j = 1; j <= i - 2; ++j)
            EXPECT_EQ(full.Get(i, j), 0);
    EXPECT_NEAR(full.DiagSum(0), 1 + 6 + 2 + 8, 1e-12); // the trace stays
}

TEST(GeneralEigen, NonFiniteInputFailsAtOnce) {
    for (const double bad : {NAN, INFINITY, -INFINITY}) {
        const TFLOATARRAY matrix("m", {{1, 2, 3}, {4, bad, 6}, {7, 8, 9}});
        EXPECT_EQ(Eigenvalues(matrix).result, kNotFinite);
        TFLOATARRAY a = Copy(matrix);
        TFLOATVEC wr(3);
        TFLOATVEC wi(3);
        EXPECT_EQ(HessenbergQR(a, 1, 3, wr, wi), kNotFinite);
        BalanceMatrix(a, 1, 3); // would never finish on an infinite entry
        EXPECT_EQ(a.Get(1, 3), 3);
        TFLOATVEC x(3);
        EXPECT_EQ(EigenvectorForValue(matrix, 1, 3, 1, 1e-5, x), kNotFinite);
        EXPECT_EQ(EigenvectorForValue(TFLOATARRAY("m", {{1}}), 1, 1, bad, 1e-5, x), kNotFinite);
    }
}

TEST(GeneralEigen, EigenvectorCases) {
    struct Case {
        std::vector<std::vector<double>> a;
        double lambda;
        int result;
        std::vector<double> x;
    } cases[] = {
        // k = 1 leaves the residual (1, 0) and is rejected; k = 2 gives (0, 1).
        {{{2, 0}, {0, 1}}, 1, kSolved, {0, 1}},
        {{{2, 1}, {0, 1}}, 2, kSolved, {1, 0}},
        // Normalised and turned so that the first component is not negative.
        {{{2, 1}, {0, 1}}, 1, kSolved, {0.7071067811865475, -0.7071067811865475}},
        {{{5}}, 5, kSolved, {1}},
        // Not an eigenvalue: no k gives a small residual.
        {{{2, 0}, {0, 1}}, 3, kNotConverged, {0, 1}},
    };
    for (const auto& c : cases) {
        const TFLOATARRAY a("m", c.a);
        TFLOATVEC x(c.x.size());
        EXPECT_EQ(EigenvectorForValue(a, 1, static_cast<int>(c.x.size()), c.lambda, 1e-5, x), c.result);
        for (size_t i = 0; i < c.x.size(); ++i)
            EXPECT_NEAR(x.Get(i + 1), c.x[i], 2e-16);
        EXPECT_EQ(a, TFLOATARRAY("m", c.a)); // left unchanged
    }

    // The helpers one by one, on b = (2 1; 0 1) − 1·I.
    const TFLOATARRAY b("b", {{1, 1}, {0, 0}});
    TFLOATVEC x(2);
    EXPECT_EQ(SolveReducedSystem(b, 1, 2, x, 1e-5, 1), kSolved);
    EXPECT_EQ(x.Data(), (std::vector<double>{1, 0}));
    EXPECT_FALSE(CheckResidual(b, x, 1, 2, 1e-5));
    EXPECT_EQ(SolveReducedSystem(b, 1, 2, x, 1e-5, 2), kSolved);
    EXPECT_EQ(x.Data(), (std::vector<double>{-1, 1}));
    EXPECT_TRUE(CheckResidual(b, x, 1, 2, 1e-5));
    NormalizeVector(x, 1, 2);
    EXPECT_NEAR(x.Get(1), 0.7071067811865475, 2e-16);
    EXPECT_NEAR(x.Get(2), -0.7071067811865475, 2e-16);
}

TEST(GeneralEigen, SvdCases) {
    struct PythagCase {
        double a, b, result;
    } pythag[] = {{3, 4, 5}, {-3, 4, 5}, {0, 0, 0}, {0, -2, 2}, {1e300, 1e300, 1.4142135623730951e300}};
    for (const auto& c : pythag)
        EXPECT_DOUBLE_EQ(Pythag(c.a, c.b), c.result);

    TFLOATVEC w("w", {1, 0.5, 1e-7, 0});
    ZeroSmallSingularValues(w, 1, 4, 1e-5);
    EXPECT_EQ(w.Data(), (std::vector<double>{1, 0.5, 0, 0}));

    std::mt19937 rng(99);
    for (int trial = 0; trial < 60; ++trial) {
        const int m = 1 + trial % 12;
        const int n = 1 + (trial * 7) % m; // n <= m
        Eigen::MatrixXd e = Eigen::MatrixXd::NullaryExpr(m, n, [&] { return testing::Uniform(rng, -2, 2); });
        if (trial % 5 == 0)
            e.col(0).setZero();
        TFLOATARRAY u = testing::FromEigen(e);
        TFLOATARRAY v(n, n);
        TFLOATVEC sv(n);
        ASSERT_EQ(SvdDecompose(u, 1, m, v, sv, n), kSolved);
        const Eigen::MatrixXd left = ToEigen(u);
        const Eigen::MatrixXd right = ToEigen(v);
        const Eigen::VectorXd values = Eigen::Map<const Eigen::VectorXd>(sv.Data().data(), n);
        EXPECT_GE(values.minCoeff(), 0);
        EXPECT_LT((left * values.asDiagonal() * right.transpose() - e).norm(),
                  1e-12 * std::max(1.0, e.norm()));
        EXPECT_LT((right.transpose() * right - Eigen::MatrixXd::Identity(n, n)).norm(), 1e-12);
        Eigen::VectorXd sorted = values;
        std::sort(sorted.begin(), sorted.end(), std::greater<>());
        EXPECT_LT((sorted - Eigen::JacobiSVD<Eigen::MatrixXd>(e).singularValues()).norm(),
                  1e-12 * std::max(1.0, e.norm()));

        // Least squares through the decomposition matches Eigen's for full-rank systems.
        if (trial % 5 != 0) {
            const Eigen::VectorXd rhs =
                Eigen::VectorXd::NullaryExpr(m, [&] { return testing::Uniform(rng, -1, 1); });
            TFLOATVEC bv(m);
            for (int i = 0; i < m; ++i)
                bv.Put(i + 1, rhs(i));
            TFLOATVEC solution(n);
            SvdBackSubstitute(u, sv, v, solution, m, n, 1, bv);
            const Eigen::VectorXd expected = e.colPivHouseholderQr().solve(rhs);
            for (int j = 0; j < n; ++j)
                EXPECT_NEAR(solution.Get(j + 1), expected(j), 1e-8);
        }
    }
}

TEST(GeneralEigen, AgreesWithEigenOnRandomMatrices) {
    std::mt19937 rng(2024);
    int vectorsFound = 0;
    int realValues = 0;
    for (int trial = 0; trial < 400; ++trial) {
        const int n = 1 + trial % 30;
        const int kind = trial / 30;
        const TFLOATARRAY matrix = kind % 2 == 0 ? testing::RandomGeneral(n, kind / 2, rng)
                                                 : testing::RandomSymmetric(n, kind / 2, rng);
        const Eigen::MatrixXd m = ToEigen(matrix);
        const Eigen::VectorXcd expected = Eigen::EigenSolver<Eigen::MatrixXd>(m, false).eigenvalues();
        const double scale = std::max(1.0, m.norm());
        const std::string where = "order " + std::to_string(n) + " kind " + std::to_string(kind);

        const Values v = Eigenvalues(matrix);
        ASSERT_EQ(v.result, kSolved) << where;
        std::vector<Complex> found;
        for (int i = 0; i < n; ++i)
            found.emplace_back(v.re[i], v.im[i]);
        EXPECT_LT(MultisetDistance(found, {expected.begin(), expected.end()}), 1e-8 * scale) << where;

        for (int i = 0; i < n; ++i) {
            if (v.im[i] != 0)
                continue;
            ++realValues;
            TFLOATVEC x(n);
            const int result = EigenvectorForValue(matrix, 1, n, v.re[i], 1e-6 * scale, x);
            ASSERT_TRUE(result == kSolved || result == kNotConverged) << where;
            if (result != kSolved)
                continue;
            ++vectorsFound;
            const Eigen::VectorXd e = Eigen::Map<const Eigen::VectorXd>(x.Data().data(), n);
            EXPECT_NEAR(e.norm(), 1, 1e-12) << where;
            EXPECT_LT((m * e - v.re[i] * e).cwiseAbs().maxCoeff(), 1e-6 * scale) << where;
        }
    }
    // Failures are allowed, but they are the exception.
    EXPECT_GT(vectorsFound, realValues * 9 / 10);
}

} // namespace
} // namespace grafida
