#pragma once
// Runs the core's computations for Python on threads of their own while the
// interpreter goes on: the calling thread gives up the GIL and only watches for
// Ctrl+C, which stops every computation through the core's cancellation seam. Each
// task has its own reporter (its messages are collected) and its own progress sink
// (which stops it at its deadline).

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace grafida::python {

struct TaskOutcome {
    bool ok = false;
    bool timedOut = false;
    // The task's messages, in order, as the core reported them.
    std::vector<std::string> messages;
};

// Runs task(0) .. task(count - 1) on `jobs` threads; a task returns whether it
// succeeded. timeoutSeconds limits each task. Called with the GIL held; a pending
// KeyboardInterrupt stops the tasks and is raised (pybind11::error_already_set)
// once they have ended.
std::vector<TaskOutcome> RunTasks(std::size_t count, int jobs, std::optional<double> timeoutSeconds,
                                  const std::function<bool(std::size_t)>& task);

// One task on a thread of its own; raises grafida.Error with its messages when it fails.
void RunOne(const std::function<bool()>& task);

// The messages of a failed task as one text.
std::string JoinedMessages(const std::vector<std::string>& messages);

} // namespace grafida::python
