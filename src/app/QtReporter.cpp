#include "app/QtReporter.h"

#include <QApplication>
#include <QMessageBox>

namespace grafida::app {

namespace {
QString Title() {
    return QApplication::applicationDisplayName().isEmpty() ? QStringLiteral("GRAFIDA")
                                                            : QApplication::applicationDisplayName();
}
} // namespace

void QtReporter::Error(const std::string& text) {
    QMessageBox::critical(owner_, QStringLiteral("Error"), QString::fromStdString(text));
}

void QtReporter::Inform(const std::string& text) {
    QMessageBox::information(owner_, Title(), QString::fromStdString(text));
}

Answer QtReporter::Ask(const std::string& text, Question kind) {
    const auto buttons = kind == Question::YesNo ? QMessageBox::Yes | QMessageBox::No
                                                 : QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    const auto chosen = QMessageBox::question(owner_, Title(), QString::fromStdString(text), buttons);
    if (chosen == QMessageBox::Yes)
        return Answer::Yes;
    if (chosen == QMessageBox::No)
        return Answer::No;
    // Esc or the close box: the safe answer.
    return kind == Question::YesNo ? Answer::No : Answer::Cancel;
}

} // namespace grafida::app
