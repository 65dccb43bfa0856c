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
    QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No;
    if (kind == Question::YesNoCancel)
        buttons |= QMessageBox::Cancel;
    if (kind == Question::OkCancel)
        buttons = QMessageBox::Ok | QMessageBox::Cancel;
    const auto chosen = kind == Question::OkCancel
                            ? QMessageBox::information(owner_, Title(), QString::fromStdString(text), buttons)
                            : QMessageBox::question(owner_, Title(), QString::fromStdString(text), buttons);
    if (chosen == QMessageBox::Yes)
        return Answer::Yes;
    if (chosen == QMessageBox::No)
        return Answer::No;
    if (chosen == QMessageBox::Ok)
        return Answer::Ok;
    // Esc or the close box: the safe answer.
    return kind == Question::YesNo ? Answer::No : Answer::Cancel;
}

} // namespace grafida::app
