// Reading a large molecule: a .HIN file of a 20,000-carbon chain with all its
// hydrogens, written to its work file and read back.

#include "molecule/Molecula.h"
#include "numeric/TextFile.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

using namespace grafida;

// atom lines of a zig-zag chain C1..Cn, each carbon followed by its hydrogens.
std::string ChainHin(int carbons) {
    std::string text = "forcefield mm+\r\nsys 0 0 1\r\nmol 1 \"chain\"\r\n";
    // Source numbers: each carbon line is followed by 2 hydrogens (3 at the ends).
    std::vector<int> sourceOfCarbon(static_cast<size_t>(carbons) + 2, 0);
    int next = 1;
    for (int c = 1; c <= carbons; ++c) {
        sourceOfCarbon[static_cast<size_t>(c)] = next;
        next += 1 + ((c == 1 || c == carbons) ? 3 : 2);
    }
    for (int c = 1; c <= carbons; ++c) {
        const int source = sourceOfCarbon[static_cast<size_t>(c)];
        const int hydrogens = (c == 1 || c == carbons) ? 3 : 2;
        const double x = 1.25 * c;
        const double y = c % 2 ? 0.0 : 0.89;
        std::string line = "atom " + std::to_string(source) + " - C CT - -0.12 " + std::to_string(x) + " " +
                           std::to_string(y) + " 0 " + std::to_string(hydrogens + (c > 1) + (c < carbons));
        if (c > 1)
            line += " " + std::to_string(sourceOfCarbon[static_cast<size_t>(c - 1)]) + " s";
        if (c < carbons)
            line += " " + std::to_string(sourceOfCarbon[static_cast<size_t>(c + 1)]) + " s";
        for (int h = 1; h <= hydrogens; ++h)
            line += " " + std::to_string(source + h) + " s";
        text += line + "\r\n";
        for (int h = 1; h <= hydrogens; ++h)
            text += "atom " + std::to_string(source + h) + " - H HC - 0.06 " + std::to_string(x) + " " +
                    std::to_string(y + (h == 2 ? -1.09 : 1.09)) + " " + (h == 3 ? "1.09" : "0.5") + " 1 " +
                    std::to_string(source) + " s\r\n";
    }
    return text + "endmol 1\r\n";
}

void BM_LoadSaveLoad20000(benchmark::State& state) {
    const auto folder =
        std::filesystem::temp_directory_path() / ("grafida-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const std::string hinFile = (folder / "chain.hin").string();
    const std::string workFile = (folder / "chain.TOP").string();
    WriteFileAtomically(hinFile, ChainHin(20000));
    for (auto _ : state) {
        TMolecula molecule;
        TMolecula reread;
        if (!molecule.LoadFromHIN(hinFile) || !molecule.SaveToFile(workFile) ||
            !reread.LoadFromFile(workFile) || reread.VertexCount() != 20000 || reread.Bonds.size() != 19999)
            state.SkipWithError("the chain did not survive the round trip");
        benchmark::DoNotOptimize(reread);
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_LoadSaveLoad20000)->Unit(benchmark::kMillisecond);

} // namespace
