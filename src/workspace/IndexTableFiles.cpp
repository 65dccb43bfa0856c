#include "workspace/IndexTableFiles.h"

#include "numeric/Error.h"
#include "numeric/MatrixText.h"
#include "numeric/Messages.h"
#include "numeric/Reporter.h"
#include "workspace/TextDocuments.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <variant>

namespace grafida {

namespace {

inline constexpr std::uint8_t kMatrixWidth = 4;
inline constexpr std::uint8_t kMatrixDecimals = 10;

std::optional<double> NumberIn(const IndexCell& cell) {
    if (const auto* count = std::get_if<int>(&cell))
        return *count;
    if (const auto* value = std::get_if<double>(&cell))
        return *value;
    return std::nullopt;
}

std::string RowName(const IndexTable& table, size_t row) {
    const auto& cells = table.rows[row];
    if (!cells.empty())
        if (const auto* name = std::get_if<std::string>(&cells.front()))
            return *name;
    return std::to_string(row + 1);
}

std::string Listed(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names)
        text += (text.empty() ? "" : ", ") + name;
    return text;
}

} // namespace

std::vector<size_t> NumericIndexColumns(const IndexTable& table) {
    std::vector<size_t> numeric;
    for (size_t column = 0; column < table.columns.size(); ++column) {
        const bool text = std::any_of(table.rows.begin(), table.rows.end(), [column](const auto& row) {
            return column >= row.size() || std::holds_alternative<std::string>(row[column]);
        });
        if (!text)
            numeric.push_back(column);
    }
    return numeric;
}

std::unique_ptr<TFLOATARRAY> IndexTableMatrix(const IndexTable& table, std::vector<std::string>& leftOut) {
    const auto columns = NumericIndexColumns(table);
    std::vector<std::vector<double>> rows;
    for (size_t row = 0; row < table.rows.size(); ++row) {
        std::vector<double> values;
        for (size_t column : columns)
            if (const auto number = NumberIn(table.rows[row][column]))
                values.push_back(*number);
        if (values.size() == columns.size())
            rows.push_back(std::move(values));
        else
            leftOut.push_back(RowName(table, row));
    }
    auto matrix = std::make_unique<TFLOATARRAY>(kIndexMatrixName, rows);
    return matrix;
}

bool IsMatrixFilePath(const std::string& path) {
    return path.size() >= 2 && path[path.size() - 2] == '.' &&
           std::toupper(static_cast<unsigned char>(path.back())) == 'M';
}

bool SaveIndexTable(const IndexTable& table, const std::string& path) {
    if (!IsMatrixFilePath(path))
        return WriteTextFile(path, IndexTableCsv(table));
    std::vector<std::string> leftOut;
    const auto matrix = IndexTableMatrix(table, leftOut);
    if (matrix->Rows() == 0 || matrix->Cols() == 0) {
        ShowError(messages::kNoCompleteIndexRow, path);
        return false;
    }
    StringListTarget text;
    PrintPlain(*matrix, text, kMatrixWidth, kMatrixDecimals);
    if (!WriteTextFile(path, JoinLinesCrLf(text.lines)))
        return false;
    if (!leftOut.empty())
        ShowInformation(messages::kIndexRowsLeftOut, Listed(leftOut), path);
    return true;
}

std::string IndexTableRowsTabSeparated(const IndexTable& table, const std::vector<size_t>& rows) {
    IndexTable chosen;
    chosen.columns = table.columns;
    if (rows.empty()) {
        chosen.rows = table.rows;
    } else {
        for (size_t row : rows)
            chosen.rows.push_back(table.rows.at(row));
    }
    return IndexTableTabSeparated(chosen);
}

IndexPlotPoints PlotPoints(const IndexTable& table, size_t x, size_t y) {
    IndexPlotPoints points;
    for (size_t row = 0; row < table.rows.size(); ++row) {
        const auto& cells = table.rows[row];
        const auto xValue = x < cells.size() ? NumberIn(cells[x]) : std::nullopt;
        const auto yValue = y < cells.size() ? NumberIn(cells[y]) : std::nullopt;
        if (xValue && yValue) {
            points.names.push_back(RowName(table, row));
            points.x.push_back(*xValue);
            points.y.push_back(*yValue);
        } else {
            points.leftOut.push_back(RowName(table, row));
        }
    }
    return points;
}

std::pair<size_t, size_t> DefaultPlotColumns(const IndexTable& table) {
    const auto numeric = NumericIndexColumns(table);
    if (numeric.empty())
        return {0, 0};
    std::vector<size_t> varying;
    for (size_t column : numeric) {
        std::optional<double> first;
        bool differs = false;
        for (const auto& row : table.rows)
            if (const auto number = NumberIn(row[column])) {
                differs = differs || (first && *first != *number);
                first = first ? first : number;
            }
        if (differs)
            varying.push_back(column);
    }
    const auto& chosen = varying.size() >= 2 ? varying : numeric;
    return {chosen[0], chosen[std::min<size_t>(1, chosen.size() - 1)]};
}

std::string PlotLeftOutNote(const std::vector<std::string>& leftOut) {
    return leftOut.empty() ? std::string() : FormatMessage(messages::kPlotLeftOut, Listed(leftOut));
}

std::string IndexTableCaption(int openTables) {
    return FormatC("Indices%d", openTables + 1);
}

std::string IndexPlotCaption(const IndexTable& table, size_t x, size_t y) {
    return table.columns.at(y).title + " against " + table.columns.at(x).title;
}

} // namespace grafida
