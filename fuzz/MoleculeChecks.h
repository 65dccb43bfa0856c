#pragma once
// What every molecule a reader accepts must be: a graph whose edges join existing,
// distinct vertices, and one that comes back unchanged from the work file the
// program keeps it in between commands.

#include "FuzzSupport.h"
#include "molecule/Molecula.h"

#include <cstdlib>
#include <string>

namespace grafida::fuzz {

// Aborts (a finding) when a bond or neighbour entry names no vertex, or a vertex itself.
inline void CheckGraph(const TMolecula& molecule) {
    const int n = molecule.VertexCount();
    for (const TBond& bond : molecule.Bonds)
        if (bond.A1 < 1 || bond.A1 > n || bond.A2 < 1 || bond.A2 > n || bond.A1 == bond.A2)
            std::abort();
    for (int v = 0; v < n; ++v)
        for (const std::int32_t neighbour : molecule.Atoms[v].Neighbours().Values())
            if (neighbour < 1 || neighbour > n || neighbour == v + 1)
                std::abort();
}

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
