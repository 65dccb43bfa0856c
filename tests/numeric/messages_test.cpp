#include "numeric/Progress.h"
#include "numeric/Reporter.h"
#include "support/RecordingReporter.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace grafida {
namespace {

TEST(Messages, ShowErrorFormatsAndReachesTheInstalledReporter) {
    testing::RecordedMessages messages;
    ShowError("NOT ENOUGHT MEMORY, FREE SOME MEMORY AND TRY AGAIN");
    ShowError("ERROR DIURING CALCULATING %s", "SGI");
    ShowError("%s need %s", std::string("charges"), "distance matrix");
    ShowError("100%% sure of %d", 7);
    EXPECT_EQ(messages.errors(),
              (std::vector<std::string>{"NOT ENOUGHT MEMORY, FREE SOME MEMORY AND TRY AGAIN",
                                        "ERROR DIURING CALCULATING SGI", "charges need distance matrix",
                                        "100% sure of 7"}));
}

TEST(Messages, PatternWithoutArgumentsIsShownUnchanged) {
    testing::RecordedMessages messages;
    ShowError("50% done");
    EXPECT_EQ(messages.errors(), (std::vector<std::string>{"50% done"}));
}

class CountingProgress final : public ProgressSink {
public:
    void Start(std::int64_t maximum) override { events.push_back("start " + std::to_string(maximum)); }
    void Step() override { events.push_back("step"); }
    void Done() override { events.push_back("done"); }
    void ProcessEvents() override { ++pumps; }
    std::vector<std::string> events;
    int pumps = 0;
};

TEST(Messages, ProgressEndsOnEveryExitPath) {
    CountingProgress progress;
    ProgressSinkScope scope(progress);
    {
        ProgressGuard guard(2);
        guard.Step();
        guard.Step();
    }
    EXPECT_THROW(
        {
            ProgressGuard guard(5);
            guard.Step();
            throw std::runtime_error("failed");
        },
        std::runtime_error);
    EXPECT_EQ(progress.events,
              (std::vector<std::string>{"start 2", "step", "step", "done", "start 5", "step", "done"}));
    EXPECT_EQ(progress.pumps, 3);
}

class CancellingProgress final : public ProgressSink {
public:
    void Start(std::int64_t) override {}
    void Step() override { ++steps; }
    void Done() override { ++ends; }
    bool CancelRequested() override { return steps >= cancelAfter; }
    int cancelAfter = 0;
    int steps = 0;
    int ends = 0;
};

TEST(Messages, CancelStopsAtTheNextStepOrCheckAndStillEndsTheBar) {
    CancellingProgress progress;
    ProgressSinkScope scope(progress);
    progress.cancelAfter = 3;
    int finishedSteps = 0;
    EXPECT_THROW(
        {
            ProgressGuard guard(10);
            for (int i = 0; i < 10; ++i) {
                guard.Step();
                ++finishedSteps;
            }
        },
        ComputationCancelled);
    EXPECT_EQ(finishedSteps, 2);
    EXPECT_EQ(progress.ends, 1);

    progress.cancelAfter = 100;
    EXPECT_NO_THROW(CheckCancelled());
    progress.cancelAfter = 0;
    EXPECT_THROW(CheckCancelled(), ComputationCancelled);
}

} // namespace
} // namespace grafida
