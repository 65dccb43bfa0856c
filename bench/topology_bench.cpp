// Distance, detour and Cluj matrices of graph families: trees of 1000 and 2000 vertices, acenes of
// 5 and 10 rings, the dodecahedron, the steroid nucleus and a 30-vertex tree. The
// "Fast" benchmarks run the program's builders, the "Literal" ones the step-by-step
// reference of the tests on the same graphs; compare their times per graph.
#include "graphs/GraphFamilies.h"
#include "literal/LiteralTopology.h"
#include "topology/BasicMatrices.h"
#include "topology/Cluj.h"
#include "topology/Detour.h"
#include "topology/Distance.h"

#include <benchmark/benchmark.h>
#include <functional>
#include <map>

namespace {

using namespace grafida;

const TFLOATARRAY& Family(const std::string& name) {
    static const std::map<std::string, std::function<TFLOATARRAY()>> makers = {
        {"tree1000", [] { return graphs::RandomTree(1000, 1); }},
        {"tree2000", [] { return graphs::RandomTree(2000, 7); }},
        {"tree30", [] { return graphs::RandomTree(30, 3); }},
        {"acene5", [] { return graphs::Acene(5); }},
        {"acene10", [] { return graphs::Acene(10); }},
        {"dodecahedron", [] { return graphs::Dodecahedron(); }},
        {"steroid", [] { return graphs::SteroidNucleus(); }},
    };
    static std::map<std::string, TFLOATARRAY> made;
    auto found = made.find(name);
    if (found == made.end())
        found = made.emplace(name, makers.at(name)()).first;
    return found->second;
}

// A carbon skeleton with the family's bonds, for the nine basic matrices.
TMolecula MoleculeOf(const TFLOATARRAY& adjacency) {
    TMolecula molecule;
    molecule.SetName("bench");
    const int n = static_cast<int>(adjacency.Rows());
    for (int k = 1; k <= n; ++k) {
        TAtom atom;
        atom.SetElement(ElementOf("C"));
        atom.SetNumber(k);
        atom.SetCoords(k, k % 7, k % 3);
        molecule.Atoms.Add(atom);
    }
    for (int i = 1; i <= n; ++i)
        for (int j = i + 1; j <= n; ++j)
            if (adjacency.Get(i, j) != 0)
                molecule.Bonds.push_back({i, j, TBondType::Single});
    return molecule;
}

void BM_FastDistance(benchmark::State& state, const std::string& family) {
    const TFLOATARRAY& a = Family(family);
    for (auto _ : state)
        benchmark::DoNotOptimize(CalcDistance(&a));
}

void BM_FastDetour(benchmark::State& state, const std::string& family) {
    const TFLOATARRAY& a = Family(family);
    for (auto _ : state)
        benchmark::DoNotOptimize(CalcDetour(&a));
}

void BM_FastNineBasicMatrices(benchmark::State& state, const std::string& family) {
    const TMolecula molecule = MoleculeOf(Family(family));
    BasicMatrixSelection all;
    all.fill(true);
    for (auto _ : state)
        benchmark::DoNotOptimize(CalcBasicMatrices(molecule, all));
}

// The path-based matrices (distance, detour, the four Cluj matrices) one builder at a
// time, as the fast builders and as the reference computes them.
void BM_FastPathMatrices(benchmark::State& state, const std::string& family) {
    const TFLOATARRAY& a = Family(family);
    for (auto _ : state) {
        const auto d = CalcDistance(&a);
        benchmark::DoNotOptimize(CalcDetour(&a));
        benchmark::DoNotOptimize(CalcClujDistance(&a, d.get()));
        benchmark::DoNotOptimize(CalcClujDetour(&a, d.get()));
        benchmark::DoNotOptimize(CalcClujFragDistance(&a, d.get()));
        benchmark::DoNotOptimize(CalcClujFragDetour(&a, d.get()));
    }
}

// The same six matrices as the nine basic matrices build them: the detour matrix and
// each kind of path walked once for both Cluj matrices over it.
void BM_FastPathMatricesShared(benchmark::State& state, const std::string& family) {
    const TFLOATARRAY& a = Family(family);
    for (auto _ : state) {
        const auto d = CalcDistance(&a);
        const auto de = CalcDetour(&a);
        benchmark::DoNotOptimize(CalcClujDistanceMatrices(&a, d.get(), true, true));
        benchmark::DoNotOptimize(CalcClujDetourMatrices(&a, d.get(), de.get(), true, true));
    }
}

void BM_LiteralPathMatrices(benchmark::State& state, const std::string& family) {
    const TFLOATARRAY& a = Family(family);
    for (auto _ : state) {
        const TFLOATARRAY d = literal::CalcDistance(a);
        benchmark::DoNotOptimize(literal::CalcDetour(a));
        benchmark::DoNotOptimize(literal::CalcClujDistance(a, d));
        benchmark::DoNotOptimize(literal::CalcClujDetour(a, d));
        benchmark::DoNotOptimize(literal::CalcClujFragDistance(a, d));
        benchmark::DoNotOptimize(literal::CalcClujFragDetour(a, d));
    }
}

void BM_LiteralDetour(benchmark::State& state, const std::string& family) {
    const TFLOATARRAY& a = Family(family);
    for (auto _ : state)
        benchmark::DoNotOptimize(literal::CalcDetour(a));
}

void BM_LiteralDistance(benchmark::State& state, const std::string& family) {
    const TFLOATARRAY& a = Family(family);
    for (auto _ : state)
        benchmark::DoNotOptimize(literal::CalcDistance(a));
}

BENCHMARK_CAPTURE(BM_FastDistance, tree1000, "tree1000")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FastDetour, tree1000, "tree1000")->Unit(benchmark::kMillisecond);

// Trees take the closed form: all nine matrices of 2000 vertices well under a second.
BENCHMARK_CAPTURE(BM_FastNineBasicMatrices, tree2000, "tree2000")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FastNineBasicMatrices, dodecahedron, "dodecahedron")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FastNineBasicMatrices, acene5, "acene5")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FastNineBasicMatrices, acene10, "acene10")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FastNineBasicMatrices, steroid, "steroid")->Unit(benchmark::kMillisecond);

// Fast against literal, graph by graph. The literal path matrices of the larger graphs
// take seconds: a fixed, small number of iterations.
#define GRAFIDA_VERSUS(family, literalIterations)                                                            \
    BENCHMARK_CAPTURE(BM_FastPathMatrices, family, #family)->Unit(benchmark::kMillisecond);                  \
    BENCHMARK_CAPTURE(BM_FastPathMatricesShared, family, #family)->Unit(benchmark::kMillisecond);            \
    BENCHMARK_CAPTURE(BM_LiteralPathMatrices, family, #family)                                               \
        ->Unit(benchmark::kMillisecond)                                                                      \
        ->Iterations(literalIterations);                                                                     \
    BENCHMARK_CAPTURE(BM_FastDetour, family, #family)->Unit(benchmark::kMillisecond);                        \
    BENCHMARK_CAPTURE(BM_LiteralDetour, family, #family)->Unit(benchmark::kMillisecond);                     \
    BENCHMARK_CAPTURE(BM_FastDistance, family, #family)->Unit(benchmark::kMillisecond);                      \
    BENCHMARK_CAPTURE(BM_LiteralDistance, family, #family)->Unit(benchmark::kMillisecond)

GRAFIDA_VERSUS(tree30, 20);
GRAFIDA_VERSUS(steroid, 20);
GRAFIDA_VERSUS(dodecahedron, 1);
GRAFIDA_VERSUS(acene5, 10);
GRAFIDA_VERSUS(acene10, 1);

} // namespace
