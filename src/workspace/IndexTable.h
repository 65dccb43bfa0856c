#pragma once
// The table of topological indices: one row per molecule, one column per index. The
// one place that says which columns an index request gives and how each cell is
// computed and written, for the program's Indices command, grafida-cli indices and
// the Python module alike.

#include "molecule/Molecula.h"

#include <string>
#include <variant>
#include <vector>

namespace grafida {

class Workspace;

// One column: its name (the CSV header, the name --indices and Python take), the
// title shown over it in the program and what the number is (and its units).
struct IndexColumn {
    std::string name;
    std::string title;
    std::string description;
};

// None (the index could not be computed for that molecule: see the row's notes),
// the molecule's name, a count or a value.
using IndexCell = std::variant<std::monostate, std::string, int, double>;

// What to compute. names empty: the default columns of grafida-cli indices.
struct IndexRequest {
    std::vector<std::string> names;
    // The Razinger elongation, as the index selection dialog returns it.
    int elongation = 0;
    // The walk option blocks of the index selection dialog ("begin walk matrices" ...).
    std::vector<std::string> walkLines;
    // False leaves every index that needs coordinates empty.
    bool with3D = true;
};

// The request the index selection dialog's choices make: its 24 flags, the numbers
// (the elongation) and the lines (walk option blocks) it returned.
IndexRequest IndexRequestFromFlags(const std::vector<bool>& flags, const std::vector<int>& numbers,
                                   const std::vector<std::string>& lines);

// Why the index of selection flag k (0..23) cannot be computed, for the hint of its
// disabled item in the selection dialog; empty when it can.
std::string IndexUnavailableReason(int flag);

// The columns a request gives, in table order ("molecule" first). Raises an Error
// naming the first unknown index name.
std::vector<IndexColumn> IndexColumns(const IndexRequest& request);

// One molecule's cells, in the order of IndexColumns(request). A cell that cannot be
// computed stays empty and notes says why, one line each, naming the molecule.
struct IndexRow {
    std::vector<IndexCell> cells;
    std::vector<std::string> notes;
};
IndexRow CalcIndexRow(const TMolecula& molecule, const IndexRequest& request);

struct IndexTable {
    std::vector<IndexColumn> columns;
    std::vector<std::vector<IndexCell>> rows;
    // Why cells are empty, in row order.
    std::vector<std::string> notes;
};

// The Indices command: every loaded molecule, in list order, read back from its work
// file. Progress and cancellation go through the progress seam; a molecule whose work
// file cannot be read gets a row of empty cells and a note. Raises the Error of
// IndexColumns, before computing anything, for a name it cannot take.
IndexTable CalcIndexTable(Workspace& workspace, const IndexRequest& request);

// A cell as written in CSV and shown in the program: empty, the text, the count, or
// the value in the shortest text that reads back as the same number; "." whatever
// the locale.
std::string FormatIndexCell(const IndexCell& cell);

// A cell as the program's table window shows it: values with ten significant digits
// ("%.10g"), so that a solver's last-bit noise (1.9999999999999996) reads as the 2 it
// is; the files, the clipboard and the cell's tooltip keep every digit.
std::string ShownIndexCell(const IndexCell& cell);

// The table as CSV (header line, then one line per row; CR LF line ends), as
// tab-separated text for the clipboard.
std::string IndexTableCsv(const IndexTable& table);
// One line of that CSV without its line end: the header, or a row (for writers
// that stream rows as they come, like grafida-cli).
std::string IndexCsvHeader(const std::vector<IndexColumn>& columns);
std::string IndexCsvLine(const std::vector<IndexCell>& cells);
std::string IndexTableTabSeparated(const IndexTable& table);

} // namespace grafida
