#pragma once
// The W matrix and Walk operator commands over matrices of the matrix list.

#include "numeric/TextTarget.h"
#include "workspace/CommandResult.h"

#include <cstdint>
#include <string>
#include <vector>

namespace grafida {

class Workspace;

// The lines the W matrix dialog offers properties from, one per loaded molecule:
// the name, then each property name of its property file, each followed by ","
// (benzene,MASS,SGI,).
std::vector<std::string> WMatrixPropertyLines(const Workspace& workspace);

// What the W matrix dialog returns.
struct WMatrixChoices {
    std::string matrix;
    // Properties of the matrix's molecule, in order; none for a vector of ones.
    std::vector<std::string> properties;
    std::uint16_t steps = 0;
    bool keep = false;
};

// One W matrix per chosen property (or one over a vector of ones), each printed in
// the plain layout and followed by "Diagonal elements sum = ...". A property the
// molecule's property file lacks, or a W matrix that cannot be made, ends the
// command; what was printed before stays.
CommandResult RunWMatrix(Workspace& workspace, const WMatrixChoices& choices, TextTarget& target);

// What the Walk operator dialog returns: M1, M2, M3 in order.
struct WalkOperatorChoices {
    std::vector<std::string> matrices;
    bool keep = false;
};

// Entry (i, j): the walk count of i in M1 of length M2(i, j), times M3(i, j). When the
// sizes differ the window stays, empty.
CommandResult RunWalkOperator(Workspace& workspace, const WalkOperatorChoices& choices, TextTarget& target);

} // namespace grafida
