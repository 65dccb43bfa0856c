// The batch runner over plain tasks that misbehave on purpose: crashes, kills from
// outside, time limits. Each task notes every run of itself in a log shared by the
// worker processes, so that lost or repeated work shows.
#include "cli/ParallelRunner.h"
#include "support/RecordingReporter.h"

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <thread>
#include <unistd.h>

namespace grafida {
namespace {

using testing::ReadFile;
using testing::ScratchDir;

// Appends index to the log; O_APPEND keeps the lines of several processes whole.
void NoteRun(const std::string& log, std::size_t index) {
    const int fd = ::open(log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
    const std::string line = std::to_string(index) + "\n";
    EXPECT_EQ(::write(fd, line.data(), line.size()), static_cast<ssize_t>(line.size()));
    ::close(fd);
}

std::map<std::size_t, int> RunsPerTask(const std::string& log) {
    std::map<std::size_t, int> runs;
    std::istringstream lines(ReadFile(log));
    for (std::size_t index; lines >> index;)
        ++runs[index];
    return runs;
}

// True the first time it is asked about marker, across processes.
bool FirstTime(const std::string& marker) {
    const int fd = ::open(marker.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}

struct Outcome {
    std::vector<std::size_t> order;
    std::map<std::size_t, cli::TaskResult> results;
    std::size_t finishedCalls = 0;
};

Outcome RunAll(std::size_t count, int jobs, const cli::Task& task,
               std::optional<std::chrono::milliseconds> timeout = std::nullopt) {
    Outcome outcome;
    cli::RunOptions options;
    options.jobs = jobs;
    options.timeout = timeout;
    options.onResult = [&](std::size_t index, const cli::TaskResult& result) {
        outcome.order.push_back(index);
        outcome.results[index] = result;
    };
    options.onFinished = [&] { ++outcome.finishedCalls; };
    cli::RunTasks(count, task, options);
    return outcome;
}

// Every task delivered once, in input order; the good ones with their own output.
void ExpectAllInOrder(const Outcome& outcome, std::size_t count, const std::set<std::size_t>& failing) {
    ASSERT_EQ(outcome.order.size(), count);
    EXPECT_EQ(outcome.finishedCalls, count);
    for (std::size_t k = 0; k < count; ++k) {
        ASSERT_EQ(outcome.order[k], k);
        const cli::TaskResult& result = outcome.results.at(k);
        if (failing.count(k)) {
            EXPECT_FALSE(result.ok) << k;
            EXPECT_EQ(result.output, "") << k;
        } else {
            EXPECT_TRUE(result.ok) << k;
            EXPECT_EQ(result.output, "task " + std::to_string(k) + "\n") << k;
            EXPECT_TRUE(result.messages.empty()) << k;
        }
    }
}

bool Succeed(std::size_t index, std::string& output) {
    output = "task " + std::to_string(index) + "\n";
    return true;
}

TEST(ParallelRunner, CrashMidChunkFailsAloneAndTheRestOfTheChunkRunsOnce) {
    for (const int jobs : {1, 2, 3}) {
        SCOPED_TRACE(jobs);
        ScratchDir dir;
        const std::string log = dir.file("runs");
        const std::set<std::size_t> crashing = {0, 37, 38, 99};
        const Outcome outcome = RunAll(100, jobs, [&](std::size_t index, std::string& output, auto&) {
            NoteRun(log, index);
            if (index == 37) {
                std::signal(SIGSEGV, SIG_DFL); // a sanitizer's handler would turn it into an exit
                std::raise(SIGSEGV);
            }
            if (index == 38 || index == 0)
                std::abort();
            if (index == 99)
                ::_exit(0); // gone without a word
            return Succeed(index, output);
        });
        ExpectAllInOrder(outcome, 100, crashing);
        EXPECT_EQ(outcome.results.at(37).messages,
                  std::vector<std::string>{std::string("stopped by signal ") + strsignal(SIGSEGV)});
        EXPECT_EQ(outcome.results.at(38).messages,
                  std::vector<std::string>{std::string("stopped by signal ") + strsignal(SIGABRT)});
        EXPECT_EQ(outcome.results.at(99).messages,
                  std::vector<std::string>{"the computation ended without a result"});
        const auto runs = RunsPerTask(log);
        ASSERT_EQ(runs.size(), 100u);
        for (const auto& [index, times] : runs)
            EXPECT_EQ(times, 1) << index;
    }
}

TEST(ParallelRunner, WorkerKilledFromOutsideLosesAndRepeatsNothing) {
    ScratchDir dir;
    const std::string log = dir.file("runs");
    // Task 50 is running when its worker is killed once; task 70 every time.
    const Outcome outcome = RunAll(120, 2, [&](std::size_t index, std::string& output, auto&) {
        NoteRun(log, index);
        if ((index == 50 && FirstTime(dir.file("killed-once"))) || index == 70)
            ::kill(::getpid(), SIGKILL);
        return Succeed(index, output);
    });
    ExpectAllInOrder(outcome, 120, {70});
    EXPECT_EQ(outcome.results.at(70).messages,
              std::vector<std::string>{std::string("stopped by signal ") + strsignal(SIGKILL)});
    const auto runs = RunsPerTask(log);
    ASSERT_EQ(runs.size(), 120u);
    for (const auto& [index, times] : runs)
        EXPECT_EQ(times, index == 50 || index == 70 ? 2 : 1) << index;
}

TEST(ParallelRunner, TimeLimitEndsOnlyTheTaskOverIt) {
    ScratchDir dir;
    const std::string log = dir.file("runs");
    const auto start = std::chrono::steady_clock::now();
    const Outcome outcome = RunAll(
        40, 2,
        [&](std::size_t index, std::string& output, auto&) {
            NoteRun(log, index);
            if (index == 5 || index == 6)
                std::this_thread::sleep_for(std::chrono::seconds(30));
            // Each of these stays well within the limit, together they exceed it.
            std::this_thread::sleep_for(std::chrono::milliseconds(60));
            return Succeed(index, output);
        },
        std::chrono::milliseconds(200));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
    ExpectAllInOrder(outcome, 40, {5, 6});
    EXPECT_TRUE(outcome.results.at(5).timedOut);
    EXPECT_TRUE(outcome.results.at(6).timedOut);
    const auto runs = RunsPerTask(log);
    ASSERT_EQ(runs.size(), 40u);
    for (const auto& [index, times] : runs)
        EXPECT_EQ(times, 1) << index;
}

TEST(ParallelRunner, MessagesAndFailuresComeBackWithTheirTask) {
    const Outcome outcome = RunAll(6, 2, [](std::size_t index, std::string& output, auto& messages) {
        if (index == 2)
            throw std::runtime_error("thrown");
        if (index == 3) {
            output = "half done";
            messages.push_back("first");
            messages.push_back(std::string("with\0zero", 9));
            return false;
        }
        if (index == 4)
            messages.push_back("a warning");
        return Succeed(index, output);
    });
    ASSERT_EQ(outcome.order.size(), 6u);
    EXPECT_EQ(outcome.results.at(2).messages, std::vector<std::string>{"thrown"});
    EXPECT_FALSE(outcome.results.at(3).ok);
    EXPECT_EQ(outcome.results.at(3).output, "");
    EXPECT_EQ(outcome.results.at(3).messages,
              (std::vector<std::string>{"first", std::string("with\0zero", 9)}));
    EXPECT_TRUE(outcome.results.at(4).ok);
    EXPECT_EQ(outcome.results.at(4).messages, std::vector<std::string>{"a warning"});
    EXPECT_EQ(
        RunAll(0, 2, [](std::size_t index, std::string& output, auto&) { return Succeed(index, output); })
            .order.size(),
        0u);
}

// A slow first task must not let the others pile up results without end: memory
// stays flat over any number of inputs.
TEST(ParallelRunner, ResultsWaitingForAnEarlierOneAreBounded) {
    std::size_t delivered = 0, finished = 0, mostHeld = 0;
    cli::RunOptions options;
    options.jobs = 2;
    options.onResult = [&](std::size_t index, const cli::TaskResult& result) {
        EXPECT_EQ(index, delivered);
        EXPECT_TRUE(result.ok);
        ++delivered;
    };
    options.onFinished = [&] { mostHeld = std::max(mostHeld, ++finished - delivered); };
    const std::size_t count = 20000;
    cli::RunTasks(
        count,
        [](std::size_t index, std::string& output, auto&) {
            if (index == 0)
                std::this_thread::sleep_for(std::chrono::milliseconds(500));
            return Succeed(index, output);
        },
        options);
    EXPECT_EQ(delivered, count);
    EXPECT_GT(mostHeld, 10u);
    EXPECT_LT(mostHeld, 4000u);
}

} // namespace
} // namespace grafida
