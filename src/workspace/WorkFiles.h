#pragma once
// The molecule work files: WorkDir/<name>.TOP, one per loaded molecule.

#include <string>
#include <string_view>

namespace grafida {

inline constexpr std::string_view kWorkFileExtension = ".TOP";
inline constexpr std::string_view kPropertyFileExtension = ".prp";

// The work file of the molecule named name in folder workDir.
std::string MoleculeWorkFilePath(std::string_view workDir, std::string_view name);

// The vertex property file of the molecule named name in folder workDir; unlike
// the work files, property files stay when the program ends.
std::string MoleculePropertyFilePath(std::string_view workDir, std::string_view name);

// Deletes every file in workDir whose name ends in ".TOP" (exactly these
// capitals: the program writes no other spelling, and "x.top" may belong to
// someone else), whoever wrote it. Folders are left alone; a file that cannot
// be deleted is skipped. Returns how many files were deleted.
int DeleteMoleculeFiles(const std::string& workDir);

} // namespace grafida
