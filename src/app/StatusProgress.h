#pragma once
// ShowProgress: the progress bar that long computations drive, laid over the first
// panel of the status bar with a Cancel button beside it. It lets the window handle
// pending events between steps, and tells the computation when the user pressed
// Cancel or Esc.

#include "numeric/Progress.h"

#include <QElapsedTimer>
#include <QObject>

class QLabel;
class QProgressBar;
class QPushButton;
class QWidget;

namespace grafida::app {

class StatusProgress final : public QObject, public ProgressSink {
    Q_OBJECT
public:
    // panel holds the hint label; the bar and button are made inside it.
    StatusProgress(QWidget& panel, QLabel& hint);

    void Start(std::int64_t maximum) override;
    void Step() override;
    void Done() override;
    void ProcessEvents() override;
    bool CancelRequested() override { return cancelRequested_; }

    // A new command starts: no cancel pending.
    void Reset() { cancelRequested_ = false; }
    void RequestCancel() { cancelRequested_ = true; }
    bool IsShown() const { return depth_ > 0; }
    QProgressBar& Bar() { return *bar_; }
    QPushButton& CancelButton() { return *cancel_; }

private:
    QLabel& hint_;
    QProgressBar* bar_;
    QPushButton* cancel_;
    QElapsedTimer sinceEvents_;
    int depth_ = 0; // a computation may run others that show progress too
    bool cancelRequested_ = false;
};

} // namespace grafida::app
