#include "EigenOracle.h"
#include "numeric/SymmetricEigen.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>

namespace grafida {
namespace {

using testing::Copy;
using testing::ToEigen;

constexpr double kHalfSqrt2 = 0.7071067811865476;

struct Jacobi {
    int result;
    std::vector<double> d;
    TFLOATARRAY v;
};

Jacobi RunJacobi(const TFLOATARRAY& matrix, double tol, std::int64_t maxSweeps) {
    TFLOATARRAY a = Copy(matrix);
    const auto n = static_cast<int>(a.Rows());
    TFLOATVEC d(n);
    TFLOATARRAY v(n, n);
    const int result = JacobiEigen(a, 1, n, d, v, tol, maxSweeps);
    return {result, d.Data(), v};
}

TEST(SymmetricEigen, JacobiCases) {
    struct Case {
        std::vector<std::vector<double>> a;
        std::int64_t maxSweeps;
        int result;
        std::vector<double> d;
        std::vector<std::vector<double>> v;
    } cases[] = {
        // Diagonal: one sweep without rotation, sorted, V a permutation with non-negative entries.
        {{{1, 0, 0}, {0, 3, 0}, {0, 0, 2}}, 1, kSolved, {3, 2, 1}, {{0, 1, 0}, {0, 0, 1}, {1, 0, 0}}},
        // The path of two vertices: equal diagonal entries, the 45-degree rotation.
        {{{0, 1}, {1, 0}}, 1000, kSolved, {1, -1}, {{kHalfSqrt2, kHalfSqrt2}, {kHalfSqrt2, -kHalfSqrt2}}},
        {{{1, -2}, {-2, 1}}, 1000, kSolved, {3, -1}, {{kHalfSqrt2, -kHalfSqrt2}, {kHalfSqrt2, kHalfSqrt2}}},
        {{{2, 1}, {1, 2}}, 1000, kSolved, {3, 1}, {{kHalfSqrt2, kHalfSqrt2}, {kHalfSqrt2, -kHalfSqrt2}}},
        {{{5}}, 1, kSolved, {5}, {{1}}},
        {{}, 1, kSolved, {}, {}},
        // No sweep allowed: even a diagonal matrix fails; d is the unsorted diagonal.
        {{{1, 0}, {0, 2}}, 0, kNotConverged, {1, 2}, {{1, 0}, {0, 1}}},
        {{{0, 1}, {1, 0}}, -3, kNotConverged, {1, -1}, {{kHalfSqrt2, kHalfSqrt2}, {-kHalfSqrt2, kHalfSqrt2}}},
    };
    for (const auto& c : cases) {
        const Jacobi j = RunJacobi(TFLOATARRAY("m", c.a), 1e-5, c.maxSweeps);
        EXPECT_EQ(j.result, c.result);
        ASSERT_EQ(j.d.size(), c.d.size());
        for (size_t i = 0; i < c.d.size(); ++i) {
            EXPECT_NEAR(j.d[i], c.d[i], 1e-15);
            for (size_t k = 0; k < c.d.size(); ++k)
                EXPECT_EQ(j.v.Get(i + 1, k + 1), c.v[i][k]) << i << "," << k;
        }
    }

    // Only the block lo..hi is touched.
    TFLOATARRAY a("m", {{9, 0, 0}, {0, 0, 1}, {0, 1, 0}});
    TFLOATVEC d(3);
    TFLOATARRAY v(3, 3);
    EXPECT_EQ(JacobiEigen(a, 2, 3, d, v, 1e-5, 10), kSolved);
    EXPECT_EQ(d.Get(1), 0);
    EXPECT_NEAR(d.Get(2), 1, 1e-15);
    EXPECT_EQ(a.Get(1, 1), 9);
    EXPECT_EQ(v.Get(1, 1), 0);
}

TEST(SymmetricEigen, ThresholdJacobiCases) {
    struct Case {
        std::vector<std::vector<double>> a;
        JacobiResult result;
        std::vector<double> d;
    } cases[] = {
        {{{1, 0, 0}, {0, 3, 0}, {0, 0, 2}}, JacobiResult::Converged, {3, 2, 1}},
        {{{0, 1}, {1, 0}}, JacobiResult::Converged, {1, -1}},
        {{{2, 0}, {0, 2}}, JacobiResult::Converged, {2, 2}},
        {{}, JacobiResult::Converged, {}},
    };
    for (const auto& c : cases) {
        TFLOATARRAY a("m", c.a);
        TFLOATVEC d(7); // resized to the order
        EXPECT_EQ(JacobiEigenvalues(a, d, static_cast<int>(c.a.size())), c.result);
        ASSERT_EQ(d.Count(), c.d.size());
        for (size_t i = 0; i < c.d.size(); ++i)
            EXPECT_NEAR(d.Get(i + 1), c.d[i], 1e-15);
    }

    // Equal values: the last one moves first, with its column of V.
    TFLOATVEC d("d", {1, 5, 2, 5});
    TFLOATARRAY v("v", {{1, 2, 3, 4}, {1, 2, 3, 4}});
    SortEigenDescending(d, &v, 4);
    EXPECT_EQ(d.Data(), (std::vector<double>{5, 5, 2, 1}));
    EXPECT_EQ(v, TFLOATARRAY("v", {{4, 2, 3, 1}, {4, 2, 3, 1}}));
}

TEST(SymmetricEigen, NonFiniteInputFailsAtOnce) {
    for (const double bad : {NAN, INFINITY, -INFINITY}) {
        const TFLOATARRAY matrix("m", {{1, bad}, {bad, 2}});
        EXPECT_EQ(RunJacobi(matrix, 1e-5, 1000).result, kNotFinite);
        EXPECT_EQ(RunJacobi(TFLOATARRAY("m", {{1, 0}, {0, 2}}), bad, 1000).result, kNotFinite);
        TFLOATARRAY a = Copy(matrix);
        TFLOATVEC d;
        EXPECT_EQ(JacobiEigenvalues(a, d, 2), JacobiResult::NotFinite);
        ASSERT_EQ(d.Count(), 2u);
        EXPECT_TRUE(std::isnan(d.Get(1)) && std::isnan(d.Get(2)));
    }
    // Entries whose squares overflow a double still converge.
    const Jacobi huge = RunJacobi(TFLOATARRAY("m", {{1e200, 1e200}, {1e200, 1e200}}), 1e-12, 100);
    EXPECT_EQ(huge.result, kSolved);
    EXPECT_NEAR(huge.d[0] / 2e200, 1, 1e-12);
}

TEST(SymmetricEigen, JacobiAgreesWithEigenOnRandomMatrices) {
    std::mt19937 rng(1234);
    for (int trial = 0; trial < 350; ++trial) {
        const int n = 1 + trial % 30;
        const TFLOATARRAY matrix = testing::RandomSymmetric(n, trial / 30, rng);
        const Eigen::MatrixXd m = ToEigen(matrix);
        Eigen::VectorXd expected =
            Eigen::SelfAdjointEigenSolver<Eigen::MatrixXd>(m, Eigen::EigenvaluesOnly).eigenvalues();
        std::sort(expected.begin(), expected.end(), std::greater<>());
        const double scale = std::max(1.0, expected.cwiseAbs().maxCoeff());
        const std::string where = "order " + std::to_string(n) + " kind " + std::to_string(trial / 30 % 7);

        const Jacobi j = RunJacobi(matrix, 1e-12, 100);
        ASSERT_EQ(j.result, kSolved) << where;
        const Eigen::MatrixXd v = ToEigen(j.v);
        for (int i = 0; i < n; ++i) {
            EXPECT_NEAR(j.d[i], expected(i), 1e-9 * scale) << where;
            const Eigen::VectorXd x = v.row(i).transpose();
            EXPECT_NEAR(x.norm(), 1, 1e-12) << where;
            EXPECT_GE(x(0), 0) << where;
            EXPECT_LT((m * x - j.d[i] * x).norm(), 1e-9 * scale) << where;
        }

        TFLOATARRAY a = Copy(matrix);
        TFLOATVEC d;
        EXPECT_EQ(JacobiEigenvalues(a, d, n), JacobiResult::Converged) << where;
        ASSERT_EQ(d.Count(), static_cast<std::uint32_t>(n));
        for (int i = 0; i < n; ++i)
            EXPECT_NEAR(d.Get(i + 1), expected(i), 1e-9 * scale) << where;
    }
}

} // namespace
} // namespace grafida
