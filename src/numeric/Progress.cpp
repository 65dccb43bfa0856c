#include "numeric/Progress.h"

#include <atomic>

namespace grafida {

namespace {

class SilentProgress final : public ProgressSink {
public:
    void Start(std::int64_t) override {}
    void Step() override {}
    void Done() override {}
};

std::atomic<ProgressSink*> processSink{nullptr};
thread_local ProgressSink* threadSink = nullptr;

} // namespace

ProgressSink& CurrentProgress() {
    if (threadSink)
        return *threadSink;
    if (ProgressSink* sink = processSink.load())
        return *sink;
    static SilentProgress silent;
    return silent;
}

void SetProcessProgress(ProgressSink* sink) {
    processSink.store(sink);
}

ProgressSinkScope::ProgressSinkScope(ProgressSink& sink) : previous_(threadSink) {
    threadSink = &sink;
}
ProgressSinkScope::~ProgressSinkScope() {
    threadSink = previous_;
}

ProgressGuard::ProgressGuard(std::int64_t maximum) : sink_(CurrentProgress()) {
    sink_.Start(maximum);
}
ProgressGuard::~ProgressGuard() {
    sink_.Done();
}

void ProgressGuard::Step() {
    sink_.Step();
    sink_.ProcessEvents();
    if (sink_.CancelRequested())
        throw ComputationCancelled();
}

void ProcessPendingEvents() {
    CurrentProgress().ProcessEvents();
}

void CheckCancelled() {
    ProgressSink& sink = CurrentProgress();
    sink.ProcessEvents();
    if (sink.CancelRequested())
        throw ComputationCancelled();
}

} // namespace grafida
