#include "numeric/Reporter.h"

#include <atomic>
#include <cstdio>

namespace grafida {

namespace {

class StderrReporter final : public Reporter {
public:
    void Error(const std::string& text) override { std::fprintf(stderr, "Error: %s\n", text.c_str()); }
    void Inform(const std::string& text) override { std::fprintf(stderr, "%s\n", text.c_str()); }
    Answer Ask(const std::string& text, Question kind) override {
        // Nobody to ask: take the answer that changes nothing.
        std::fprintf(stderr, "%s\n", text.c_str());
        return kind == Question::YesNo ? Answer::No : Answer::Cancel;
    }
};

std::atomic<Reporter*> processReporter{nullptr};
thread_local Reporter* threadReporter = nullptr;

} // namespace

Reporter& CurrentReporter() {
    if (threadReporter)
        return *threadReporter;
    if (Reporter* reporter = processReporter.load())
        return *reporter;
    static StderrReporter fallback;
    return fallback;
}

void SetProcessReporter(Reporter* reporter) {
    processReporter.store(reporter);
}

ReporterScope::ReporterScope(Reporter& reporter) : previous_(threadReporter) {
    threadReporter = &reporter;
}
ReporterScope::~ReporterScope() {
    threadReporter = previous_;
}

} // namespace grafida
