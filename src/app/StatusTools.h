#pragma once
// The six tool icons of the status bar: calculator, text editor, settings editor,
// paint program, file manager and terminal, each started by a click. A tool that
// is not installed shows a greyed icon whose hint says so; its click does nothing.

#include <QWidget>
#include <string>
#include <vector>

class QToolButton;

namespace grafida::app {

class StatusTools final : public QWidget {
    Q_OBJECT
public:
    // pathVariable: where programs are looked for (the PATH of the environment).
    explicit StatusTools(const std::string& pathVariable, QWidget* parent = nullptr);

    const std::vector<QToolButton*>& Buttons() const { return buttons_; }
    // The program each button starts, "" for a missing one.
    const std::vector<std::string>& Programs() const { return programs_; }

private:
    std::vector<QToolButton*> buttons_;
    std::vector<std::string> programs_;
};

} // namespace grafida::app
