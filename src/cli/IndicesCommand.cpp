// grafida-cli indices: one CSV row of descriptors per molecule.
#include "cli/Commands.h"
#include "cli/MoleculeJobs.h"
#include "numeric/Error.h"
#include "workspace/MoleculeIndices.h"

#include <cstdio>
#include <variant>

namespace grafida::cli {

namespace {

// Enough digits to read the same number back.
std::string Number(double value) {
    return FormatC("%.10g", value);
}

// A CSV field; quoted when it holds a comma, a quote or a line break.
std::string Field(const std::string& text) {
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

std::string Cell(const Descriptor& descriptor) {
    struct {
        std::string operator()(const std::string& text) const { return Field(text); }
        std::string operator()(int count) const { return std::to_string(count); }
        std::string operator()(double value) const { return Number(value); }
    } format;
    return std::visit(format, descriptor.value);
}

std::string Row(const MoleculeIndices& m) {
    std::string row;
    const char* separator = "";
    for (const Descriptor& descriptor : DescriptorTable(m)) {
        row += separator + Cell(descriptor);
        separator = ",";
    }
    return row + "\n";
}

} // namespace

int RunIndices(const std::vector<std::string>& words) {
    const Arguments arguments(words, {"--jobs", "--timeout"}, {"--quiet"});
    const BatchOptions batch = ReadBatchOptions(arguments);
    const std::vector<std::string>& files = arguments.Operands();
    if (files.empty())
        throw UsageError("indices needs at least one .hin file");

    std::string header;
    for (const char* column : MoleculeIndexColumns())
        header += header.empty() ? column : std::string(",") + column;
    std::printf("%s\n", header.c_str());
    std::fflush(stdout);

    const int status = RunMoleculeTasks(
        files, batch,
        [](const std::string& file, const std::string& workDir, std::string& output) {
            const auto molecule = ReadMolecule(file, workDir);
            if (!molecule)
                return false;
            const auto indices = CalcMoleculeIndices(*molecule);
            if (!indices)
                return false;
            output = Row(*indices);
            return true;
        },
        [](std::size_t, const std::string& row) {
            std::fwrite(row.data(), 1, row.size(), stdout);
            return true;
        });
    std::fflush(stdout);
    return status;
}

} // namespace grafida::cli
