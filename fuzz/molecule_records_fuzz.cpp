// Files of records (SDF, MOL, MOL2, SMILES) over any bytes, RDKit included: the
// first byte chooses the format, the rest is the file. Every record found must be
// readable back from its place in the file; every molecule that loads is a
// consistent graph that survives its work file, and grafida-cli's descriptor row
// can be computed from it (small molecules only: longest paths are exponential).

#include "FuzzSupport.h"
#include "MoleculeChecks.h"
#include "molecule/ElementData.h"
#include "molecule/MoleculeFiles.h"
#include "workspace/IndexTable.h"

#include <cstdlib>

using namespace grafida;

namespace {
constexpr int kLargestComputed = 12;
// Small enough that the record size limit is met by fuzzed inputs too.
constexpr std::uint64_t kLargestRecord = 4096;
// Embedding is slow; only short inputs ask for it.
constexpr std::size_t kLargestEmbedded = 160;

constexpr MoleculeFormat kFormats[] = {MoleculeFormat::Sdf, MoleculeFormat::Mol2, MoleculeFormat::Smiles,
                                       MoleculeFormat::Mol};
constexpr const char* kFileNames[] = {"fuzz.sdf", "fuzz.mol2", "fuzz.smi", "fuzz.mol"};
} // namespace

// RDKit's MOL2 parser loses the molecule it was building on some malformed
// blocks; that is RDKit's leak, not a finding about GRAFIDA, so leaks whose
// stack passes through RDKit's file parsers are not reported.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libRDKitFileParsers.so\n";
}

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::KeepQuiet();
    SetElementDataDir(GRAFIDA_DATA_DIR);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1)
        return 0;
    const std::size_t choice = data[0] & 3;
    const MoleculeFormat format = kFormats[choice];
    const MoleculeReadOptions options{.embed3D = (data[0] & 4) != 0 && size <= kLargestEmbedded};
    const std::string path = fuzz::WriteScratchFile(kFileNames[choice], fuzz::TextOf(data + 1, size - 1));
    ScanMoleculeRecords(
        path, format,
        [&](const MoleculeRecord& record, std::string_view text) {
            if (!record.tooLarge && text.empty())
                std::abort();
            if (!record.tooLarge && ReadRecordText(path, record) != std::string(text))
                std::abort();
            const std::string name = RecordMoleculeName(record, path, format);
            if (name.empty() || name.find_first_of("_./") != std::string::npos)
                std::abort();
            const auto molecule = ReadMoleculeRecord(text, format, record, path, name, options);
            if (!molecule)
                return true;
            const int n = molecule->VertexCount();
            if (n < 1 || molecule->Properties.Count() != 1 ||
                molecule->Properties[0].Values.size() != static_cast<size_t>(n))
                std::abort();
            fuzz::CheckGraph(*molecule);
            fuzz::CheckWorkFileRoundTrip(*molecule);
            if (n <= kLargestComputed)
                CalcIndexRow(*molecule, IndexRequest{});
            return true;
        },
        kLargestRecord);
    return 0;
}
