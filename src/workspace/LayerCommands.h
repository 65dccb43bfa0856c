#pragma once
// The Layer matrix and Shell matrix commands: a matrix of the matrix list split by
// the topological distances of its molecule, with the C and X indices beside each
// row, the layer sums below, and on request the roots of the layer polynomial.

#include "numeric/Arrays.h"
#include "numeric/TextTarget.h"
#include "workspace/CommandResult.h"

#include <optional>
#include <string>
#include <vector>

namespace grafida {

class Workspace;

// The items the Layer dialog offers for every molecule before its own properties.
inline constexpr const char* kRowSumItem = "Row sum";
inline constexpr const char* kColSumItem = "Col sum";
inline constexpr const char* kDiagonalItem = "Diagonal entries";

// The vector one of the three items above takes from the matrix m, and the name the
// layer matrix of it gets (m's name + "_RS", "_CS", "_DEl"); nothing for any other item,
// which names a property of the molecule.
struct DerivedLayerProperty {
    TFLOATVEC values;
    std::string name;
};
std::optional<DerivedLayerProperty> DerivedLayerPropertyOf(const TFLOATARRAY& m, const std::string& item);

// Column 1 of the Shell command's matrix: m's own diagonal, unless it sums to 0 (then ones).
TFLOATVEC ShellFirstColumn(const TFLOATARRAY& m);

// One line per loaded molecule: the name, "Row sum", "Col sum", "Diagonal entries",
// then the names of its property file, each followed by ","
// (BENZ,Row sum,Col sum,Diagonal entries,MASS,).
std::vector<std::string> LayerPropertyLines(const Workspace& workspace);

// The Layer dialog's option flags by position.
enum LayerOption { kLayerKeep = 0, kLayerXIndex = 1, kLayerCIndex = 2, kLayerPolynomial = 3 };

struct LayerMatrixChoices {
    std::string matrix;
    // The ticked items in the dialog's order: the three above or property names;
    // none for unit weights.
    std::vector<std::string> items;
    std::vector<bool> options; // by LayerOption; missing flags are clear
};

// One layer matrix per item, printed in the formatted layout whatever the setting.
// The window is untitled when items were ticked, else named after the layer matrix.
CommandResult RunLayerMatrix(Workspace& workspace, const LayerMatrixChoices& choices, TextTarget& target);

// The Shell dialog's option flags by position (C and X swap places with the Layer dialog's).
enum ShellOption { kShellKeep = 0, kShellCIndex = 1, kShellXIndex = 2, kShellPolynomial = 3 };

struct ShellMatrixChoices {
    std::string matrix;
    std::vector<bool> options; // by ShellOption; missing flags are clear
};

// The shell matrix of the chosen matrix, printed in the formatted layout into an
// untitled window; every failure leaves no window.
CommandResult RunShellMatrix(Workspace& workspace, const ShellMatrixChoices& choices, TextTarget& target);

} // namespace grafida
