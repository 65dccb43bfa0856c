// JacobiEigen and GeneralEigenvalues on adjacency matrices of rings and trees, with
// Eigen's solvers on the same matrices as the baseline.
#include "numeric/GeneralEigen.h"
#include "numeric/SymmetricEigen.h"

#include <Eigen/Dense>
#include <benchmark/benchmark.h>

namespace {

using namespace grafida;

enum Graph { kRing, kTree };

// A ring, or a tree in which vertex i hangs on vertex (i − 1) / 3 (branches of three).
TFLOATARRAY Adjacency(int n, int graph) {
    TFLOATARRAY a(n, n);
    const auto bond = [&a](int u, int v) {
        a.Put(u, v, 1);
        a.Put(v, u, 1);
    };
    for (int i = 2; i <= n; ++i)
        bond(graph == kRing ? i - 1 : (i - 2) / 3 + 1, i);
    if (graph == kRing && n > 2)
        bond(n, 1);
    return a;
}

Eigen::MatrixXd ToEigen(const TFLOATARRAY& a) {
    Eigen::MatrixXd m(a.Rows(), a.Cols());
    for (std::uint32_t i = 1; i <= a.Rows(); ++i)
        for (std::uint32_t j = 1; j <= a.Cols(); ++j)
            m(i - 1, j - 1) = a.Get(i, j);
    return m;
}

void Label(benchmark::State& state) {
    state.SetLabel(state.range(1) == kRing ? "ring" : "tree");
}

void BM_JacobiEigen(benchmark::State& state) {
    const auto n = static_cast<int>(state.range(0));
    const TFLOATARRAY input = Adjacency(n, static_cast<int>(state.range(1)));
    TFLOATVEC d(n);
    TFLOATARRAY v(n, n);
    for (auto _ : state) {
        TFLOATARRAY a = input;
        benchmark::DoNotOptimize(JacobiEigen(a, 1, n, d, v, 1e-12, 1000));
    }
    Label(state);
}

void BM_EigenSelfAdjoint(benchmark::State& state) {
    const Eigen::MatrixXd m =
        ToEigen(Adjacency(static_cast<int>(state.range(0)), static_cast<int>(state.range(1))));
    for (auto _ : state) {
        Eigen::SelfAdjointEigenSolver<Eigen::MatrixXd> solver(m, Eigen::ComputeEigenvectors);
        benchmark::DoNotOptimize(solver.eigenvalues().data());
    }
    Label(state);
}

void BM_GeneralEigenvalues(benchmark::State& state) {
    const auto n = static_cast<int>(state.range(0));
    const TFLOATARRAY input = Adjacency(n, static_cast<int>(state.range(1)));
    TFLOATVEC wr(n);
    TFLOATVEC wi(n);
    for (auto _ : state) {
        TFLOATARRAY a = input;
        benchmark::DoNotOptimize(GeneralEigenvalues(a, 1, n, wr, wi));
    }
    Label(state);
}

void BM_EigenGeneral(benchmark::State& state) {
    const Eigen::MatrixXd m =
        ToEigen(Adjacency(static_cast<int>(state.range(0)), static_cast<int>(state.range(1))));
    for (auto _ : state) {
        Eigen::EigenSolver<Eigen::MatrixXd> solver(m, false);
        benchmark::DoNotOptimize(solver.eigenvalues().data());
    }
    Label(state);
}

void Sizes(benchmark::internal::Benchmark* b) {
    for (const int n : {60, 200})
        for (const int graph : {kRing, kTree})
            b->Args({n, graph});
    b->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_JacobiEigen)->Apply(Sizes);
BENCHMARK(BM_EigenSelfAdjoint)->Apply(Sizes);
BENCHMARK(BM_GeneralEigenvalues)->Apply(Sizes);
BENCHMARK(BM_EigenGeneral)->Apply(Sizes);

} // namespace
