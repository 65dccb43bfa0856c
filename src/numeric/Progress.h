#pragma once
// Progress of long computations. The GUI shows a bar on the status bar and lets
// pending window events run after each step; the command-line tool draws a bar on
// a terminal; tests see nothing.

#include <cstdint>

namespace grafida {

class ProgressSink {
public:
    virtual ~ProgressSink() = default;
    virtual void Start(std::int64_t maximum) = 0;
    virtual void Step() = 0;
    virtual void Done() = 0;
    // Lets the user interface handle what is pending (no-op without one).
    virtual void ProcessEvents() {}
};

// The sink of the calling thread (thread scope, else process-wide, else none).
ProgressSink& CurrentProgress();
void SetProcessProgress(ProgressSink* sink);

class ProgressSinkScope {
public:
    explicit ProgressSinkScope(ProgressSink& sink);
    ~ProgressSinkScope();
    ProgressSinkScope(const ProgressSinkScope&) = delete;
    ProgressSinkScope& operator=(const ProgressSinkScope&) = delete;

private:
    ProgressSink* previous_;
};

// One long computation: starts the bar, steps it (letting events run after each
// step) and ends it on every exit path, exceptions included.
class ProgressGuard {
public:
    explicit ProgressGuard(std::int64_t maximum);
    ~ProgressGuard();
    ProgressGuard(const ProgressGuard&) = delete;
    ProgressGuard& operator=(const ProgressGuard&) = delete;
    void Step();

private:
    ProgressSink& sink_;
};

// Gives the user interface a chance to run pending events.
void ProcessPendingEvents();

} // namespace grafida
