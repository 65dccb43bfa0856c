#pragma once
// The descriptor table for Python: the rows of the one index table the program and
// grafida-cli share, computed for molecules in memory or read from files, on
// threads, each molecule with an optional time limit.

#include "MoleculeSources.h"
#include "workspace/IndexTable.h"

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace grafida::python {

// A molecule already read, or one still in its file.
using IndexSource = std::variant<const TMolecula*, MoleculeInput>;

struct IndexBatch {
    std::vector<IndexColumn> columns;
    // One row per molecule that could be read and computed, in input order.
    std::vector<std::vector<IndexCell>> rows;
    // What was skipped or left empty, and why, naming the molecule.
    std::vector<std::string> warnings;
};

IndexBatch CalcIndexBatch(const std::vector<IndexSource>& sources, const IndexRequest& request, int jobs,
                          std::optional<double> timeoutSeconds);

} // namespace grafida::python
