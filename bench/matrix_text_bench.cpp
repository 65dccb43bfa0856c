// Writing and reading back a 2000 x 2000 matrix through the .M file format.
#include "numeric/MatrixText.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <random>

namespace {

using namespace grafida;

constexpr int kOrder = 2000;

const TFLOATARRAY& BigMatrix() {
    static const TFLOATARRAY matrix = [] {
        TFLOATARRAY m(kOrder, kOrder);
        m.SetName("big_DI");
        std::mt19937 random(1);
        std::uniform_int_distribution<int> distance(0, 40);
        for (int i = 1; i <= kOrder; ++i)
            for (int j = 1; j <= kOrder; ++j)
                m.Put(i, j, distance(random) + 0.25 * (j % 4));
        return m;
    }();
    return matrix;
}

std::string BenchFile() {
    return (std::filesystem::temp_directory_path() / "grafida-bench.M").string();
}

void BM_SaveToFile(benchmark::State& state) {
    const auto& m = BigMatrix();
    const std::string path = BenchFile();
    for (auto _ : state)
        if (!SaveToFile(m, path, 4, 2))
            state.SkipWithError("save failed");
    const auto bytes = static_cast<int64_t>(std::filesystem::file_size(path));
    state.SetBytesProcessed(bytes * state.iterations());
    state.counters["file_MB"] = static_cast<double>(bytes) / 1e6;
}
BENCHMARK(BM_SaveToFile)->Unit(benchmark::kMillisecond);

void BM_LoadMatrices(benchmark::State& state) {
    const std::string path = BenchFile();
    SaveToFile(BigMatrix(), path, 4, 2);
    for (auto _ : state) {
        TContainer list;
        LoadMatrices(path, list);
        if (list.Count() != 1)
            state.SkipWithError("load failed");
    }
    state.SetBytesProcessed(static_cast<int64_t>(std::filesystem::file_size(path)) * state.iterations());
    std::filesystem::remove(path);
}
BENCHMARK(BM_LoadMatrices)->Unit(benchmark::kMillisecond);

} // namespace
