// grafida-cli indices: one CSV row of descriptors per molecule.
#include "cli/Commands.h"
#include "cli/MoleculeJobs.h"
#include "numeric/Error.h"
#include "workspace/MoleculeIndices.h"

#include <cstdio>

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

std::string Row(const MoleculeIndices& m) {
    std::string row = Field(m.molecule) + "," + std::to_string(m.vertices) + "," + std::to_string(m.edges);
    for (double value : {m.randic, m.wiener, m.combDistance, m.detour, m.combDetour, m.distance3d})
        row += "," + Number(value);
    for (double value : m.cluj)
        row += "," + Number(value);
    row += "," + Number(m.adEigMax) + "," + Number(m.adEigMin) + "\n";
    return row;
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
        [](const std::string& file, std::string& output) {
            const auto molecule = ReadMolecule(file);
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
