#include "app/StatusProgress.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <algorithm>
#include <limits>

namespace grafida::app {

namespace {
// Often enough for a smooth bar and a prompt Cancel, rare enough to cost nothing.
constexpr int kEventIntervalMs = 40;
} // namespace

StatusProgress::StatusProgress(QWidget& panel, QLabel& hint)
    : QObject(&panel), hint_(hint), bar_(new QProgressBar(&panel)), cancel_(new QPushButton(&panel)) {
    bar_->setObjectName(QStringLiteral("ProgressBar"));
    bar_->setTextVisible(true);
    cancel_->setObjectName(QStringLiteral("ButtonCancelComputation"));
    cancel_->setText(QStringLiteral("Cancel"));
    cancel_->setToolTip(QStringLiteral("Stop the computation (Esc)"));
    cancel_->setFocusPolicy(Qt::NoFocus);
    if (auto* layout = panel.layout()) {
        layout->addWidget(bar_);
        layout->addWidget(cancel_);
    }
    bar_->hide();
    cancel_->hide();
    connect(cancel_, &QPushButton::clicked, this, [this] { RequestCancel(); });
    sinceEvents_.start();
}

void StatusProgress::Start(std::int64_t maximum) {
    ++depth_;
    const auto top = static_cast<std::int64_t>(std::numeric_limits<int>::max());
    bar_->setRange(0, static_cast<int>(std::clamp<std::int64_t>(maximum, 0, top)));
    bar_->setValue(0);
    hint_.hide();
    bar_->show();
    cancel_->show();
    ProcessEvents();
}

void StatusProgress::Step() {
    if (bar_->value() < bar_->maximum())
        bar_->setValue(bar_->value() + 1);
}

void StatusProgress::Done() {
    if (depth_ > 0 && --depth_ > 0)
        return;
    bar_->hide();
    cancel_->hide();
    hint_.show();
}

void StatusProgress::ProcessEvents() {
    if (sinceEvents_.elapsed() < kEventIntervalMs)
        return;
    sinceEvents_.restart();
    QApplication::processEvents(QEventLoop::AllEvents);
}

} // namespace grafida::app
