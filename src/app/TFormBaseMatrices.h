#pragma once
// The Basic matrices dialog: which of the nine basic matrices to compute, and whether
// to keep them. "Calculate all" ticks or unticks them together; OK and "Keep
// matrices" are enabled only while something is ticked.

#include "dlgpack/SelectAllRule.h"
#include "workspace/MoleculeCommands.h"

#include <QDialog>

class QCheckBox;
class QListWidget;
class QPushButton;

namespace grafida::app {

class TFormBaseMatrices final : public QDialog {
    Q_OBJECT
public:
    explicit TFormBaseMatrices(QWidget* owner);

    // The ticks of the nine matrix items in their fixed order and "Keep matrices".
    BasicMatricesChoices Choices() const;

private:
    void chbMatricesClickCheck();

    SelectAllRule selectAll_;
    bool applyingRule_ = false;
    QListWidget* chbMatrices_;
    QCheckBox* CheckBoxKeep_;
    QPushButton* BitBtnOK_;
};

} // namespace grafida::app
