#include "workspace/IndexTable.h"

#include "numeric/Error.h"
#include "numeric/Messages.h"
#include "numeric/NumberText.h"
#include "numeric/Progress.h"
#include "workspace/IndexCatalogue.h"
#include "workspace/IndexValues.h"
#include "workspace/Workspace.h"

namespace grafida {

IndexRequest IndexRequestFromFlags(const std::vector<bool>& flags, const std::vector<int>& numbers,
                                   const std::vector<std::string>& lines) {
    IndexRequest request;
    if (!numbers.empty())
        request.elongation = numbers.front();
    request.walkLines = lines;
    // Never empty: an empty list asks for the default columns.
    request.names = {"vertices", "edges"};
    for (size_t flag = 0; flag < flags.size(); ++flag)
        if (flags[flag])
            for (std::string& name : IndexNamesOfFlag(static_cast<int>(flag), lines))
                request.names.push_back(std::move(name));
    return request;
}

std::vector<IndexColumn> IndexColumns(const IndexRequest& request) {
    std::vector<IndexColumn> columns = {{"molecule", "Molecule", "The molecule's name"}};
    for (CataloguedIndex& index : CatalogueIndices(request))
        columns.push_back(std::move(index.column));
    return columns;
}

IndexRow CalcIndexRow(const TMolecula& molecule, const IndexRequest& request) {
    return CalcCataloguedRow(molecule, CatalogueIndices(request), request.with3D);
}

IndexTable CalcIndexTable(Workspace& workspace, const IndexRequest& request) {
    IndexTable table;
    table.columns = IndexColumns(request);
    ProgressGuard progress(workspace.molecules.Count());
    for (const std::string& name : workspace.molecules.Names()) {
        TMolecula molecule;
        IndexRow row;
        if (molecule.LoadFromFile(workspace.WorkFilePath(name))) {
            row = CalcIndexRow(molecule, request);
        } else {
            row.cells.resize(table.columns.size());
            row.cells.front() = name;
            row.notes.push_back(FormatMessage(messages::kIndexWorkFileUnreadable, name));
        }
        table.rows.push_back(std::move(row.cells));
        table.notes.insert(table.notes.end(), row.notes.begin(), row.notes.end());
        progress.Step();
    }
    return table;
}

std::string FormatIndexCell(const IndexCell& cell) {
    struct {
        std::string operator()(std::monostate) const { return {}; }
        std::string operator()(const std::string& text) const { return text; }
        std::string operator()(int count) const { return std::to_string(count); }
        std::string operator()(double value) const { return FormatShortest(value); }
    } format;
    return std::visit(format, cell);
}

std::string ShownIndexCell(const IndexCell& cell) {
    if (const double* value = std::get_if<double>(&cell))
        return FormatC("%.10g", *value);
    return FormatIndexCell(cell);
}

namespace {

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

// A field of tab-separated text: a tab or line break inside it would split the
// spreadsheet's cell, so it becomes a blank.
std::string TabField(std::string text) {
    for (char& c : text)
        if (c == '\t' || c == '\r' || c == '\n')
            c = ' ';
    return text;
}

std::string Joined(const std::vector<std::string>& fields, const char* separator, bool quote) {
    std::string text;
    const char* between = "";
    for (const std::string& field : fields) {
        text += between + (quote ? CsvField(field) : TabField(field));
        between = separator;
    }
    return text;
}

std::vector<std::string> ColumnNames(const std::vector<IndexColumn>& columns) {
    std::vector<std::string> names;
    for (const IndexColumn& column : columns)
        names.push_back(column.name);
    return names;
}

std::vector<std::string> CellTexts(const std::vector<IndexCell>& cells) {
    std::vector<std::string> texts;
    for (const IndexCell& cell : cells)
        texts.push_back(FormatIndexCell(cell));
    return texts;
}

std::string Joined(const IndexTable& table, const char* separator, bool quote) {
    std::string text = Joined(ColumnNames(table.columns), separator, quote) + "\r\n";
    for (const auto& row : table.rows)
        text += Joined(CellTexts(row), separator, quote) + "\r\n";
    return text;
}

} // namespace

std::string IndexCsvHeader(const std::vector<IndexColumn>& columns) {
    return Joined(ColumnNames(columns), ",", true);
}

std::string IndexCsvLine(const std::vector<IndexCell>& cells) {
    return Joined(CellTexts(cells), ",", true);
}

std::string IndexTableCsv(const IndexTable& table) {
    return Joined(table, ",", true);
}

std::string IndexTableTabSeparated(const IndexTable& table) {
    return Joined(table, "\t", false);
}

} // namespace grafida
