#pragma once
// What every dialog of the library shares: a fixed frame with only a close box, the caller's
// texts in place of the built-in ones, and the OK and Cancel buttons.

#include <QDialog>
#include <QString>
#include <cstdint>

class QBoxLayout;
class QPushButton;

namespace grafida::dlgpack {

// The caller's text, or builtIn when the caller passed none.
QString CallerText(const char* text, const QString& builtIn);

// Names the dialog after its class and gives it a fixed-size frame with a title and a close box;
// called once the dialog's layout is complete.
void SetUpDialogFrame(QDialog& dialog, const char* className, const QString& caption);

// "OK" (BitBtnOK, the default button: Enter presses it while it is enabled) accepts the dialog;
// "Cancel" (BitBtnCancel) rejects it. Both are appended to row.
QPushButton* AddOkButton(QDialog& dialog, QBoxLayout& row, const QString& text = QStringLiteral("OK"));
QPushButton* AddCancelButton(QDialog& dialog, QBoxLayout& row,
                             const QString& text = QStringLiteral("Cancel"));

// A QApplication runs, and on the calling thread: without it no widget can be made.
bool CanShowDialogs();

// -1 when the user accepted the modal dialog, 0 otherwise.
std::int16_t RunModal(QDialog& dialog);

} // namespace grafida::dlgpack
