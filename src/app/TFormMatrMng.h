#pragma once
// The matrix manager: the stored matrices as a check list, with buttons and keys that
// display, delete, save, copy, transpose, invert, scale and analyse the ticked ones and
// a drag that reorders the store. The computations are the workspace's; this window
// routes keys and ticks to them and refreshes its list.

#include "dlgpack/SelectAllRule.h"
#include "workspace/MatrixManagerCommands.h"

#include <QListWidget>
#include <QWidget>
#include <string>
#include <vector>

class QMimeData;
class QPushButton;

namespace grafida::app {

class TFMain;

// The check list whose entries can be dragged within it to another position.
class MatrixCheckList final : public QListWidget {
    Q_OBJECT
public:
    explicit MatrixCheckList(QWidget* parent);
    // What a drag of the entry at row carries: the row and this list's identity.
    QMimeData* DragData(int row) const;

signals:
    // The entry at from was dropped on the entry at dropRow (-1: no entry there).
    void EntryDropped(int from, int dropRow);

protected:
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QList<QListWidgetItem*>& items) const override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // The dragged row, when the data comes from this list; else -1.
    int DraggedRow(const QMimeData* data) const;
};

class TFormMatrMng final : public QWidget {
    Q_OBJECT
public:
    explicit TFormMatrMng(TFMain& main);

    // Fills the list anew from the store: nothing ticked, the all-selected flag kept.
    void Refresh();

    QListWidget& Matrices() { return *chbMatrices_; }
    QPushButton& DisplayButton() { return *BitBtnDisplay_; }
    QPushButton& DeleteButton() { return *BitBtnDelete_; }
    QPushButton& SaveButton() { return *BitBtnSave_; }
    QPushButton& CloseButton() { return *BitBtnClose_; }

    void DisplayClick();
    void DeleteClick();
    void SaveClick();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Whether the key was one of the window's; runs its command.
    bool FormKeyDown(const QKeyEvent& key);
    void chbMatricesClickCheck(QListWidgetItem* item);
    void EnableButtons(bool enabled);
    // The ticked entries that stand for stored matrices (not "Select all"), in order.
    std::vector<std::string> TickedMatrices() const;
    AskText Asker();
    // Runs a command as the main window runs commands: one at a time.
    void Run(const std::function<void()>& command);

    TFMain& main_;
    MatrixCheckList* chbMatrices_;
    QPushButton* BitBtnDisplay_;
    QPushButton* BitBtnDelete_;
    QPushButton* BitBtnSave_;
    QPushButton* BitBtnClose_;
    SelectAllRule selectAll_;
    std::vector<std::string> entries_;
    bool filling_ = false;
};

} // namespace grafida::app
