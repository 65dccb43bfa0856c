#pragma once
// Test helpers: a reporter that records every message, and a scratch folder.

#include "numeric/Error.h"
#include "numeric/Reporter.h"

#include <filesystem>
#include <string>
#include <vector>

namespace grafida::testing {

class RecordingReporter final : public Reporter {
public:
    void Error(const std::string& text) override { errors.push_back(text); }
    void Inform(const std::string& text) override { informations.push_back(text); }
    Answer Ask(const std::string& text, Question) override {
        questions.push_back(text);
        return answer;
    }
    std::vector<std::string> errors;
    std::vector<std::string> informations;
    std::vector<std::string> questions;
    Answer answer = Answer::Yes;
};

// Records the messages of the current thread while it lives.
class RecordedMessages {
public:
    RecordedMessages() : scope_(reporter) {}
    RecordingReporter reporter;
    const std::vector<std::string>& errors() const { return reporter.errors; }

private:
    ReporterScope scope_;
};

// A fresh folder under the system's temporary folder, removed with everything in it.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }
    // Writes bytes to name inside the folder and returns its path.
    std::string write(const std::string& name, const std::string& bytes) const;

private:
    std::filesystem::path path_;
};

std::string ReadFile(const std::string& path);

// Runs action and returns the message of the GrafidaError it raises ("" if none).
template <class F> std::string ErrorOf(F action) {
    try {
        action();
    } catch (const GrafidaError& error) {
        return error.what();
    }
    return "";
}

} // namespace grafida::testing
