#pragma once
// The molecules of batch work (grafida-cli, the Python module): files of every format
// the program reads, one input per molecule, and each input read the way the program
// reads a molecule before every command (molecule file → work file's text → molecule).
// A .HIN file is one molecule; an SDF, MOL2 or SMILES file one molecule per record.

#include "molecule/Molecula.h"
#include "molecule/MoleculeFiles.h"

#include <optional>
#include <set>
#include <string>
#include <vector>

namespace grafida {

// One molecule to work on: a .HIN file (any file of another extension is read as
// one too), or one record of a file of records.
struct MoleculeInput {
    std::string file;
    MoleculeFormat format = MoleculeFormat::Hin;
    std::optional<MoleculeRecord> record;
    // The molecule's name: a .HIN file's own; a record's made unique within the batch.
    std::string name;
    // How messages name the input: the file, with the record's number for a record.
    std::string label;
};

// Expands files one after the other; record names are made unique across every file
// one expander was given, and letter case does not make two names different, as in
// the program's molecule list.
class MoleculeFileExpander {
public:
    // Appends the molecules of path to inputs, in order. False when a file of records
    // cannot be read or holds no molecule; messages receives what the reader said
    // (also warnings of a file that was read).
    bool Expand(const std::string& path, std::vector<MoleculeInput>& inputs,
                std::vector<std::string>& messages);

private:
    std::set<std::string> taken_;
    bool recordsPrepared_ = false;
};

// The work file's round trip in memory: the text the program would write, read back
// (same text, same reader, coordinates come back with the file's digits). With
// keepProperties the atom properties ("atomic mass"), which the program keeps in a
// property file beside the work file, come along.
std::optional<TMolecula> ThroughWorkFileText(const TMolecula& read, bool keepProperties = false);

// Reads one input and takes it through its work file's text; nothing after the
// failing step has said why.
std::optional<TMolecula> ReadMoleculeInput(const MoleculeInput& input,
                                           const MoleculeReadOptions& options = {},
                                           bool keepProperties = false);

} // namespace grafida
