#pragma once
// A long-lived worker process of the batch runner, and the messages it exchanges
// with the parent over two pipes. The parent sends chunks of task indices; the
// worker answers with one result frame per task, as soon as that task is done, so
// the parent always knows which task of a chunk is running.

#include "cli/ParallelRunner.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace grafida::cli {

// One finished task as the worker reports it.
struct WorkerResult {
    std::size_t index = 0;
    TaskResult result;
};

// The result frame of a finished task: length, index, status, messages, output.
std::string EncodeResultFrame(std::size_t index, const TaskResult& result);

// Takes every complete result frame from the front of bytes and leaves the rest (an
// incomplete frame) in place. Returns false when the bytes are not frames at all.
bool TakeResultFrames(std::string& bytes, std::vector<WorkerResult>& results);

// The parent's end of a running worker.
struct WorkerHandle {
    pid_t pid = -1;
    int toWorker = -1;   // chunks of indices go here
    int fromWorker = -1; // result frames come from here
};

// Forks a worker that runs task over every chunk it is sent until its input closes.
// The worker first closes the inherited descriptors in otherFds (the parent's ends of
// the other workers' pipes), so that closing them in the parent ends those workers.
// Gives the reason when the worker cannot be started.
std::optional<WorkerHandle> StartWorker(const Task& task, const std::vector<int>& otherFds,
                                        std::string& failure);

// Sends a chunk of indices; false when the worker is gone. SIGPIPE is held back so
// that a dead worker does not end the parent.
bool SendChunk(const WorkerHandle& worker, const std::vector<std::size_t>& indices);

} // namespace grafida::cli
