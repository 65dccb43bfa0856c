#pragma once
// What the molecule subcommands share: reading a molecule the way the program does
// (molecule file → work file → molecule, the work file kept in memory), and running
// one task per molecule with jobs, time limit, progress and error reporting. A .HIN
// file is one molecule; an SDF, MOL2 or SMILES file one molecule per record.

#include "cli/Arguments.h"
#include "molecule/Molecula.h"
#include "molecule/MoleculeFiles.h"
#include "workspace/MoleculeInputs.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace grafida::cli {

// The molecules of files, in order. A file of records that cannot be read has been
// named on stderr and counts in failed.
std::vector<MoleculeInput> ExpandMoleculeFiles(const std::vector<std::string>& files, int& failed);

// Reads one input and takes it through its work file's text and back, as the
// program does before every command (same text, same reader, coordinates come back
// with the file's digits), without a disk; the failing step has said why.
std::optional<TMolecula> ReadMolecule(const MoleculeInput& input, const MoleculeReadOptions& options = {});
std::optional<TMolecula> ReadMolecule(const std::string& hinFile);
// The same for a .HIN file through a work file written into workDir, as the program
// does it on disk.
std::optional<TMolecula> ReadMolecule(const std::string& hinFile, const std::string& workDir);

// The options every molecule subcommand takes.
struct BatchOptions {
    int jobs = 1;
    std::optional<double> timeoutSeconds;
    bool quiet = false;
    // --no-3d: SMILES are not embedded and no 3D distances are computed.
    bool no3d = false;
};
BatchOptions ReadBatchOptions(const Arguments& arguments);

// Work for one input: fills output (printed or written by the caller) and says
// whether it succeeded; its messages are collected through the reporter.
using MoleculeTask = std::function<bool(const MoleculeInput& input, std::string& output)>;

// Runs task over inputs; calls accept(index, output) in input order for each success.
// Failures are named on stderr with their messages. Returns the exit status (0 or 1).
int RunMoleculeTasks(const std::vector<MoleculeInput>& inputs, const BatchOptions& options,
                     const MoleculeTask& task,
                     const std::function<bool(std::size_t index, const std::string& output)>& accept);

} // namespace grafida::cli
