// The work-file reader over any bytes; a molecule it accepts is written back and
// read again unchanged in its graph.

#include "FuzzSupport.h"
#include "MoleculeChecks.h"
#include "molecule/Molecula.h"

#include <cstdlib>

using namespace grafida;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::KeepQuiet();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TMolecula molecule;
    if (!molecule.LoadFromText(fuzz::TextOf(data, size), "fuzz.TOP"))
        return 0;
    fuzz::CheckGraph(molecule);
    fuzz::CheckWorkFileRoundTrip(molecule);
    return 0;
}
