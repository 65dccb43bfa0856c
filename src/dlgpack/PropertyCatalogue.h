#pragma once
// The property catalogue that the W matrix and layer matrix dialogs receive: one entry per
// molecule, "name,property,...,property," (every item followed by a comma). A matrix named
// benzene_AD belongs to the molecule benzene, so its properties are those of entry "benzene,...".

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace grafida {

// The molecule part of a matrix name: its text before the first "_"; none without "_".
std::optional<std::string_view> MatrixMoleculeKey(std::string_view matrixName);

// The property names of one catalogue entry, after its key, in entry order. Empty items are
// skipped; a last item without its comma is still taken.
std::vector<std::string> EntryProperties(std::string_view entry);

enum class MatchingEntry { First, Last };

// The properties of the entry whose key equals the molecule part of matrixName exactly
// (letter case counts); which decides between several such entries. None when nothing matches.
std::optional<std::vector<std::string>> FindMatrixProperties(const std::vector<std::string>& catalogue,
                                                             std::string_view matrixName,
                                                             MatchingEntry which);

} // namespace grafida
