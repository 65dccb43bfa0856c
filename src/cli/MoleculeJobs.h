#pragma once
// What the molecule subcommands share: the private work folder, reading a molecule
// the way the program does (HIN file → work file → molecule), and running one task
// per input file with jobs, time limit, progress and error reporting.

#include "cli/Arguments.h"
#include "molecule/Molecula.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace grafida::cli {

// Reads a .HIN file, writes its work file into workDir and reads that back, as the
// program does before every command; the failing step has said why.
std::optional<TMolecula> ReadMolecule(const std::string& hinFile, const std::string& workDir);

// The options every molecule subcommand takes.
struct BatchOptions {
    int jobs = 1;
    std::optional<double> timeoutSeconds;
    bool quiet = false;
};
BatchOptions ReadBatchOptions(const Arguments& arguments);

// Work for one input: fills output (printed or written by the caller) and says
// whether it succeeded; its messages are collected through the reporter.
using MoleculeTask =
    std::function<bool(const std::string& file, const std::string& workDir, std::string& output)>;

// Runs task over files; calls accept(index, output) in input order for each success.
// Failures are named on stderr with their messages. Returns the exit status (0 or 1).
int RunMoleculeTasks(const std::vector<std::string>& files, const BatchOptions& options,
                     const MoleculeTask& task,
                     const std::function<bool(std::size_t index, const std::string& output)>& accept);

} // namespace grafida::cli
