#pragma once
// Where the module's molecules come from: files of every format the program reads,
// expanded into one input per molecule exactly as grafida-cli does (same names, same
// reading through the work file's text), and single SMILES.

#include "molecule/Molecula.h"
#include "molecule/MoleculeFiles.h"
#include "workspace/MoleculeInputs.h"

#include <optional>
#include <string>
#include <vector>

namespace grafida::python {

// The molecules of files, in order; record names made unique across all files one
// expander was given, as grafida-cli makes them unique within a run.
class FileExpander {
public:
    // Raises Failure with the reader's message for a file of records that cannot be
    // read or holds no molecule.
    std::vector<MoleculeInput> Expand(const std::string& path);

private:
    MoleculeFileExpander expander_;
};

std::vector<MoleculeInput> ExpandFiles(const std::vector<std::string>& paths);

// What a molecule keeps of its reading.
enum class Keep {
    // Only what the work file holds: the molecule grafida-cli computes with.
    WorkFile,
    // The atom properties too ("atomic mass"), which the program keeps in a
    // property file beside the work file.
    Properties,
};

// One input read as grafida-cli reads it (through the work file's text); nothing
// after reporting why.
std::optional<TMolecula> ReadInput(const MoleculeInput& input, const MoleculeReadOptions& options, Keep keep);

// The molecule of one SMILES, named name, else by the title after a blank, else
// after the SMILES itself; nothing after reporting why.
std::optional<TMolecula> ReadSmiles(const std::string& smiles, const std::string& name,
                                    const MoleculeReadOptions& options, Keep keep);

} // namespace grafida::python
