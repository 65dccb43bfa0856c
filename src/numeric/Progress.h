#pragma once
// Progress of long computations. The GUI shows a bar on the status bar and lets
// pending window events run after each step; the command-line tool draws a bar on
// a terminal; tests see nothing.

#include <cstdint>
#include <exception>

namespace grafida {

// Thrown out of a computation when its user asked it to stop. Nothing catches it
// on the way up: containers free themselves, and commands add their results to
// the stores only once complete, so a cancelled command leaves them as they were.
class ComputationCancelled : public std::exception {
public:
    const char* what() const noexcept override { return "computation cancelled"; }
};

class ProgressSink {
public:
    virtual ~ProgressSink() = default;
    virtual void Start(std::int64_t maximum) = 0;
    virtual void Step() = 0;
    virtual void Done() = 0;
    // Lets the user interface handle what is pending (no-op without one).
    virtual void ProcessEvents() {}
    // True once the user asked the running computation to stop.
    virtual bool CancelRequested() { return false; }
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
    // Advances the bar, lets events run, and throws ComputationCancelled when asked to stop.
    void Step();

private:
    ProgressSink& sink_;
};

// Gives the user interface a chance to run pending events.
void ProcessPendingEvents();

// For long loops between two steps (one pair of a path search can take seconds):
// lets events run and throws ComputationCancelled when the user asked to stop.
// Cheap enough for every few thousand iterations; sinks limit how often they
// really process events.
void CheckCancelled();

} // namespace grafida
