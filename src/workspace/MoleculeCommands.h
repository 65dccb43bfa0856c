#pragma once
// The commands that work on every loaded molecule, read back from its work file:
// Basic matrices and Properties.

#include "workspace/CommandResult.h"

#include <vector>

namespace grafida {

class Workspace;

// What the Basic matrices dialog returns: the checked states of its nine matrix
// items in their fixed order ("Adjacency" ... "ClujF-Detour"; missing ones are
// unchecked) and "Keep matrices".
struct BasicMatricesChoices {
    std::vector<bool> matrices;
    bool keep = false;
};

struct BasicMatricesResult {
    bool failed = false;
    std::vector<std::string> printed;
    std::vector<std::string> kept;
};

// For each molecule in store order: a window captioned name + ".M", into which every
// chosen matrix is printed in the fixed order (by the layout setting) and, with Keep,
// kept. Distance, Detour and the Cluj matrices take their inputs from the matrix
// list, which includes what this run kept before them. Missing inputs end the
// command after "%s need %s"; the windows opened until then stay, even an empty one.
// Every molecule is processed, even one whose name happens to contain the name of a
// stored matrix: skipping it silently would lose a result the user asked for.
BasicMatricesResult RunBasicMatrices(Workspace& workspace, const BasicMatricesChoices& choices,
                                     TextWindows& windows);

// What the Properties dialog returns.
struct PropertiesChoices {
    bool sgi = false;
    bool charges = false;
    bool groupMass = false;
};

// For each molecule: the chosen properties, written to its property file; the
// charges also give the matrix name + "_CH", kept in the matrix list. The first
// failure ends the command; the molecules before it are done.
CommandResult RunProperties(Workspace& workspace, const PropertiesChoices& choices);

} // namespace grafida
