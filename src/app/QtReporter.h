#pragma once
// The reporter of the desktop program: errors, information and questions as modal
// message boxes over the main window.

#include "numeric/Reporter.h"

#include <QPointer>
#include <QWidget>

namespace grafida::app {

class QtReporter final : public Reporter {
public:
    void SetOwner(QWidget* owner) { owner_ = owner; }
    void Error(const std::string& text) override;
    void Inform(const std::string& text) override;
    Answer Ask(const std::string& text, Question kind) override;

private:
    QPointer<QWidget> owner_;
};

} // namespace grafida::app
