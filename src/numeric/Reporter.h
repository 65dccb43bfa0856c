#pragma once
// The one way the core speaks to the user. The GUI shows modal boxes, the
// command-line tool writes to stderr, tests record. The core never shows anything.

#include "numeric/Error.h"

#include <string>

namespace grafida {

enum class Answer { Yes, No, Cancel, Ok };
enum class Question { YesNo, YesNoCancel, OkCancel };

class Reporter {
public:
    virtual ~Reporter() = default;
    // A failure, shown as the modal "Error" box with an OK button.
    virtual void Error(const std::string& text) = 0;
    // Plain information with an OK button ("%d matrices loaded").
    virtual void Inform(const std::string& text) = 0;
    virtual Answer Ask(const std::string& text, Question kind) = 0;
};

// The reporter of the calling thread: the one installed by ReporterScope on this
// thread if any, else the process-wide one, else a reporter that writes to stderr.
Reporter& CurrentReporter();
void SetProcessReporter(Reporter* reporter);

// Installs a reporter for the calling thread while it lives.
class ReporterScope {
public:
    explicit ReporterScope(Reporter& reporter);
    ~ReporterScope();
    ReporterScope(const ReporterScope&) = delete;
    ReporterScope& operator=(const ReporterScope&) = delete;

private:
    Reporter* previous_;
};

// Formats a printf-style message ("%s", "%d") and hands it to the current reporter.
template <class... Args> void ShowError(const char* format, const Args&... args) {
    CurrentReporter().Error(FormatMessage(format, args...));
}

template <class... Args> void ShowInformation(const char* format, const Args&... args) {
    CurrentReporter().Inform(FormatMessage(format, args...));
}

} // namespace grafida
