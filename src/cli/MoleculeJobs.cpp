#include "cli/MoleculeJobs.h"

#include "cli/ParallelRunner.h"
#include "cli/TerminalProgress.h"
#include "numeric/Messages.h"
#include "numeric/NumberText.h"
#include "numeric/Reporter.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <set>
#include <thread>

namespace grafida::cli {

namespace {

// Collects the messages of a task (run in a child process) or of a file's scan.
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

std::vector<MoleculeInput> ExpandMoleculeFiles(const std::vector<std::string>& files, int& failed) {
    std::vector<MoleculeInput> inputs;
    // Record names are made unique among all molecules of the run; letter case does
    // not make two names different, as in the program's molecule list.
    std::set<std::string> taken;
    const auto key = [](std::string_view name) {
        std::string lower(name);
        for (char& c : lower)
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
        return lower;
    };
    for (const std::string& file : files) {
        const auto format = MoleculeFormatOfFile(file).value_or(MoleculeFormat::Hin);
        if (format == MoleculeFormat::Hin) {
            const std::string name = MoleculeNameOfFile(file);
            taken.insert(key(name));
            inputs.push_back({file, format, std::nullopt, name, file});
            continue;
        }
        std::vector<std::string> messages;
        CollectingReporter reporter(messages);
        ReporterScope scope(reporter);
        const size_t before = inputs.size();
        bool read = ScanMoleculeRecords(file, format, [&](const MoleculeRecord& record, std::string_view) {
            const std::string name =
                UniqueMoleculeName(RecordMoleculeName(record, file, format),
                                   [&](std::string_view n) { return taken.contains(key(n)); });
            taken.insert(key(name));
            inputs.push_back({file, format, record, name, file + " record " + std::to_string(record.number)});
            return true;
        });
        if (read && inputs.size() == before) {
            ReportEmptyMoleculeFile(file);
            read = false;
        }
        for (const auto& message : messages)
            std::fprintf(stderr, "grafida-cli: %s: %s\n", file.c_str(), message.c_str());
        if (!read)
            ++failed;
    }
    const bool anyRecord = std::any_of(inputs.begin(), inputs.end(),
                                       [](const MoleculeInput& input) { return input.record.has_value(); });
    if (anyRecord)
        PrepareRecordReading();
    return inputs;
}

namespace {

// The work file's round trip in memory: the text the program would write, read back.
std::optional<TMolecula> ThroughWorkFileText(const TMolecula& read) {
    const auto text = read.SaveToText();
    if (!text)
        return std::nullopt;
    TMolecula molecule;
    if (!molecule.LoadFromText(*text, read.Name() + ".TOP"))
        return std::nullopt;
    return molecule;
}

} // namespace

std::optional<TMolecula> ReadMolecule(const MoleculeInput& input, const MoleculeReadOptions& options) {
    if (!input.record)
        return ReadMolecule(input.file);
    const auto text = ReadRecordText(input.file, *input.record);
    if (!text && !input.record->tooLarge) {
        ShowError(messages::kCannotReadMoleculeFile, input.file);
        return std::nullopt;
    }
    const auto read = ReadMoleculeRecord(text.value_or(std::string()), input.format, *input.record,
                                         input.file, input.name, options);
    if (!read)
        return std::nullopt;
    return ThroughWorkFileText(*read);
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
    TMolecula read;
    if (!read.LoadFromHIN(hinFile))
        return std::nullopt;
    return ThroughWorkFileText(read);
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
