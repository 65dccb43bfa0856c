// The exact detour and Cluj detour matrices of large polycyclic graphs: benzenoid
// flakes of 7, 19 and 37 rings, the fullerenes C60, C70 and C80, zigzag and armchair
// nanotube segments of 60 to 100 atoms, random cubic graphs of 60, 80 and 100
// vertices, and a 2000-vertex tree. One iteration each (a search takes seconds): read
// the CPU column, the machine is shared. bench/compare-paths runs the same program
// built on an earlier engine beside this one.
#include "graphs/GraphFamilies.h"
#include "topology/Cluj.h"
#include "topology/Detour.h"
#include "topology/Distance.h"

#include <benchmark/benchmark.h>
#include <functional>
#include <map>

namespace {

using namespace grafida;

const TFLOATARRAY& Graph(const std::string& name) {
    static const std::map<std::string, std::function<TFLOATARRAY()>> makers = {
        {"flake7", [] { return graphs::HexagonalFlake(2); }},
        {"flake19", [] { return graphs::HexagonalFlake(3); }},
        {"flake37", [] { return graphs::HexagonalFlake(4); }},
        {"C60",
         [] {
             return graphs::FullereneFromSpiral("C60", 60, {1, 7, 9, 11, 13, 15, 18, 20, 22, 24, 26, 32});
         }},
        {"C70",
         [] {
             return graphs::FullereneFromSpiral("C70", 70, {1, 7, 9, 11, 13, 15, 27, 29, 31, 33, 35, 37});
         }},
        {"C80", [] { return graphs::ChamferedDodecahedron(); }},
        {"zigzag8x8", [] { return graphs::ZigzagTube(8, 8); }},
        {"zigzag10x8", [] { return graphs::ZigzagTube(10, 8); }},
        {"zigzag10x10", [] { return graphs::ZigzagTube(10, 10); }},
        {"armchair8x8", [] { return graphs::ArmchairTube(8, 8); }},
        {"armchair10x8", [] { return graphs::ArmchairTube(10, 8); }},
        {"armchair10x10", [] { return graphs::ArmchairTube(10, 10); }},
        {"cubic60", [] { return graphs::RandomCubic(60, 1); }},
        {"cubic80", [] { return graphs::RandomCubic(80, 1); }},
        {"cubic100", [] { return graphs::RandomCubic(100, 1); }},
        {"tree2000", [] { return graphs::RandomTree(2000, 7); }},
    };
    static std::map<std::string, TFLOATARRAY> made;
    auto found = made.find(name);
    if (found == made.end())
        found = made.emplace(name, makers.at(name)()).first;
    return found->second;
}

void BM_Detour(benchmark::State& state, const std::string& name) {
    const TFLOATARRAY& a = Graph(name);
    for (auto _ : state)
        benchmark::DoNotOptimize(CalcDetour(&a));
}

// CjDe and CFDe from one walk over the longest paths, the detour matrix given.
void BM_ClujDetour(benchmark::State& state, const std::string& name) {
    const TFLOATARRAY& a = Graph(name);
    const auto distance = CalcDistance(&a);
    const auto detour = CalcDetour(&a);
    for (auto _ : state)
        benchmark::DoNotOptimize(CalcClujDetourMatrices(&a, distance.get(), detour.get(), true, true));
}

// CjDi and CFDi, for the tree: with DE, CjDe and CFDe these are the path matrices of
// the nine basic matrices.
void BM_ClujDistance(benchmark::State& state, const std::string& name) {
    const TFLOATARRAY& a = Graph(name);
    const auto distance = CalcDistance(&a);
    for (auto _ : state)
        benchmark::DoNotOptimize(CalcClujDistanceMatrices(&a, distance.get(), true, true));
}

#define GRAFIDA_PATHS(name)                                                                                  \
    BENCHMARK_CAPTURE(BM_Detour, name, #name)->Unit(benchmark::kSecond)->Iterations(1);                      \
    BENCHMARK_CAPTURE(BM_ClujDetour, name, #name)->Unit(benchmark::kSecond)->Iterations(1)

GRAFIDA_PATHS(flake7);
GRAFIDA_PATHS(flake19);
GRAFIDA_PATHS(flake37);
GRAFIDA_PATHS(C60);
GRAFIDA_PATHS(C70);
GRAFIDA_PATHS(C80);
GRAFIDA_PATHS(zigzag8x8);
GRAFIDA_PATHS(zigzag10x8);
GRAFIDA_PATHS(zigzag10x10);
GRAFIDA_PATHS(armchair8x8);
GRAFIDA_PATHS(armchair10x8);
GRAFIDA_PATHS(armchair10x10);
GRAFIDA_PATHS(cubic60);
GRAFIDA_PATHS(cubic80);
GRAFIDA_PATHS(cubic100);
GRAFIDA_PATHS(tree2000);
BENCHMARK_CAPTURE(BM_ClujDistance, tree2000, "tree2000")->Unit(benchmark::kSecond)->Iterations(1);

} // namespace
