// Reading drug-like SMILES (bench/data/drug-like.smi) with and without the 3D
// embedding, against computing grafida-cli's descriptor row of the same molecules:
// how much of a batch over SMILES the embedding takes.

#include "molecule/ElementData.h"
#include "molecule/MoleculeFiles.h"
#include "numeric/Reporter.h"
#include "workspace/IndexTable.h"

#include <benchmark/benchmark.h>
#include <string>
#include <vector>

namespace {

using namespace grafida;

const std::string kSmiles = std::string(GRAFIDA_BENCH_DATA_DIR) + "/drug-like.smi";

struct Record {
    MoleculeRecord place;
    std::string text;
};

// The first 100 records of the file: enough for a steady figure per molecule.
const std::vector<Record>& Records() {
    static const std::vector<Record> records = [] {
        std::vector<Record> read;
        ScanMoleculeRecords(kSmiles, MoleculeFormat::Smiles,
                            [&](const MoleculeRecord& record, std::string_view text) {
                                read.push_back({record, std::string(text)});
                                return read.size() < 100;
                            });
        return read;
    }();
    return records;
}

void ReadAll(benchmark::State& state, bool embed) {
    SetElementDataDir(GRAFIDA_DATA_DIR);
    for (auto _ : state)
        for (const Record& record : Records())
            benchmark::DoNotOptimize(ReadMoleculeRecord(record.text, MoleculeFormat::Smiles, record.place,
                                                        kSmiles, "m", {.embed3D = embed}));
    state.SetItemsProcessed(state.iterations() * static_cast<long>(Records().size()));
}

void BM_ReadSmilesWithout3D(benchmark::State& state) {
    ReadAll(state, false);
}
BENCHMARK(BM_ReadSmilesWithout3D)->Unit(benchmark::kMillisecond);

void BM_ReadSmilesEmbedded(benchmark::State& state) {
    ReadAll(state, true);
}
BENCHMARK(BM_ReadSmilesEmbedded)->Unit(benchmark::kMillisecond);

void BM_DescriptorRows(benchmark::State& state) {
    SetElementDataDir(GRAFIDA_DATA_DIR);
    std::vector<TMolecula> molecules;
    for (const Record& record : Records())
        if (auto molecule =
                ReadMoleculeRecord(record.text, MoleculeFormat::Smiles, record.place, kSmiles, "m", {}))
            molecules.push_back(std::move(*molecule));
    for (auto _ : state)
        for (const TMolecula& molecule : molecules)
            benchmark::DoNotOptimize(CalcIndexRow(molecule, IndexRequest{}));
    state.SetItemsProcessed(state.iterations() * static_cast<long>(molecules.size()));
}
BENCHMARK(BM_DescriptorRows)->Unit(benchmark::kMillisecond);

} // namespace
