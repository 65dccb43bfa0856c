#include "TaskThreads.h"

#include "Errors.h"
#include "numeric/CollectingReporter.h"
#include "numeric/Progress.h"
#include "numeric/Reporter.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <pybind11/pybind11.h>
#include <thread>

namespace py = pybind11;

namespace grafida::python {

namespace {

using Clock = std::chrono::steady_clock;

// How often the waiting thread looks for Ctrl+C.
constexpr auto kSignalInterval = std::chrono::milliseconds(50);

// Stops its task when all tasks are to stop or its own time is up.
class TaskProgress final : public ProgressSink {
public:
    TaskProgress(const std::atomic<bool>& stop, std::optional<Clock::time_point> deadline)
        : stop_(stop), deadline_(deadline) {}
    void Start(std::int64_t) override {}
    void Step() override {}
    void Done() override {}
    bool CancelRequested() override {
        if (stop_.load(std::memory_order_relaxed))
            return true;
        if (deadline_ && Clock::now() >= *deadline_)
            timedOut_ = true;
        return timedOut_;
    }
    bool TimedOut() const { return timedOut_; }

private:
    const std::atomic<bool>& stop_;
    std::optional<Clock::time_point> deadline_;
    bool timedOut_ = false;
};

TaskOutcome RunGuarded(const std::function<bool(std::size_t)>& task, std::size_t index,
                       const std::atomic<bool>& stop, std::optional<Clock::duration> timeout) {
    TaskOutcome outcome;
    CollectingReporter reporter(outcome.messages);
    ReporterScope reporterScope(reporter);
    TaskProgress progress(stop, timeout ? std::optional(Clock::now() + *timeout) : std::nullopt);
    ProgressSinkScope progressScope(progress);
    try {
        outcome.ok = task(index);
    } catch (const ComputationCancelled&) {
        outcome.timedOut = progress.TimedOut();
    } catch (const std::bad_alloc&) {
        outcome.messages.emplace_back("not enough memory");
    } catch (const std::exception& error) {
        outcome.messages.emplace_back(error.what());
    } catch (...) {
        outcome.messages.emplace_back("unexpected failure");
    }
    return outcome;
}

} // namespace

std::vector<TaskOutcome> RunTasks(std::size_t count, int jobs, std::optional<double> timeoutSeconds,
                                  const std::function<bool(std::size_t)>& task) {
    std::vector<TaskOutcome> outcomes(count);
    if (count == 0)
        return outcomes;
    std::optional<Clock::duration> timeout;
    if (timeoutSeconds)
        timeout = std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(*timeoutSeconds));
    const auto threads =
        static_cast<std::size_t>(std::clamp<long long>(jobs, 1, static_cast<long long>(count)));

    std::atomic<bool> stop = false;
    std::atomic<std::size_t> next = 0;
    std::mutex lock;
    std::condition_variable finished;
    std::size_t running = threads;
    bool interrupted = false;
    {
        py::gil_scoped_release released;
        std::vector<std::jthread> workers;
        workers.reserve(threads);
        for (std::size_t t = 0; t < threads; ++t) {
            workers.emplace_back([&] {
                for (std::size_t i = next++; i < count && !stop; i = next++)
                    outcomes[i] = RunGuarded(task, i, stop, timeout);
                const std::lock_guard guard(lock);
                --running;
                finished.notify_one();
            });
        }
        std::unique_lock wait(lock);
        while (running > 0) {
            if (finished.wait_for(wait, kSignalInterval, [&] { return running == 0; }))
                break;
            if (interrupted)
                continue;
            wait.unlock();
            {
                py::gil_scoped_acquire acquired;
                if (PyErr_CheckSignals() != 0) {
                    interrupted = true;
                    stop = true;
                }
            }
            wait.lock();
        }
    }
    if (interrupted)
        throw py::error_already_set();
    return outcomes;
}

void RunOne(const std::function<bool()>& task) {
    const auto outcomes = RunTasks(1, 1, std::nullopt, [&](std::size_t) { return task(); });
    const TaskOutcome& outcome = outcomes.front();
    if (!outcome.ok)
        throw Failure(JoinedMessages(outcome.messages));
}

std::string JoinedMessages(const std::vector<std::string>& messages) {
    std::string text;
    for (const std::string& message : messages)
        text += (text.empty() ? "" : "\n") + message;
    return text.empty() ? "failed" : text;
}

} // namespace grafida::python
