#pragma once
// The About box: the program's name and version, what it is for, and this computer.

#include <QDialog>
#include <string>
#include <vector>

class QPlainTextEdit;

namespace grafida::dlgpack {

class TFormAbout final : public QDialog {
    Q_OBJECT
public:
    // systemLines describe the computer, one line each.
    TFormAbout(QWidget* owner, const std::vector<std::string>& systemLines);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Enter and Esc close the box as OK, whichever control has the focus.
    bool ClosesAsOk(const QEvent* event);
};

} // namespace grafida::dlgpack
