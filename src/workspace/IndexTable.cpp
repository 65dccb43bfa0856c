#include "workspace/IndexTable.h"

#include "numeric/Error.h"
#include "numeric/Progress.h"
#include "workspace/MoleculeIndices.h"
#include "workspace/Workspace.h"

namespace grafida {

// First version: the default columns only; the index definitions follow.

IndexRequest IndexRequestFromFlags(const std::vector<bool>&, const std::vector<int>& numbers,
                                   const std::vector<std::string>& lines) {
    IndexRequest request;
    if (!numbers.empty())
        request.elongation = numbers.front();
    request.walkLines = lines;
    return request;
}

std::string IndexUnavailableReason(int) {
    return {};
}

std::vector<IndexColumn> IndexColumns(const IndexRequest&) {
    std::vector<IndexColumn> columns;
    for (const char* name : MoleculeIndexColumns())
        columns.push_back({name, name, {}});
    return columns;
}

IndexRow CalcIndexRow(const TMolecula& molecule, const IndexRequest& request) {
    IndexRow row;
    const auto indices = CalcMoleculeIndices(molecule, request.with3D);
    if (!indices) {
        row.cells.resize(IndexColumns(request).size());
        row.cells.front() = molecule.Name();
        row.notes.push_back(molecule.Name() + ": the indices could not be computed");
        return row;
    }
    for (const Descriptor& descriptor : DescriptorTable(*indices))
        row.cells.push_back(descriptor.value);
    return row;
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
            row.notes.push_back(name + ": its work file could not be read");
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
        std::string operator()(double value) const { return FormatC("%.10g", value); }
    } format;
    return std::visit(format, cell);
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

std::string Joined(const IndexTable& table, const char* separator, bool quote) {
    std::string text;
    const char* between = "";
    for (const IndexColumn& column : table.columns) {
        text += between + (quote ? CsvField(column.name) : column.name);
        between = separator;
    }
    text += "\r\n";
    for (const auto& row : table.rows) {
        between = "";
        for (const IndexCell& cell : row) {
            const std::string field = FormatIndexCell(cell);
            text += between + (quote ? CsvField(field) : field);
            between = separator;
        }
        text += "\r\n";
    }
    return text;
}

} // namespace

std::string IndexTableCsv(const IndexTable& table) {
    return Joined(table, ",", true);
}

std::string IndexTableTabSeparated(const IndexTable& table) {
    return Joined(table, "\t", false);
}

} // namespace grafida
