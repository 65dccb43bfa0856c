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
        std::string operator()(std::monostate) const { return {}; }
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
    const Arguments arguments(words, {"--jobs", "--timeout"}, {"--quiet", "--no-3d"});
    const BatchOptions batch = ReadBatchOptions(arguments);
    const std::vector<std::string>& files = arguments.Operands();
    if (files.empty())
        throw UsageError("indices needs at least one molecule file");

    std::string header;
    for (const char* column : MoleculeIndexColumns())
        header += header.empty() ? column : std::string(",") + column;
    std::printf("%s\n", header.c_str());
    std::fflush(stdout);

    int failed = 0;
    const std::vector<MoleculeInput> inputs = ExpandMoleculeFiles(files, failed);
    const MoleculeReadOptions read{.embed3D = !batch.no3d};
    const int status = RunMoleculeTasks(
        inputs, batch,
        [&](const MoleculeInput& input, const std::string& workDir, std::string& output) {
            const auto molecule = ReadMolecule(input, workDir, read);
            if (!molecule)
                return false;
            const auto indices = CalcMoleculeIndices(*molecule, !batch.no3d);
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
    return failed ? 1 : status;
}

} // namespace grafida::cli
