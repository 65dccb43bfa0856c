#pragma once
// "Select indices": topological indices picked from six groups, an elongation value and,
// for the walk-type indices, blocks of walk options.

#include "workspace/Workspace.h"

#include <QBitArray>
#include <QDialog>
#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace grafida::app {

// The index flags the dialog returns (0..23).
inline constexpr int kIndexFlagCount = 24;

class TFGetIng final : public QDialog {
    Q_OBJECT
public:
    TFGetIng(Workspace& workspace, int flagCount, QWidget* owner);
    ~TFGetIng() override;

    QListWidget& Groups() { return *lbGrpInd_; }
    QListWidget& Indices() { return *cbLocInd_; }
    QSpinBox& Elongation() { return *spElong_; }
    QPushButton& WalkDetails() { return *btWalkDet_; }
    QPushButton& OkButton() { return *BitBtnOK_; }
    QPushButton& CancelButton() { return *BitBtnCancel_; }

    const QBitArray& Flags() const { return flags_; }
    const std::vector<std::string>& WalkLines() const { return walkLines_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void lbGrpIndClick();
    void cbLocIndClickCheck();
    void UpdateControls();

    Workspace& workspace_;
    QListWidget* lbGrpInd_;
    QListWidget* cbLocInd_;
    QSpinBox* spElong_;
    QPushButton* btWalkDet_;
    QPushButton* BitBtnOK_;
    QPushButton* BitBtnCancel_;
    QBitArray flags_;
    std::vector<std::string> walkLines_;
    int shownGroup_ = -1;
    bool filling_ = false;
};

// Runs the dialog. An index that cannot be computed is shown unticked and disabled,
// its hint saying why. lines is cleared first; on OK every flag is set from the dialog,
// the elongation value is appended to numbers and the walk option blocks to lines.
bool GetIndices(Workspace& workspace, QWidget* owner, QBitArray& flags, std::vector<int>& numbers,
                std::vector<std::string>& lines);

// The group on show, kept between uses of the dialog.
int IndexGroupOnShow();

} // namespace grafida::app
