#pragma once
// The preferences dialog: print layout and widths, what opening files does, the
// eigenvalue solver's limits and the working folder.

#include "dlgpack/SelectAllRule.h"
#include "workspace/Workspace.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QSpinBox;
class QToolButton;

namespace grafida::app {

class TFormPreferences final : public QDialog {
    Q_OBJECT
public:
    TFormPreferences(Workspace& workspace, QWidget* parent = nullptr);

    // The tolerance text is converted however the dialog closes; a text that is
    // no number is reported and keeps the dialog open.
    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SpeedButtonWorkDirClick();
    void CheckListBoxOtherClickCheck(QListWidgetItem* item);
    void ShowWorkDir();

    Workspace& workspace_;
    QSpinBox* SpinEditWidth;
    QSpinBox* SpinEditDecim;
    QSpinBox* SpinEditIterations;
    QLineEdit* EditError;
    QListWidget* CheckListBoxOther;
    QLabel* LabelWorkDir;
    QToolButton* SpeedButtonWorkDir;
    SelectAllRule selectAll_;
    bool applyingRule_ = false;
};

} // namespace grafida::app
