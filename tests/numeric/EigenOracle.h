#pragma once
// Test helpers for the solvers: conversions to Eigen (the oracle), the matrices
// of small graphs and seeded random matrices of the kinds molecules give.

#include "numeric/Arrays.h"
#include "numeric/Vectors.h"

#include <Eigen/Dense>
#include <algorithm>
#include <complex>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace grafida::testing {

using Complex = std::complex<double>;

inline Eigen::MatrixXd ToEigen(const TFLOATARRAY& a) {
    Eigen::MatrixXd m(a.Rows(), a.Cols());
    for (std::uint32_t i = 1; i <= a.Rows(); ++i)
        for (std::uint32_t j = 1; j <= a.Cols(); ++j)
            m(i - 1, j - 1) = a.Get(i, j);
    return m;
}

inline TFLOATARRAY FromEigen(const Eigen::MatrixXd& m, std::string name = "m") {
    TFLOATARRAY a(m.rows(), m.cols());
    a.SetName(std::move(name));
    for (Eigen::Index i = 0; i < m.rows(); ++i)
        for (Eigen::Index j = 0; j < m.cols(); ++j)
            a.Put(i + 1, j + 1, m(i, j));
    return a;
}

inline TFLOATARRAY Copy(const TFLOATARRAY& a) {
    TFLOATARRAY copy;
    copy.Assign(a);
    return copy;
}

// Largest distance from an element of found to its partner in expected, pairing each element
// of found greedily with the nearest unused one; infinity when the sizes differ.
inline double MultisetDistance(std::vector<Complex> found, std::vector<Complex> expected) {
    if (found.size() != expected.size())
        return std::numeric_limits<double>::infinity();
    std::vector<bool> used(expected.size(), false);
    double worst = 0;
    for (const Complex z : found) {
        size_t best = expected.size();
        double bestDistance = std::numeric_limits<double>::infinity();
        for (size_t j = 0; j < expected.size(); ++j)
            if (!used[j] && std::abs(expected[j] - z) < bestDistance) {
                bestDistance = std::abs(expected[j] - z);
                best = j;
            }
        if (best == expected.size())
            return std::numeric_limits<double>::infinity();
        used[best] = true;
        worst = std::max(worst, bestDistance);
    }
    return worst;
}

inline std::vector<Complex> Pairs(const TFLOATVEC& re, const TFLOATVEC& im) {
    std::vector<Complex> values;
    for (std::uint32_t i = 1; i <= re.Count(); ++i)
        values.emplace_back(re.Get(i), im.Get(i));
    return values;
}

// The edges of small molecular-looking graphs on vertices 0..n-1.
using Edges = std::vector<std::pair<int, int>>;

inline Edges PathGraph(int n) {
    Edges edges;
    for (int i = 1; i < n; ++i)
        edges.emplace_back(i - 1, i);
    return edges;
}

inline Edges RingGraph(int n) {
    Edges edges = PathGraph(n);
    if (n > 2)
        edges.emplace_back(n - 1, 0);
    return edges;
}

inline Edges StarGraph(int n) {
    Edges edges;
    for (int i = 1; i < n; ++i)
        edges.emplace_back(0, i);
    return edges;
}

// A random tree: every vertex hangs on an earlier one.
inline Edges RandomTree(int n, std::mt19937& rng) {
    Edges edges;
    for (int i = 1; i < n; ++i)
        edges.emplace_back(std::uniform_int_distribution<int>(0, i - 1)(rng), i);
    return edges;
}

inline TFLOATARRAY Adjacency(int n, const Edges& edges) {
    TFLOATARRAY a(n, n);
    a.SetName("g_AD");
    for (const auto& [u, v] : edges) {
        a.Put(u + 1, v + 1, 1);
        a.Put(v + 1, u + 1, 1);
    }
    return a;
}

// Topological distances by Floyd–Warshall; unreachable pairs get 0 like absent bonds.
inline TFLOATARRAY Distances(int n, const Edges& edges) {
    constexpr double far = 1e9;
    std::vector<std::vector<double>> d(static_cast<size_t>(n),
                                       std::vector<double>(static_cast<size_t>(n), far));
    for (int i = 0; i < n; ++i)
        d[i][i] = 0;
    for (const auto& [u, v] : edges)
        d[u][v] = d[v][u] = 1;
    for (int k = 0; k < n; ++k)
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n; ++j)
                d[i][j] = std::min(d[i][j], d[i][k] + d[k][j]);
    TFLOATARRAY a(n, n);
    a.SetName("g_DI");
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            a.Put(i + 1, j + 1, d[i][j] >= far ? 0 : d[i][j]);
    return a;
}

inline double Uniform(std::mt19937& rng, double lo, double hi) {
    return std::uniform_real_distribution<double>(lo, hi)(rng);
}

// The symmetric test matrices: graph matrices (with their many repeated eigenvalues), random
// symmetric ones, some with zero rows, and ones built with chosen repeated eigenvalues.
inline TFLOATARRAY RandomSymmetric(int n, int kind, std::mt19937& rng) {
    switch (kind % 7) {
    case 0:
        return Adjacency(n, RingGraph(n));
    case 1:
        return Adjacency(n, RandomTree(n, rng));
    case 2:
        return Distances(n, RandomTree(n, rng));
    case 3:
        return Distances(n, RingGraph(n));
    case 4: { // random entries, a few rows and columns zeroed
        Eigen::MatrixXd m = Eigen::MatrixXd::NullaryExpr(n, n, [&] { return Uniform(rng, -5, 5); });
        m = (m + m.transpose()).eval();
        for (int i = 0; i < n; i += 3) {
            m.row(i).setZero();
            m.col(i).setZero();
        }
        return FromEigen(m);
    }
    case 5: { // Q·D·Qᵀ with eigenvalues of multiplicity up to three
        const Eigen::MatrixXd q =
            Eigen::HouseholderQR<Eigen::MatrixXd>(Eigen::MatrixXd::NullaryExpr(n, n, [&] {
                return Uniform(rng, -1, 1);
            })).householderQ();
        Eigen::VectorXd d(n);
        for (int i = 0; i < n; ++i)
            d(i) = i % 3 == 0 ? std::round(Uniform(rng, -4, 4)) : d(i - 1);
        Eigen::MatrixXd m = q * d.asDiagonal() * q.transpose();
        m = ((m + m.transpose()) / 2).eval();
        return FromEigen(m);
    }
    default:
        return Adjacency(n, StarGraph(n));
    }
}

// The general (non-symmetric) test matrices, all with well-conditioned eigenvalues: random
// entries, random entries with zero rows, S·D·S⁻¹ with repeated real eigenvalues, and
// block-diagonal rotations with complex pairs mixed by a similarity.
inline TFLOATARRAY RandomGeneral(int n, int kind, std::mt19937& rng) {
    const auto random = [&](double lo, double hi) {
        return Eigen::MatrixXd(Eigen::MatrixXd::NullaryExpr(n, n, [&] { return Uniform(rng, lo, hi); }));
    };
    switch (kind % 4) {
    case 0:
        return FromEigen(random(-3, 3));
    case 1: {
        Eigen::MatrixXd m = random(-3, 3);
        for (int i = 1; i < n; i += 4)
            m.row(i).setZero();
        return FromEigen(m);
    }
    case 2: {
        const Eigen::MatrixXd s = random(-1, 1) + 3 * Eigen::MatrixXd::Identity(n, n);
        Eigen::VectorXd d(n);
        for (int i = 0; i < n; ++i)
            d(i) = i % 2 == 0 ? std::round(Uniform(rng, -5, 5)) : d(i - 1);
        return FromEigen(s * d.asDiagonal() * s.inverse());
    }
    default: {
        Eigen::MatrixXd blocks = Eigen::MatrixXd::Zero(n, n);
        for (int i = 0; i < n; i += 2) {
            const double a = std::round(Uniform(rng, -3, 3));
            if (i + 1 < n) {
                const double b = 1 + std::round(Uniform(rng, 0, 3));
                blocks(i, i) = blocks(i + 1, i + 1) = a;
                blocks(i, i + 1) = -b;
                blocks(i + 1, i) = b;
            } else {
                blocks(i, i) = a;
            }
        }
        const Eigen::MatrixXd s = random(-1, 1) + 3 * Eigen::MatrixXd::Identity(n, n);
        return FromEigen(s * blocks * s.inverse());
    }
    }
}

} // namespace grafida::testing
