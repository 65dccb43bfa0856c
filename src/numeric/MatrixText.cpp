#include "numeric/MatrixText.h"

#include "numeric/Messages.h"
#include "numeric/NumberText.h"
#include "numeric/Progress.h"
#include "numeric/Reporter.h"
#include "numeric/TextFile.h"

#include <memory>

namespace grafida {

namespace {

void AddHeader(const TFLOATARRAY& matrix, TextTarget& target) {
    target.AddLine(kMatrixMarker);
    target.AddLine(matrix.Name());
    target.AddLine(std::to_string(matrix.Rows()) + " " + std::to_string(matrix.Cols()));
}

std::string RowLine(const TFLOATARRAY& matrix, std::uint32_t i, int width, int decimals) {
    std::string line;
    line.reserve(static_cast<size_t>(matrix.Cols()) * static_cast<size_t>(width + 1));
    if (matrix.Cols() == 0)
        return line;
    const double* row = matrix.RowData(i);
    for (std::uint32_t j = 0; j < matrix.Cols(); ++j) {
        AppendFixed(line, row[j], width, decimals);
        line += ' ';
    }
    return line;
}

// "  %-*.*f"
void AppendSpaced(std::string& line, double value, int width, int decimals) {
    line += "  ";
    AppendFixed(line, value, width, decimals);
}

} // namespace

void PrintPlain(const TFLOATARRAY& matrix, TextTarget& target, std::uint8_t width, std::uint8_t decimals) {
    AddHeader(matrix, target);
    for (std::uint32_t i = 1; i <= matrix.Rows(); ++i) {
        target.AddLine(RowLine(matrix, i, width, decimals));
        ProcessPendingEvents();
    }
}

void PrintFormatted(const TFLOATARRAY& matrix, TextTarget& target, std::span<const TFLOATVEC* const> perRow,
                    std::span<const TFLOATVEC* const> trailing, std::uint8_t width, std::uint8_t decimals) {
    AddHeader(matrix, target);
    for (std::uint32_t i = 1; i <= matrix.Rows(); ++i) {
        std::string line = RowLine(matrix, i, width, decimals);
        AppendSpaced(line, matrix.RowSum(i), width, decimals);
        for (const TFLOATVEC* vector : perRow)
            AppendSpaced(line, vector->Get(i), width, decimals);
        target.AddLine(std::move(line));
    }
    target.AddLine("");
    std::string columns;
    for (std::uint32_t j = 1; j <= matrix.Cols(); ++j) {
        AppendFixed(columns, matrix.ColSum(j), width, decimals);
        columns += ' ';
    }
    const double total = matrix.TotalSum();
    AppendSpaced(columns, total, width, decimals);
    for (const TFLOATVEC* vector : perRow) {
        columns += " " + vector->Name() + " = ";
        AppendFixed(columns, vector->Sum(), width, decimals);
    }
    target.AddLine(std::move(columns));
    target.AddLine("");
    for (const TFLOATVEC* vector : trailing) {
        std::string line = vector->Name() + " = " + vector->ToText(width, decimals);
        AppendSpaced(line, vector->Sum(), width, decimals);
        target.AddLine(std::move(line));
    }
    target.AddLine("SUM = " + FormatFixed(total, width, decimals));
    target.AddLine("1/2SUM = " + FormatFixed(total / 2, width, decimals));
}

bool SaveToFile(const TFLOATARRAY& matrix, const std::string& fileName, std::uint8_t width,
                std::uint8_t decimals) {
    StringListTarget text;
    PrintFormatted(matrix, text, width, decimals);
    return WriteFileAtomically(fileName, JoinLinesCrLf(text.lines));
}

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view NextToken(std::string_view& rest) {
    size_t start = 0;
    while (start < rest.size() && IsBlank(rest[start]))
        ++start;
    size_t end = start;
    while (end < rest.size() && !IsBlank(rest[end]))
        ++end;
    const std::string_view token = rest.substr(start, end - start);
    rest.remove_prefix(end);
    return token;
}

// One block after its marker line; nullptr (and the cursor where it failed) when malformed.
// textSize is the length of the whole text, which bounds what a block may claim.
std::unique_ptr<TFLOATARRAY> ReadBlock(const std::vector<std::string_view>& lines, size_t textSize,
                                       size_t& next) {
    if (next >= lines.size())
        return nullptr;
    const std::string_view name = lines[next++];
    if (next >= lines.size())
        return nullptr;
    std::string_view sizes = lines[next++];
    const auto rows = ParseInteger(NextToken(sizes));
    const auto cols = ParseInteger(NextToken(sizes));
    if (!rows || !cols || *rows < 0 || *cols < 0 || *rows > UINT32_MAX || *cols > UINT32_MAX)
        return nullptr;
    // Every row must be present in the file before it is stored, so memory grows with
    // the file's content, never with what the size line claims.
    if (static_cast<std::uint64_t>(*rows) > lines.size() - next)
        return nullptr;
    if (*rows > 0 && *cols > 0 && *rows > kMaxCells / *cols)
        return nullptr;
    // A block without rows holds no cells that back its column count; it may not
    // claim more columns than the file has characters, or printing it (a sum per
    // column) would take time and memory far beyond the file.
    if (static_cast<std::uint64_t>(*cols) > textSize)
        return nullptr;
    std::vector<double> cells;
    for (std::int64_t i = 0; i < *rows; ++i) {
        std::string_view rest = lines[next++];
        for (std::int64_t j = 0; j < *cols; ++j) {
            const auto value = ParseNumber(NextToken(rest));
            if (!value)
                return nullptr;
            cells.push_back(*value);
        }
    }
    auto matrix = std::make_unique<TFLOATARRAY>(*rows, *cols);
    matrix->SetName(std::string(name));
    size_t cell = 0;
    for (std::int64_t i = 1; i <= *rows; ++i)
        for (std::int64_t j = 1; j <= *cols; ++j)
            matrix->Put(i, j, cells[cell++]);
    return matrix;
}

} // namespace

void LoadMatricesFromText(std::string_view text, const std::string& fileName, TContainer& list) {
    const std::vector<std::string_view> lines = SplitLines(text);
    size_t next = 0;
    while (next < lines.size()) {
        if (lines[next++].find(kMatrixMarker) == std::string_view::npos)
            continue;
        auto matrix = ReadBlock(lines, text.size(), next);
        if (!matrix) {
            ShowError(messages::kCannotReadMatrix, fileName);
            return;
        }
        list.Add(std::move(matrix));
    }
}

int LoadMatrices(const std::string& fileName, TContainer& list) {
    const FileContent file = ReadWholeFile(fileName);
    if (file.status == ReadStatus::Missing)
        return -1;
    if (file.status == ReadStatus::Unreadable) {
        ShowError(messages::kCannotReadMatrix, fileName);
        return 0;
    }
    LoadMatricesFromText(file.bytes, fileName, list);
    return 0;
}

} // namespace grafida
