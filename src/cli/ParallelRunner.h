#pragma once
// Runs one task per input in `jobs` long-lived worker processes that take the tasks
// in chunks, each task with an optional time limit. A task that crashes its worker
// or runs out of time fails alone: the worker is replaced and the rest of its chunk
// runs elsewhere. A worker killed from outside costs nothing: its unfinished tasks
// run again (a task whose worker is killed twice fails). Results come back in input
// order, at most a bounded window ahead, so the output does not depend on the
// number of jobs and memory does not grow with the number of tasks.

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

// What a task does in its worker: fills output and messages, returns success.
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
