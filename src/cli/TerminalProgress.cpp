#include "cli/TerminalProgress.h"

#include <cstdio>
#include <unistd.h>

namespace grafida::cli {

bool StderrIsTerminal() {
    return ::isatty(STDERR_FILENO) == 1;
}

TerminalProgress::TerminalProgress(std::size_t total, bool enabled) : total_(total), enabled_(enabled) {
    Draw();
}

TerminalProgress::~TerminalProgress() { Clear(); }

void TerminalProgress::Clear() const {
    if (enabled_)
        std::fputs("\r\033[K", stderr);
}

void TerminalProgress::Advance() {
    ++done_;
    Draw();
}

void TerminalProgress::Draw() const {
    if (!enabled_ || total_ == 0)
        return;
    constexpr std::size_t kWidth = 40;
    const std::size_t filled = done_ * kWidth / total_;
    std::string bar(filled, '#');
    bar.append(kWidth - filled, '.');
    std::fprintf(stderr, "\r[%s] %zu/%zu", bar.c_str(), done_, total_);
    std::fflush(stderr);
}

} // namespace grafida::cli
