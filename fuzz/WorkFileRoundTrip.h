#pragma once
// The program keeps every molecule it opens in a work file and reads it back for
// each command: whatever a reader accepts must come back from that file unchanged.

#include "FuzzSupport.h"
#include "molecule/Molecula.h"

#include <cstdlib>
#include <string>

namespace grafida::fuzz {

// Aborts (a finding) when the molecule's graph does not survive the work file. A
// molecule the writer refuses (a bond of no known type) has nothing to compare.
inline void CheckWorkFileRoundTrip(const TMolecula& molecule) {
    const std::string path = ScratchFolder() + "/round-trip.TOP";
    if (!molecule.SaveToFile(path))
        return;
    TMolecula again;
    const int n = molecule.VertexCount();
    if (!again.LoadFromFile(path) || again.VertexCount() != n || !(again.Bonds == molecule.Bonds))
        std::abort();
    for (int v = 0; v < n; ++v) {
        const TAtom& before = molecule.Atoms[v];
        const TAtom& after = again.Atoms[v];
        if (!(after.Element() == before.Element()) || after.AtomType() != before.AtomType() ||
            after.HydrogenCount() != before.HydrogenCount() ||
            after.Neighbours().Values() != before.Neighbours().Values())
            std::abort();
    }
}

} // namespace grafida::fuzz
