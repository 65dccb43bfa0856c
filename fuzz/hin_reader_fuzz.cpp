// LoadFromHIN over any bytes: a molecule that loads is a consistent graph, it
// survives the work file the program keeps it in, and grafida-cli's descriptor row
// can be computed from it (small molecules only: longest paths are exponential).

#include "FuzzSupport.h"
#include "MoleculeChecks.h"
#include "molecule/ElementData.h"
#include "molecule/Molecula.h"
#include "workspace/IndexTable.h"

#include <cstdlib>

using namespace grafida;

namespace {
constexpr int kLargestComputed = 12;
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::KeepQuiet();
    SetElementDataDir(GRAFIDA_DATA_DIR);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TMolecula molecule;
    if (!molecule.LoadFromHINText(fuzz::TextOf(data, size), "fuzz.hin"))
        return 0;
    const int n = molecule.VertexCount();
    if (n < 1 || molecule.Properties.Count() != 1 ||
        molecule.Properties[0].Values.size() != static_cast<size_t>(n))
        std::abort();
    fuzz::CheckGraph(molecule);
    fuzz::CheckWorkFileRoundTrip(molecule);
    if (n <= kLargestComputed)
        CalcIndexRow(molecule, IndexRequest{});
    return 0;
}
