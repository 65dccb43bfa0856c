// grafida-cli: GRAFIDA's computations for batch work, without a display.
#include "cli/Arguments.h"
#include "cli/Commands.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

const char* kUsage = R"(Usage: grafida-cli COMMAND [OPTIONS] FILE...

Commands:
  matrices [--only CODES] [--width W] [--decimals D] [--formatted] [--out DIR] FILE...
      The basic matrices of each molecule (AD, CON, DI, D3D, DE, CjDi, CjDe,
      CFDi, CFDe; --only takes a comma list of these codes) as matrix text, to
      standard output or, with --out, to DIR/<molecule>.M. Width and decimals
      default to 4 and 2; --formatted adds the row, column and total sums.
  eigen [--width W] [--decimals D] [--iterations N] [--error E] [--formatted] FILE.M [NAME...]
      Eigenvalues and eigenvectors of the named matrices of an .M file (all
      square ones by default), as the Eigenvalues command prints them.
  indices [--indices LIST] FILE...
      One CSV row per molecule: vertices, edges, Randic index, Wiener index,
      half sums of the combinatorial distance, detour, combinatorial detour and
      3D distance matrices, the Cluj indices IP and IE, and the extreme
      eigenvalues of the adjacency matrix.
      --indices LIST  these columns instead (comma-separated names, after
                 molecule, vertices and edges), e.g. wiener,randic,ad_poly;
                 the names are listed in the README. An index that cannot
                 be computed for a molecule leaves its cell empty and says
                 why on standard error.

Options of matrices and indices:
  --jobs N       molecules computed in parallel (default: the number of cores)
  --timeout S    skip a molecule that takes longer than S seconds
  --quiet        no progress bar (it is drawn only when standard error is a terminal)
  --no-3d        no 3D embedding of SMILES and no 3D distances (D3D left out,
                 the distance3d column left empty)

Molecule files: .hin (one molecule), .sdf, .mol, .mol2, .smi and .smiles (one
molecule per record; a record that cannot be read is named and counts as a
failed input). Any other file is read as .hin.

  --help         this text
  --version      the program's version

Exit status: 0 all went well, 1 some input failed (named on standard error; the
others are still processed), 2 usage error.
)";

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> words(argv + 1, argv + argc);
    if (words.empty()) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const std::string command = words.front();
    words.erase(words.begin());
    if (command == "--help" || command == "-h" || command == "help") {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (command == "--version") {
        std::printf("grafida-cli %s\n", GRAFIDA_VERSION);
        return 0;
    }
    for (const auto& word : words)
        if (word == "--help" || word == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        }
    try {
        if (command == "matrices")
            return grafida::cli::RunMatrices(words);
        if (command == "eigen")
            return grafida::cli::RunEigen(words);
        if (command == "indices")
            return grafida::cli::RunIndices(words);
        throw grafida::cli::UsageError("unknown command '" + command + "'");
    } catch (const grafida::cli::UsageError& error) {
        std::fprintf(stderr, "grafida-cli: %s\nTry 'grafida-cli --help'.\n", error.what());
        return 2;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "grafida-cli: %s\n", error.what());
        return 1;
    }
}
