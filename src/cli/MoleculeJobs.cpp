#include "cli/MoleculeJobs.h"

#include "cli/ParallelRunner.h"
#include "cli/TerminalProgress.h"
#include "numeric/NumberText.h"
#include "numeric/Reporter.h"
#include "workspace/RunFolder.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <thread>

namespace grafida::cli {

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

BatchOptions ReadBatchOptions(const Arguments& arguments) {
    BatchOptions options;
    const unsigned cores = std::thread::hardware_concurrency();
    options.jobs = static_cast<int>(arguments.Integer("--jobs", cores ? cores : 1, 1, 1024));
    if (arguments.Has("--timeout"))
        options.timeoutSeconds = arguments.Number("--timeout", 0, 0.001, 1e7);
    options.quiet = arguments.Has("--quiet");
    return options;
}

namespace {

// Collects the messages of the task running in a child process.
class CollectingReporter final : public Reporter {
public:
    explicit CollectingReporter(std::vector<std::string>& messages) : messages_(messages) {}
    void Error(const std::string& text) override { messages_.push_back(text); }
    void Inform(const std::string& text) override { messages_.push_back(text); }
    Answer Ask(const std::string& text, Question kind) override {
        messages_.push_back(text);
        return kind == Question::YesNo ? Answer::No : Answer::Cancel;
    }

private:
    std::vector<std::string>& messages_;
};

} // namespace

int RunMoleculeTasks(const std::vector<std::string>& files, const BatchOptions& options,
                     const MoleculeTask& task,
                     const std::function<bool(std::size_t index, const std::string& output)>& accept) {
    // Removed on the way out, or by the next run of either program after a crash.
    RunFolder work(DefaultRunFolderBase());
    TerminalProgress progress(files.size(), !options.quiet && StderrIsTerminal());
    int status = 0;

    RunOptions run;
    run.jobs = options.jobs;
    if (options.timeoutSeconds)
        run.timeout = std::chrono::milliseconds(static_cast<long long>(*options.timeoutSeconds * 1000));
    run.onFinished = [&] { progress.Advance(); };
    run.onResult = [&](std::size_t index, const TaskResult& result) {
        const std::string& file = files[index];
        if (!result.ok || !result.messages.empty())
            progress.Clear();
        for (const auto& message : result.messages)
            std::fprintf(stderr, "grafida-cli: %s: %s\n", file.c_str(), message.c_str());
        if (result.timedOut) {
            std::fprintf(stderr, "grafida-cli: %s: molecule %s took longer than %s s and was skipped\n",
                         file.c_str(), MoleculeNameOfFile(file).c_str(),
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
        files.size(),
        [&](std::size_t index, std::string& output, std::vector<std::string>& messages) {
            CollectingReporter reporter(messages);
            ReporterScope scope(reporter);
            const std::string folder = work.Path() + "/" + std::to_string(index);
            std::filesystem::create_directory(folder);
            return task(files[index], folder, output);
        },
        run);
    return status;
}

} // namespace grafida::cli
