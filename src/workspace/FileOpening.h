#pragma once
// Opening molecule files (.HIN, and .sdf, .mol, .mol2, .smi, .smiles with one
// molecule per record) and matrix (.M) files into the stores, from the Open
// dialog, a drop on the main window or the program's command line.

#include "workspace/Workspace.h"

#include <cstdint>
#include <string>
#include <vector>

namespace grafida {

enum class FileKind { Molecules, Matrices, Mixed };
enum class LoadOrigin { Open, Drop };

// Files larger than this are refused with the reader's message before a byte is
// read: no .HIN or matrix file comes near it, and reading it whole would only
// exhaust memory. Files of records are read a record at a time and have no limit.
inline constexpr std::uintmax_t kMaxInputFileBytes = std::uintmax_t{256} << 20;

// Molecules when every file is a molecule file of any format (IsMoleculeFile),
// Matrices when every extension is ".M" (letter case ignored), else (and for no
// files) Mixed.
FileKind ClassifyFiles(const std::vector<std::string>& paths);

// Reads the files into the stores. Molecules: each file is read and written to
// its work file; the molecules that made it are listed, in order, unless listed
// already (a .HIN file's molecule keeps its name; each record of another file gets
// a name no listed molecule has, and a bad record is named and skipped). Matrices: every matrix read is kept
// unless its name is taken; on Open
// "%d matrices loaded" tells how many were added. Mixed: the message, nothing read.
// A file that is no regular file or is too large gets its reader's message and is
// skipped; the others are still read.
FileKind LoadFiles(Workspace& workspace, const std::vector<std::string>& paths, LoadOrigin origin);

// The Open command before its dialog shows: with ClearPrevious both stores are emptied.
void PrepareOpen(Workspace& workspace);
// The Open command once the dialog gave paths: WorkDir becomes the first file's
// folder, then LoadFiles; a mixed choice also empties the molecule list.
FileKind OpenFiles(Workspace& workspace, const std::vector<std::string>& paths);
// A drop (or the command line): only existing files are kept, folders and missing
// paths dropped silently; with ClearPrevious both stores are emptied; then, if a
// file is left, WorkDir becomes its folder and LoadFiles runs. False when no file was left.
bool DropFiles(Workspace& workspace, const std::vector<std::string>& paths);

// The folder of path, without a trailing separator.
std::string FolderOfFile(const std::string& path);

} // namespace grafida
