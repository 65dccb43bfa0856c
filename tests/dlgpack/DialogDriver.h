#pragma once
// Drives the modal dialogs of the exports as a user would: the action runs inside the dialog's
// own event loop once it is shown, then the export returns.

#include <QAbstractButton>
#include <QDialog>
#include <QListWidget>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>

namespace grafida::dlgpack::testing {

// Runs action on the next modal dialog, which must be named className. The action must close
// the dialog; a dialog left open (or an action that throws) fails the test and is cancelled.
void WhenDialogShows(const QString& className, std::function<void(QDialog&)> action);

// Fails the test if a dialog shows while it lives.
class NoDialogExpected {
public:
    NoDialogExpected();
    ~NoDialogExpected();
    NoDialogExpected(const NoDialogExpected&) = delete;
    NoDialogExpected& operator=(const NoDialogExpected&) = delete;

private:
    std::unique_ptr<QTimer> check_;
};

template <class Widget> Widget& Child(QDialog& dialog, const char* name) {
    auto* widget = dialog.findChild<Widget*>(QString::fromLatin1(name));
    if (!widget)
        throw std::runtime_error(std::string("no control ") + name);
    return *widget;
}

void Click(QAbstractButton& button);
void PressKey(QWidget& widget, Qt::Key key);
// Types text into widget key by key, any letters.
void Type(QWidget& widget, const QString& text);
// Makes row the current entry and toggles its tick with the space bar.
void ToggleTick(QListWidget& list, int row);
// A mouse click on the entry at row.
void ClickEntry(QListWidget& list, int row);
void DoubleClickEntry(QListWidget& list, int row);
// Drags the entries at rows of source and drops them on target at the entry targetRow, or
// below the last entry when targetRow is -1.
void DragAndDrop(QListWidget& source, const QList<int>& rows, QListWidget& target, int targetRow);

QStringList Texts(const QListWidget& list);
QStringList TickedTexts(const QListWidget& list);

} // namespace grafida::dlgpack::testing
