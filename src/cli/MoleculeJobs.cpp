#include "cli/MoleculeJobs.h"

#include "cli/ParallelRunner.h"
#include "cli/TerminalProgress.h"
#include "numeric/CollectingReporter.h"
#include "numeric/Messages.h"
#include "numeric/NumberText.h"
#include "numeric/Reporter.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <thread>

namespace grafida::cli {

std::vector<MoleculeInput> ExpandMoleculeFiles(const std::vector<std::string>& files, int& failed) {
    std::vector<MoleculeInput> inputs;
    MoleculeFileExpander expander;
    for (const std::string& file : files) {
        std::vector<std::string> messages;
        const bool read = expander.Expand(file, inputs, messages);
        for (const auto& message : messages)
            std::fprintf(stderr, "grafida-cli: %s: %s\n", file.c_str(), message.c_str());
        if (!read)
            ++failed;
    }
    return inputs;
}

std::optional<TMolecula> ReadMolecule(const MoleculeInput& input, const MoleculeReadOptions& options) {
    return ReadMoleculeInput(input, options);
}

std::optional<TMolecula> ReadMolecule(const std::string& hinFile, const std::string& workDir) {
    TMolecula read;
    if (!read.LoadFromHIN(hinFile))
        return std::nullopt;
    const std::string workFile = workDir + "/" + read.Name() + ".TOP";
    if (!read.SaveToFile(workFile))
        return std::nullopt;
    TMolecula molecule;
    if (!molecule.LoadFromFile(workFile))
        return std::nullopt;
    return molecule;
}

std::optional<TMolecula> ReadMolecule(const std::string& hinFile) {
    return ReadMoleculeInput(MoleculeInput{.file = hinFile});
}

BatchOptions ReadBatchOptions(const Arguments& arguments) {
    BatchOptions options;
    const unsigned cores = std::thread::hardware_concurrency();
    options.jobs = static_cast<int>(arguments.Integer("--jobs", cores ? cores : 1, 1, 1024));
    if (arguments.Has("--timeout"))
        options.timeoutSeconds = arguments.Number("--timeout", 0, 0.001, 1e7);
    options.quiet = arguments.Has("--quiet");
    options.no3d = arguments.Has("--no-3d");
    return options;
}

int RunMoleculeTasks(const std::vector<MoleculeInput>& inputs, const BatchOptions& options,
                     const MoleculeTask& task,
                     const std::function<bool(std::size_t index, const std::string& output)>& accept) {
    TerminalProgress progress(inputs.size(), !options.quiet && StderrIsTerminal());
    int status = 0;

    RunOptions run;
    run.jobs = options.jobs;
    if (options.timeoutSeconds)
        run.timeout = std::chrono::milliseconds(static_cast<long long>(*options.timeoutSeconds * 1000));
    run.onFinished = [&] { progress.Advance(); };
    run.onResult = [&](std::size_t index, const TaskResult& result) {
        const std::string& file = inputs[index].label;
        if (!result.ok || !result.messages.empty())
            progress.Clear();
        for (const auto& message : result.messages)
            std::fprintf(stderr, "grafida-cli: %s: %s\n", file.c_str(), message.c_str());
        if (result.timedOut) {
            std::fprintf(stderr, "grafida-cli: %s: molecule %s took longer than %s s and was skipped\n",
                         file.c_str(), inputs[index].name.c_str(),
                         FormatC("%g", *options.timeoutSeconds).c_str());
        }
        if (!result.ok) {
            if (!result.timedOut && result.messages.empty())
                std::fprintf(stderr, "grafida-cli: %s: failed\n", file.c_str());
            status = 1;
        } else if (!accept(index, result.output)) {
            status = 1;
        }
    };
    RunTasks(
        inputs.size(),
        [&](std::size_t index, std::string& output, std::vector<std::string>& messages) {
            CollectingReporter reporter(messages);
            ReporterScope scope(reporter);
            return task(inputs[index], output);
        },
        run);
    return status;
}

} // namespace grafida::cli
