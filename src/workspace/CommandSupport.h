#pragma once
// Small steps the commands share: finding the chosen matrices, printing by the
// user's layout setting, reading a molecule's property file.

#include "molecule/Molecula.h"
#include "numeric/Arrays.h"
#include "numeric/TextTarget.h"
#include "workspace/Settings.h"
#include "workspace/Workspace.h"

#include <string>
#include <string_view>
#include <vector>

namespace grafida {

// The stored matrix of that name; nullptr after telling the user when it is gone
// (a name from a dialog is normally always there).
const TFLOATARRAY* FindChosenMatrix(const Workspace& workspace, std::string_view name);

// The formatted layout when the "Print formated display" preference is on, the plain
// one otherwise, with the settings' width and decimals.
void PrintBySettings(const TFLOATARRAY& matrix, const Settings& settings, TextTarget& target);

// The molecule a matrix name belongs to: its text before the first underscore (the
// whole name when it has none).
std::string MoleculeOfMatrix(std::string_view matrixName);

// The properties in the property file of the molecule named molecule; none when the
// file is missing or unreadable (the reader has said why).
TAtomProperties ReadMoleculeProperties(const Workspace& workspace, std::string_view molecule);

// One catalogue line per molecule for the property dialogs: the molecule's name, the
// fixed items, then the names of its stored properties, each followed by a comma.
std::vector<std::string> PropertyCatalogueLines(const Workspace& workspace,
                                                const std::vector<std::string>& fixedItems);

} // namespace grafida
