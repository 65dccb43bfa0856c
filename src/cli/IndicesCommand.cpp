// grafida-cli indices: one CSV row of indices per molecule, through the index table
// the program's Indices command uses, so both write the same columns and numbers.
#include "cli/Commands.h"
#include "cli/MoleculeJobs.h"
#include "numeric/Error.h"
#include "workspace/IndexTable.h"

#include <cstdio>

namespace grafida::cli {

namespace {

std::vector<std::string> SplitList(const std::string& list) {
    std::vector<std::string> names;
    size_t start = 0;
    while (start <= list.size()) {
        size_t end = list.find(',', start);
        if (end == std::string::npos)
            end = list.size();
        std::string name = list.substr(start, end - start);
        while (!name.empty() && name.front() == ' ')
            name.erase(0, 1);
        while (!name.empty() && name.back() == ' ')
            name.pop_back();
        if (!name.empty())
            names.push_back(name);
        start = end + 1;
    }
    return names;
}

// The task's output: the CSV line, then one line per note.
std::string RowAndNotes(const IndexRow& row) {
    std::string output = IndexCsvLine(row.cells) + "\n";
    for (const std::string& note : row.notes)
        output += note + "\n";
    return output;
}

} // namespace

int RunIndices(const std::vector<std::string>& words) {
    const Arguments arguments(words, {"--jobs", "--timeout", "--indices"}, {"--quiet", "--no-3d"});
    const BatchOptions batch = ReadBatchOptions(arguments);
    const std::vector<std::string>& files = arguments.Operands();

    IndexRequest request;
    request.with3D = !batch.no3d;
    if (const auto list = arguments.Value("--indices")) {
        request.names = SplitList(*list);
        if (request.names.empty())
            throw UsageError("--indices needs at least one index name");
    }
    std::vector<IndexColumn> columns;
    try {
        columns = IndexColumns(request);
    } catch (const GrafidaError& error) {
        throw UsageError(error.what());
    }
    if (files.empty())
        throw UsageError("indices needs at least one molecule file");

    std::printf("%s\n", IndexCsvHeader(columns).c_str());
    std::fflush(stdout);

    int failed = 0;
    const std::vector<MoleculeInput> inputs = ExpandMoleculeFiles(files, failed);
    const MoleculeReadOptions read{.embed3D = !batch.no3d};
    const int status = RunMoleculeTasks(
        inputs, batch,
        [&](const MoleculeInput& input, std::string& output) {
            const auto molecule = ReadMolecule(input, read);
            if (!molecule)
                return false;
            output = RowAndNotes(CalcIndexRow(*molecule, request));
            return true;
        },
        [](std::size_t, const std::string& output) {
            const size_t rowEnd = output.find('\n') + 1;
            std::fwrite(output.data(), 1, rowEnd, stdout);
            size_t start = rowEnd;
            while (start < output.size()) {
                const size_t end = output.find('\n', start);
                std::fprintf(stderr, "grafida-cli: %s\n", output.substr(start, end - start).c_str());
                start = end + 1;
            }
            return true;
        });
    std::fflush(stdout);
    return failed ? 1 : status;
}

} // namespace grafida::cli
