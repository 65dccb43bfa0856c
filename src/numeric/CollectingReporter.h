#pragma once
// A reporter that keeps the messages of one task or one file's scan for its caller
// to print, raise or warn with; questions are answered No (or Cancel).

#include "numeric/Reporter.h"

#include <string>
#include <vector>

namespace grafida {

class CollectingReporter final : public Reporter {
public:
    explicit CollectingReporter(std::vector<std::string>& messages) : messages_(messages) {}
    void Error(const std::string& text) override { messages_.push_back(text); }
    void Inform(const std::string& text) override { messages_.push_back(text); }
    Answer Ask(const std::string& text, Question kind) override {
        messages_.push_back(text);
        return kind == Question::YesNo ? Answer::No : Answer::Cancel;
    }

private:
    std::vector<std::string>& messages_;
};

} // namespace grafida
