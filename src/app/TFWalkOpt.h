#pragma once
// "Walk operator options": three lists of matrix names, M1, M2 and M3, composed from
// the base matrix names, handed back as one block of text lines.

#include "workspace/Workspace.h"

#include <QDialog>
#include <QListWidget>
#include <array>
#include <string>
#include <vector>

class QPushButton;

namespace grafida::app {

// A list whose selected names can be dragged onto the walk options' selection lists.
class WalkNameList final : public QListWidget {
    Q_OBJECT
public:
    explicit WalkNameList(QWidget* parent);
    // The selected names, in list order.
    QStringList SelectedNames() const;

signals:
    void NamesDropped(const QStringList& names);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};

class TFWalkOpt final : public QDialog {
    Q_OBJECT
public:
    TFWalkOpt(Workspace& workspace, QWidget* owner);

    QListWidget& BaseList() { return *baseMatrLst_; }
    QListWidget& Selection(int list) { return *selected_.at(static_cast<size_t>(list)); }
    QPushButton& Include(int list) { return *include_.at(static_cast<size_t>(list)); }
    QPushButton& Exclude(int list) { return *exclude_.at(static_cast<size_t>(list)); }
    QPushButton& AddMatrices() { return *sbAddMatr_; }
    QPushButton& OkButton() { return *BitBtnOK_; }
    QPushButton& CancelButton() { return *BitBtnCancel_; }

    // The result block of the lists as they are.
    std::vector<std::string> Block() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void UpdateControls();
    void AddMatrixFromFiles();

    Workspace& workspace_;
    WalkNameList* baseMatrLst_;
    std::array<WalkNameList*, 3> selected_{};
    std::array<QPushButton*, 3> include_{};
    std::array<QPushButton*, 3> exclude_{};
    QPushButton* sbAddMatr_;
    QPushButton* BitBtnOK_;
    QPushButton* BitBtnCancel_;
};

// Runs the dialog; on OK appends its block to lines and returns true.
bool GetWalkOptions(Workspace& workspace, QWidget* owner, std::vector<std::string>& lines);

} // namespace grafida::app
