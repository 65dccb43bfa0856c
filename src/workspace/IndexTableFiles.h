#pragma once
// What the program does with a computed index table besides showing it: which columns
// hold numbers, the table as CSV, as a matrix file and as clipboard text, the points
// of a plot of one index against another, and the captions of their windows.

#include "numeric/Arrays.h"
#include "workspace/IndexTable.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace grafida {

// The name of the matrix that holds a table's numbers in a matrix file.
inline constexpr const char* kIndexMatrixName = "IndexTable";

// The columns whose cells are numbers (none holds text), in table order.
std::vector<size_t> NumericIndexColumns(const IndexTable& table);

// The numeric block: one row per molecule that has every numeric cell, in table
// order, one column per numeric column. leftOut receives the names of the molecules
// left out for an empty cell: a matrix has no place for a missing number.
std::unique_ptr<TFLOATARRAY> IndexTableMatrix(const IndexTable& table, std::vector<std::string>& leftOut);

// Whether a file chosen for saving a table is a matrix file (extension .M, any case).
bool IsMatrixFilePath(const std::string& path);

// Writes the table to path: a matrix file (the numeric block with ten decimals, the
// molecules left out named to the user) when IsMatrixFilePath, CSV otherwise. False
// after telling the user; an existing file is then untouched.
bool SaveIndexTable(const IndexTable& table, const std::string& path);

// Tab-separated text of the header and the given rows, in the given order (all rows
// when rows is empty), for pasting into a spreadsheet.
std::string IndexTableRowsTabSeparated(const IndexTable& table, const std::vector<size_t>& rows);

// The molecules of a plot of column y against column x: those with both cells filled,
// in table order, and the names of those left out.
struct IndexPlotPoints {
    std::vector<std::string> names;
    std::vector<double> x;
    std::vector<double> y;
    std::vector<std::string> leftOut;
};
IndexPlotPoints PlotPoints(const IndexTable& table, size_t x, size_t y);

// The columns a new plot shows across and up: the first two numeric columns whose
// numbers differ between molecules (a column that is the same for all makes a dull
// axis), else the first two numeric ones; the same column twice when there is one.
std::pair<size_t, size_t> DefaultPlotColumns(const IndexTable& table);

// The line under a plot that names the molecules left out; empty when none was.
std::string PlotLeftOutNote(const std::vector<std::string>& leftOut);

// The caption of a new table window, when openTables table windows are open.
std::string IndexTableCaption(int openTables);
// The caption of a plot of column y against column x.
std::string IndexPlotCaption(const IndexTable& table, size_t x, size_t y);

} // namespace grafida
