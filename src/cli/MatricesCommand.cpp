// grafida-cli matrices: the basic matrices of each molecule as matrix text.
#include "cli/Commands.h"
#include "cli/MoleculeJobs.h"
#include "numeric/MatrixText.h"
#include "numeric/TextFile.h"
#include "topology/BasicMatrices.h"

#include <cstdio>
#include <filesystem>
#include <map>

namespace grafida::cli {

namespace {

BasicMatrixSelection ParseSelection(const std::optional<std::string>& only) {
    BasicMatrixSelection selection{};
    if (!only) {
        selection.fill(true);
        return selection;
    }
    const auto& codes = BasicMatrixCodes();
    std::size_t start = 0;
    while (start <= only->size()) {
        const std::size_t comma = std::min(only->find(',', start), only->size());
        const std::string code = only->substr(start, comma - start);
        bool known = false;
        for (int k = 0; k < kBasicMatrixCount; ++k)
            if (code == codes[static_cast<size_t>(k)]) {
                selection[static_cast<size_t>(k)] = true;
                known = true;
            }
        if (!known) {
            std::string list;
            for (const char* c : codes)
                list += list.empty() ? c : std::string(",") + c;
            throw UsageError("--only takes a comma list of " + list + ", not '" + code + "'");
        }
        start = comma + 1;
    }
    return selection;
}

std::string JoinLines(const std::vector<std::string>& lines, const char* end) {
    std::string text;
    for (const auto& line : lines)
        text.append(line).append(end);
    return text;
}

} // namespace

int RunMatrices(const std::vector<std::string>& words) {
    const Arguments arguments(words, {"--only", "--width", "--decimals", "--out", "--jobs", "--timeout"},
                              {"--formatted", "--quiet", "--no-3d"});
    BasicMatrixSelection selection = ParseSelection(arguments.Value("--only"));
    const auto width = static_cast<std::uint8_t>(arguments.Integer("--width", 4, 0, 255));
    const auto decimals = static_cast<std::uint8_t>(arguments.Integer("--decimals", 2, 0, 255));
    const bool formatted = arguments.Has("--formatted");
    const BatchOptions batch = ReadBatchOptions(arguments);
    if (batch.no3d)
        selection[static_cast<size_t>(BasicMatrix::Distance3D)] = false;
    const std::vector<std::string>& files = arguments.Operands();
    if (files.empty())
        throw UsageError("matrices needs at least one molecule file");

    const auto out = arguments.Value("--out");
    if (out) {
        std::error_code error;
        std::filesystem::create_directories(*out, error);
        if (!std::filesystem::is_directory(*out))
            throw UsageError("--out " + *out + " is not a folder that can be created");
    }
    int failed = 0;
    const std::vector<MoleculeInput> inputs = ExpandMoleculeFiles(files, failed);
    const MoleculeReadOptions read{.embed3D = !batch.no3d};
    // Two inputs of one molecule name would write the same output file.
    std::map<std::string, std::size_t> firstOfName;
    std::vector<bool> duplicate(inputs.size(), false);
    if (out)
        for (std::size_t i = 0; i < inputs.size(); ++i)
            if (!firstOfName.emplace(inputs[i].name, i).second)
                duplicate[i] = true;

    const char* lineEnd = out ? "\r\n" : "\n";
    auto task = [&](const MoleculeInput& input, std::string& output) {
        const auto molecule = ReadMolecule(input, read);
        if (!molecule)
            return false;
        const BasicMatrixResults results = CalcBasicMatrices(*molecule, selection);
        StringListTarget text;
        bool ok = true;
        for (int k = 0; k < kBasicMatrixCount; ++k) {
            if (!selection[static_cast<size_t>(k)])
                continue;
            const auto& matrix = results[static_cast<size_t>(k)];
            if (!matrix) {
                ok = false;
                continue;
            }
            if (formatted)
                PrintFormatted(*matrix, text, width, decimals);
            else
                PrintPlain(*matrix, text, width, decimals);
        }
        output = JoinLines(text.lines, lineEnd);
        return ok;
    };
    std::vector<MoleculeInput> runnable;
    int status = failed ? 1 : 0;
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        if (duplicate[i]) {
            std::fprintf(stderr, "grafida-cli: %s: molecule %s was already read from %s; skipped\n",
                         inputs[i].label.c_str(), inputs[i].name.c_str(),
                         inputs[firstOfName[inputs[i].name]].label.c_str());
            status = 1;
            continue;
        }
        runnable.push_back(inputs[i]);
    }
    const int runStatus =
        RunMoleculeTasks(runnable, batch, task, [&](std::size_t index, const std::string& text) {
            if (!out) {
                std::fwrite(text.data(), 1, text.size(), stdout);
                return true;
            }
            const std::string target = *out + "/" + runnable[index].name + ".M";
            if (WriteFileAtomically(target, text))
                return true;
            std::fprintf(stderr, "grafida-cli: %s: cannot write %s\n", runnable[index].label.c_str(),
                         target.c_str());
            return false;
        });
    std::fflush(stdout);
    return status ? status : runStatus;
}

} // namespace grafida::cli
