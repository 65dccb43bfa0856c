#pragma once
// A one-line progress bar on standard error, drawn only when it is a terminal.

#include <cstddef>
#include <string>

namespace grafida::cli {

class TerminalProgress {
public:
    TerminalProgress(std::size_t total, bool enabled);
    ~TerminalProgress();
    TerminalProgress(const TerminalProgress&) = delete;
    TerminalProgress& operator=(const TerminalProgress&) = delete;
    void Advance();
    // Wipes the bar so that a message can take its line; the next Advance redraws it.
    void Clear() const;

private:
    void Draw() const;
    std::size_t total_;
    std::size_t done_ = 0;
    bool enabled_;
};

// True when standard error is a terminal.
bool StderrIsTerminal();

} // namespace grafida::cli
