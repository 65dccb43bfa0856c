#pragma once
// The commands that turn one or two stored matrices into a new one: the
// combinatorial matrix, sum, difference, Cramer and Hadamard products, reciprocal.
// Each prints its result into one window captioned with the result's name + ".M"
// and keeps it on request.

#include "numeric/TextTarget.h"
#include "workspace/CommandResult.h"

#include <string>
#include <vector>

namespace grafida {

class Workspace;

// What a one-matrix dialog returns: the chosen matrix and its keep box.
struct OneMatrixChoices {
    std::string matrix;
    bool keep = false;
};

// What a two-matrix dialog returns: the two ticked names in the order the dialog
// showed them (the first is the left operand) and its keep box.
struct TwoMatrixChoices {
    std::vector<std::string> matrices;
    bool keep = false;
};

enum class TwoMatrixOperation { Sum, Difference, CramerProduct, HadamardProduct };

// m·(m + 1)/2 of every entry.
CommandResult RunCombinatorialMatrix(Workspace& workspace, const OneMatrixChoices& choices,
                                     TextTarget& target);

// The operation on a copy of the first matrix with the second. Operands that do not
// fit ("Error objects must be of the same range but are %d %d") are reported;
// nothing is printed or kept and the window is to be discarded.
CommandResult RunTwoMatrixOperation(Workspace& workspace, TwoMatrixOperation operation,
                                    const TwoMatrixChoices& choices, TextTarget& target);

// Every nonzero entry becomes its reciprocal.
CommandResult RunReciprocal(Workspace& workspace, const OneMatrixChoices& choices, TextTarget& target);

} // namespace grafida
