#include "EigenOracle.h"
#include "numeric/Algebra.h"
#include "numeric/Error.h"
#include "support/RecordingReporter.h"
#include "numeric/MatrixNames.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <random>

namespace grafida {
namespace {

using testing::Copy;
using testing::FromEigen;
using testing::ToEigen;

using testing::ErrorOf;

const TFLOATARRAY kA("x_AD", {{0, 1}, {1, 0}});
const TFLOATARRAY kB("x_DI", {{1, 2}, {3, 4}});

TEST(Algebra, ResultNames) {
    const TFLOATARRAY m("M", {{1, 2}, {3, 4}});
    const TFLOATARRAY n("N", {{0, 1}, {1, 0}});
    struct Case {
        const TFLOATARRAY& a;
        std::function<void(TFLOATARRAY&)> operation;
        const char* name;
    } cases[] = {
        {kA, [](TFLOATARRAY& a) { MulScalar(a, 2); }, "x_AD_MUL2.00"},
        {kA, [](TFLOATARRAY& a) { AddScalar(a, 2); }, "x_AD_ADD2.00"},
        {kA, [](TFLOATARRAY& a) { SubScalar(a, 2); }, "x_AD_DIF2.00"},
        {kA, [](TFLOATARRAY& a) { DivScalar(a, 2); }, "x_AD_DIV2.00"},
        {kA, [](TFLOATARRAY& a) { MulScalar(a, 2.5); }, "x_AD_MUL2.50"},
        {kA, [](TFLOATARRAY& a) { AddScalar(a, -1); }, "x_AD_ADD-1.00"},
        {kA, [](TFLOATARRAY& a) { AddMatrix(a, kB); }, "x_AD_SUM_DI"},
        {kA, [](TFLOATARRAY& a) { SubMatrix(a, kB); }, "x_AD_DIF_DI"},
        {kA, [](TFLOATARRAY& a) { HadamardProduct(a, kB); }, "x_AD_H_DI"},
        {kA, [](TFLOATARRAY& a) { CramerProduct(a, kB); }, "x_AD_CP_DI"},
        {kA, [](TFLOATARRAY& a) { Reciprocal(a); }, "x_R_AD"},
        {kA, [](TFLOATARRAY& a) { Transpose(a); }, "x_TRANS_AD"},
        {kA, [](TFLOATARRAY& a) { Invert(a); }, "x_INV_AD"},
        // Names without an underscore have no molecule part.
        {m, [](TFLOATARRAY& a) { Reciprocal(a); }, "_RM"},
        {m, [](TFLOATARRAY& a) { Transpose(a); }, "TRANS_M"},
        {m, [](TFLOATARRAY& a) { Invert(a); }, "INV_M"},
        {m, [&](TFLOATARRAY& a) { AddMatrix(a, n); }, "M_SUM_N"},
        {m, [&](TFLOATARRAY& a) { CramerProduct(a, n); }, "M_CPN"},
        {m, [&](TFLOATARRAY& a) { HadamardProduct(a, kB); }, "M_H_DI"},
        // Only the first underscore counts.
        {TFLOATARRAY("a_b_c", {{2}}), [](TFLOATARRAY& a) { Invert(a); }, "a_INV_b_c"},
        {TFLOATARRAY("a_b_c", {{2}}), [](TFLOATARRAY& a) { Reciprocal(a); }, "a_R_b_c"},
        {TFLOATARRAY("a_b_c", {{2}}), [](TFLOATARRAY& a) { AddMatrix(a, TFLOATARRAY("p_q_r", {{1}})); },
         "a_b_c_SUM_q_r"},
    };
    for (const auto& c : cases) {
        TFLOATARRAY a = Copy(c.a);
        c.operation(a);
        EXPECT_EQ(a.Name(), c.name);
    }
    EXPECT_EQ(InsertBeforeFirstUnderscore("BENZ_AD", "_EIGV"), "BENZ_EIGV_AD");
    EXPECT_EQ(InsertBeforeFirstUnderscore("BENZ", "_EIGV"), "_EIGVBENZ");
}

TEST(Algebra, ResultValues) {
    struct Case {
        TFLOATARRAY a;
        std::function<void(TFLOATARRAY&)> operation;
        std::vector<std::vector<double>> expected;
    } cases[] = {
        {kA, [](TFLOATARRAY& a) { AddScalar(a, 1); }, {{1, 2}, {2, 1}}},
        {kB, [](TFLOATARRAY& a) { MulScalar(a, -2); }, {{-2, -4}, {-6, -8}}},
        {kB, [](TFLOATARRAY& a) { SubScalar(a, 1); }, {{0, 1}, {2, 3}}},
        {kB, [](TFLOATARRAY& a) { DivScalar(a, 4); }, {{0.25, 0.5}, {0.75, 1}}},
        {kB, [](TFLOATARRAY& a) { AddMatrix(a, kA); }, {{1, 3}, {4, 4}}},
        {kB, [](TFLOATARRAY& a) { SubMatrix(a, kA); }, {{1, 1}, {2, 4}}},
        {kB, [](TFLOATARRAY& a) { HadamardProduct(a, kB); }, {{1, 4}, {9, 16}}},
        {kB, [](TFLOATARRAY& a) { CramerProduct(a, kA); }, {{2, 1}, {4, 3}}},
        {kB, [](TFLOATARRAY& a) { CramerProduct(a, a); }, {{7, 10}, {15, 22}}},
        // b wider than a: the product is cut to a's size.
        {TFLOATARRAY("r", {{1, 2}}),
         [](TFLOATARRAY& a) {
             CramerProduct(a, TFLOATARRAY("s", {{1, 0, 5}, {0, 1, 5}}));
         },
         {{1, 2}}},
        {TFLOATARRAY("x", {{0, 2}, {4, 0}}), [](TFLOATARRAY& a) { Reciprocal(a); }, {{0, 0.5}, {0.25, 0}}},
        {kB, [](TFLOATARRAY& a) { Transpose(a); }, {{1, 3}, {2, 4}}},
        {TFLOATARRAY("x", {{2, 0}, {0, 4}}),
         [](TFLOATARRAY& a) { EXPECT_EQ(Invert(a), kSolved); },
         {{0.5, 0}, {0, 0.25}}},
        // Pivoting exchanges rows and columns; the inverse is the matrix itself.
        {kA, [](TFLOATARRAY& a) { EXPECT_EQ(Invert(a), kSolved); }, {{0, 1}, {1, 0}}},
        {kB, [](TFLOATARRAY& a) { EXPECT_EQ(Invert(a), kSolved); }, {{-2, 1}, {1.5, -0.5}}},
        {TFLOATARRAY("x", {{0, 0, 2}, {0, 4, 0}, {8, 0, 0}}),
         [](TFLOATARRAY& a) { EXPECT_EQ(Invert(a), kSolved); },
         {{0, 0, 0.125}, {0, 0.25, 0}, {0.5, 0, 0}}},
    };
    for (auto& c : cases) {
        c.operation(c.a);
        EXPECT_EQ(c.a, TFLOATARRAY(c.a.Name(), c.expected)) << c.a.Name();
    }

    TFLOATVEC rows(2);
    TFLOATVEC cols(2);
    RowSums(kB, rows);
    ColSums(kB, cols);
    EXPECT_EQ(rows.Data(), (std::vector<double>{3, 7}));
    EXPECT_EQ(cols.Data(), (std::vector<double>{4, 6}));

    TFLOATARRAY empty;
    empty.SetName("e_AD");
    EXPECT_EQ(Invert(empty), kSolved);
    EXPECT_EQ(empty.Name(), "e_INV_AD");
    EXPECT_EQ(empty.Rows(), 0u);
}

TEST(Algebra, FailuresReportAndLeaveTheMatrixAlone) {
    const TFLOATARRAY wide("w_AD", {{1, 2, 3}, {4, 5, 6}});
    const TFLOATARRAY tall("t_AD", {{1}, {2}, {3}});
    const TFLOATARRAY small("s_AD", {{1}});
    TFLOATVEC three(3);
    struct Case {
        TFLOATARRAY a;
        std::function<void(TFLOATARRAY&)> operation;
        const char* message;
    } cases[] = {
        {kA, [&](TFLOATARRAY& a) { AddMatrix(a, wide); },
         "Error objects must be of the same range but are 2 3"},
        {kA, [&](TFLOATARRAY& a) { AddMatrix(a, tall); },
         "Error objects must be of the same range but are 2 3"},
        {kA, [&](TFLOATARRAY& a) { SubMatrix(a, small); },
         "Error objects must be of the same range but are 2 1"},
        {kA, [&](TFLOATARRAY& a) { HadamardProduct(a, wide); },
         "Error objects must be of the same range but are 2 3"},
        {kA, [&](TFLOATARRAY& a) { CramerProduct(a, tall); },
         "Error objects must be of the same range but are 2 3"},
        {wide, [&](TFLOATARRAY& a) { CramerProduct(a, kA); },
         "Error objects must be of the same range but are 3 2"},
        {kA,
         [&](TFLOATARRAY& a) {
             CramerProduct(a, TFLOATARRAY("n", {{1}, {2}}));
         },
         "Error objects must be of the same range but are 2 1"},
        {wide, [](TFLOATARRAY& a) { Invert(a); }, "Error objects must be of the same range but are 3 2"},
        {wide, [](TFLOATARRAY& a) { Transpose(a); }, "Error not a square matrix 'w_AD'"},
        {wide, [&](TFLOATARRAY& a) { RowSums(a, three); },
         "Error objects must be of the same range but are 2 3"},
        {kA, [&](TFLOATARRAY& a) { ColSums(a, three); },
         "Error objects must be of the same range but are 2 3"},
        {kA, [](TFLOATARRAY& a) { DivScalar(a, 0); }, "Floating point division by zero"},
    };
    for (auto& c : cases) {
        const TFLOATARRAY before = Copy(c.a);
        EXPECT_EQ(ErrorOf([&] { c.operation(c.a); }), c.message);
        EXPECT_EQ(c.a, before);
    }
    EXPECT_EQ(three.Data(), (std::vector<double>{0, 0, 0}));

    // Singular and non-finite matrices are refused by code, unchanged and not renamed.
    struct Refused {
        std::vector<std::vector<double>> values;
        int code;
    } refused[] = {
        {{{1, 2}, {2, 4}}, kSingular},         {{{0, 0}, {0, 0}}, kSingular},
        {{{1e-20, 0}, {0, 1e-20}}, kSingular}, // pivots below 2^-63
        {{{1, NAN}, {0, 1}}, kNotFinite},      {{{INFINITY, 0}, {0, 1}}, kNotFinite},
    };
    for (const auto& r : refused) {
        TFLOATARRAY a("x_AD", r.values);
        EXPECT_EQ(Invert(a), r.code);
        EXPECT_EQ(a.Name(), "x_AD");
        for (int i = 1; i <= 2; ++i)
            for (int j = 1; j <= 2; ++j)
                EXPECT_TRUE(a.Get(i, j) == r.values[i - 1][j - 1] || std::isnan(a.Get(i, j)));
    }
}

TEST(Algebra, InverseAgreesWithEigenOnRandomMatrices) {
    std::mt19937 rng(4711);
    for (int trial = 0; trial < 200; ++trial) {
        const int n = 1 + trial % 30;
        Eigen::MatrixXd m = Eigen::MatrixXd::NullaryExpr(n, n, [&] { return testing::Uniform(rng, -2, 2); });
        if (trial % 3 == 0)
            m += n * Eigen::MatrixXd::Identity(n, n); // diagonally dominant
        const Eigen::JacobiSVD<Eigen::MatrixXd> svd(m);
        const double condition = svd.singularValues()(0) / svd.singularValues()(n - 1);
        if (condition > 1e5)
            continue;
        TFLOATARRAY a = FromEigen(m, "r_AD");
        ASSERT_EQ(Invert(a), kSolved);
        const Eigen::MatrixXd inverse = ToEigen(a);
        EXPECT_LT((m * inverse - Eigen::MatrixXd::Identity(n, n)).cwiseAbs().maxCoeff(), 1e-9)
            << "order " << n;
        EXPECT_LT((inverse - m.inverse()).norm(), 1e-9 * condition * m.inverse().norm());
    }
}

} // namespace
} // namespace grafida
