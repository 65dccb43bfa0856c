#pragma once
// The walk options: three lists of matrix names for the walk-type indices, and the
// names that the saved matrix files of all loaded molecules have in common.

#include <string>
#include <string_view>
#include <vector>

namespace grafida {

class Workspace;

// The short names of the nine basic matrices, the walk options' first base list.
const std::vector<std::string>& WalkBaseMatrixNames();

// "begin walk matrices", M1, ",", M2, ",", M3, "end walk matrices", one line each.
std::vector<std::string> WalkOptionsBlock(const std::vector<std::string>& m1,
                                          const std::vector<std::string>& m2,
                                          const std::vector<std::string>& m3);

// The candidate names of a matrix file's text: the line after each line holding
// "$Single", from its first underscore on, without the basic names; sorted without
// regard to case, without duplicates.
std::vector<std::string> SingleMatrixNames(std::string_view text);

// The names every loaded molecule's WorkDir/<molecule>.M file offers, sorted, after
// telling the user how many were found (or that no molecule is loaded).
std::vector<std::string> CommonSavedMatrixNames(const Workspace& workspace);

} // namespace grafida
