#pragma once
// Runs one task per input in child processes, at most `jobs` at a time, each with an
// optional time limit. A child that crashes or runs out of time fails alone; the
// others go on. Results come back in input order, so the output does not depend on
// the number of jobs.

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace grafida::cli {

struct TaskResult {
    bool ok = false;
    bool timedOut = false;
    std::string output;                // what the task produced (printed by the caller)
    std::vector<std::string> messages; // the task's error messages, in order
};

// What a task does in its child: fills output and messages, returns success.
using Task = std::function<bool(std::size_t index, std::string& output, std::vector<std::string>& messages)>;

struct RunOptions {
    int jobs = 1;
    std::optional<std::chrono::milliseconds> timeout;
    // Called in the parent, in input order, as soon as a result and all before it are in.
    std::function<void(std::size_t index, const TaskResult&)> onResult;
    // Called in the parent whenever a task finishes (any order), for progress.
    std::function<void()> onFinished;
};

void RunTasks(std::size_t count, const Task& task, const RunOptions& options);

} // namespace grafida::cli
