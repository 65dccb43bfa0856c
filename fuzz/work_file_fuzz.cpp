// The work-file reader over any bytes; a molecule it accepts is written back and
// read again unchanged in its graph.

#include "FuzzSupport.h"
#include "WorkFileRoundTrip.h"
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
    const int n = molecule.VertexCount();
    for (const TBond& bond : molecule.Bonds)
        if (bond.A1 < 1 || bond.A1 > n || bond.A2 < 1 || bond.A2 > n)
            std::abort();
    for (const TAtom& atom : molecule.Atoms)
        for (const std::int32_t neighbour : atom.Neighbours().Values())
            if (neighbour < 1 || neighbour > n)
                std::abort();

    fuzz::CheckWorkFileRoundTrip(molecule);
    return 0;
}
