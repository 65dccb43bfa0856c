#include "cli/ParallelRunner.h"

#include "cli/WorkerProcess.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <deque>
#include <map>
#include <optional>
#include <poll.h>
#include <set>
#include <sys/wait.h>
#include <unistd.h>

namespace grafida::cli {

namespace {

using Clock = std::chrono::steady_clock;

// Small chunks keep the jobs balanced near the end of a run and bound what a dying
// worker takes with it; 32 tasks make the round trip per chunk negligible.
constexpr std::size_t kLargestChunk = 32;

// Results waiting for an earlier one are held at most this far ahead of the
// output, so memory stays flat however many inputs there are.
std::size_t ReorderWindow(int jobs) {
    return std::max<std::size_t>(1024, static_cast<std::size_t>(jobs) * kLargestChunk * 4);
}

// Signals a computation raises on itself: the task that was running caused them.
// Any other death (SIGKILL, SIGTERM, ...) came from outside the worker.
bool IsFaultOfTheTask(int signal) {
    switch (signal) {
    case SIGSEGV:
    case SIGBUS:
    case SIGFPE:
    case SIGILL:
    case SIGABRT:
    case SIGSYS:
    case SIGTRAP:
    case SIGXCPU:
    case SIGXFSZ:
        return true;
    default:
        return false;
    }
}

struct Slot {
    WorkerHandle worker;
    std::deque<std::size_t> chunk;                         // sent and not yet answered, in the order they run
    std::string received;                                  // bytes of a result frame still incomplete
    Clock::time_point deadline = Clock::time_point::max(); // of chunk.front()
};

class Scheduler {
public:
    Scheduler(std::size_t count, const Task& task, const RunOptions& options)
        : count_(count), task_(task), options_(options), jobs_(std::max(1, options.jobs)),
          window_(ReorderWindow(jobs_)) {}

    ~Scheduler() {
        // Left early (an exception): busy workers would finish their chunks for nothing.
        for (auto& slot : slots_) {
            if (!slot.chunk.empty())
                ::kill(slot.worker.pid, SIGKILL);
            Stop(slot);
        }
    }

    void Run() {
        while (delivered_ < count_) {
            Assign();
            Deliver();
            if (slots_.empty())
                continue;
            Wait();
            Deliver();
        }
    }

private:
    bool HasWork() const { return !retry_.empty() || next_ < std::min(count_, delivered_ + window_); }

    std::vector<std::size_t> NextChunk() {
        std::vector<std::size_t> chunk;
        while (!retry_.empty() && chunk.size() < kLargestChunk) {
            chunk.push_back(retry_.front());
            retry_.pop_front();
        }
        if (!chunk.empty())
            return chunk;
        const std::size_t limit = std::min(count_, delivered_ + window_);
        const std::size_t left = limit - next_;
        const std::size_t size =
            std::clamp<std::size_t>(left / (static_cast<std::size_t>(jobs_) * 4), 1, kLargestChunk);
        for (std::size_t k = 0; k < size && next_ < limit; ++k)
            chunk.push_back(next_++);
        return chunk;
    }

    // Gives every idle worker a chunk and starts workers up to the number of jobs
    // while there is work for them.
    void Assign() {
        for (auto& slot : slots_)
            if (slot.chunk.empty() && HasWork())
                Send(slot, NextChunk());
        while (static_cast<int>(slots_.size()) < jobs_ && HasWork()) {
            std::vector<int> inherited;
            for (const auto& slot : slots_)
                inherited.insert(inherited.end(), {slot.worker.toWorker, slot.worker.fromWorker});
            std::string failure;
            auto worker = StartWorker(task_, inherited, failure);
            if (!worker) {
                if (!slots_.empty())
                    return; // the running workers carry on
                // Without any worker nothing can run: fail the next task so the run ends.
                const std::vector<std::size_t> chunk = NextChunk();
                retry_.insert(retry_.begin(), chunk.begin() + 1, chunk.end());
                Finish(chunk.front(), TaskResult{false, false, "", {"cannot start: " + failure}});
                continue;
            }
            slots_.push_back(Slot{*worker, {}, {}, Clock::time_point::max()});
            Send(slots_.back(), NextChunk());
        }
    }

    void Send(Slot& slot, const std::vector<std::size_t>& chunk) {
        slot.chunk.assign(chunk.begin(), chunk.end());
        slot.deadline = Deadline();
        // A worker that cannot take the chunk has died; its end shows on the next poll.
        SendChunk(slot.worker, chunk);
    }

    Clock::time_point Deadline() const {
        return options_.timeout ? Clock::now() + *options_.timeout : Clock::time_point::max();
    }

    void Wait() {
        std::vector<pollfd> polls;
        for (const auto& slot : slots_)
            polls.push_back({slot.worker.fromWorker, POLLIN, 0});
        int wait = -1;
        const auto now = Clock::now();
        for (const auto& slot : slots_)
            if (!slot.chunk.empty() && slot.deadline != Clock::time_point::max()) {
                const auto left =
                    std::chrono::duration_cast<std::chrono::milliseconds>(slot.deadline - now).count() + 1;
                const int ms = static_cast<int>(std::clamp<long long>(left, 0, 1000));
                wait = wait < 0 ? ms : std::min(wait, ms);
            }
        if (::poll(polls.data(), polls.size(), wait) < 0 && errno != EINTR)
            throw std::runtime_error(std::string("waiting for the workers failed: ") + std::strerror(errno));

        for (std::size_t k = 0, s = 0; k < polls.size(); ++k) {
            Slot& slot = slots_[s];
            std::optional<End> end;
            if (polls[k].revents & (POLLIN | POLLHUP | POLLERR)) {
                char buffer[1 << 16];
                const ssize_t n = ::read(slot.worker.fromWorker, buffer, sizeof buffer);
                if (n > 0) {
                    slot.received.append(buffer, static_cast<std::size_t>(n));
                    if (!TakeResults(slot))
                        end = End::Garbled;
                } else if (n == 0 || errno != EINTR) {
                    end = End::Exited;
                }
            }
            if (!end && !slot.chunk.empty() && Clock::now() >= slot.deadline) {
                ::kill(slot.worker.pid, SIGKILL);
                end = End::OverTime;
            }
            if (end) {
                Retire(slot, *end);
            } else {
                ++s;
                continue;
            }
            slots_.erase(slots_.begin() + static_cast<std::ptrdiff_t>(s));
        }
    }

    // Takes the complete results the worker sent; false when it sent something that
    // is not its next task's result.
    bool TakeResults(Slot& slot) {
        std::vector<WorkerResult> results;
        const bool readable = TakeResultFrames(slot.received, results);
        for (auto& taken : results) {
            if (slot.chunk.empty() || taken.index != slot.chunk.front())
                return false;
            slot.chunk.pop_front();
            slot.deadline = Deadline();
            Finish(taken.index, std::move(taken.result));
        }
        return readable;
    }

    enum class End { Exited, OverTime, Garbled };

    // The worker has ended, was killed because its running task is over time, or
    // sent what is not a result. Whatever it answered before counts; the task it was
    // running fails alone (or is tried again when the worker was killed from
    // outside) and the rest of its chunk goes back to the queue.
    void Retire(Slot& slot, End end) {
        const bool overTime = end == End::OverTime;
        const std::size_t overTimeTask = overTime ? slot.chunk.front() : 0;
        if (end == End::Garbled)
            ::kill(slot.worker.pid, SIGKILL);
        else if (!Drain(slot))
            end = End::Garbled;
        const int status = Stop(slot);
        if (slot.chunk.empty())
            return;
        std::deque<std::size_t> unanswered;
        unanswered.swap(slot.chunk);
        const std::size_t running = unanswered.front();
        if (overTime && running != overTimeTask) {
            // The task over time finished just before the kill: the next one is not to blame.
            retry_.insert(retry_.begin(), unanswered.begin(), unanswered.end());
            return;
        }
        unanswered.pop_front();
        retry_.insert(retry_.begin(), unanswered.begin(), unanswered.end());

        if (overTime) {
            Finish(running, TaskResult{false, true, "", {}});
        } else if (end == End::Exited && WIFSIGNALED(status) && !IsFaultOfTheTask(WTERMSIG(status)) &&
                   triedAgain_.insert(running).second) {
            // Killed from outside: the task is not to blame, once.
            retry_.push_front(running);
        } else if (WIFSIGNALED(status) && end == End::Exited) {
            Finish(running,
                   TaskResult{
                       false, false, "", {std::string("stopped by signal ") + strsignal(WTERMSIG(status))}});
        } else {
            Finish(running, TaskResult{false, false, "", {"the computation ended without a result"}});
        }
    }

    // Reads what the ended worker still had in its pipe; false when it is not results.
    bool Drain(Slot& slot) {
        char buffer[1 << 16];
        for (;;) {
            const ssize_t n = ::read(slot.worker.fromWorker, buffer, sizeof buffer);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            slot.received.append(buffer, static_cast<std::size_t>(n));
        }
        return TakeResults(slot);
    }

    // Closes the parent's ends and reaps the worker; returns its wait status.
    static int Stop(Slot& slot) {
        if (slot.worker.pid < 0)
            return 0;
        ::close(slot.worker.toWorker);
        ::close(slot.worker.fromWorker);
        int status = 0;
        while (::waitpid(slot.worker.pid, &status, 0) < 0 && errno == EINTR) {
        }
        slot.worker.pid = -1;
        return status;
    }

    void Finish(std::size_t index, TaskResult result) {
        finished_.emplace(index, std::move(result));
        if (options_.onFinished)
            options_.onFinished();
    }

    void Deliver() {
        for (auto it = finished_.find(delivered_); it != finished_.end(); it = finished_.find(delivered_)) {
            if (options_.onResult)
                options_.onResult(delivered_, it->second);
            finished_.erase(it);
            ++delivered_;
        }
    }

    const std::size_t count_;
    const Task& task_;
    const RunOptions& options_;
    const int jobs_;
    const std::size_t window_;
    std::vector<Slot> slots_;
    std::deque<std::size_t> retry_;
    std::set<std::size_t> triedAgain_;
    std::map<std::size_t, TaskResult> finished_;
    std::size_t next_ = 0;
    std::size_t delivered_ = 0;
};

} // namespace

void RunTasks(std::size_t count, const Task& task, const RunOptions& options) {
    Scheduler scheduler(count, task, options);
    scheduler.Run();
}

} // namespace grafida::cli
