#pragma once
// The dual list: the user builds an ordered sequence of a required length from the offered
// names, a name possibly several times.

#include <QDialog>
#include <QStringList>

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace grafida::dlgpack {

class DragListWidget;

class TDualListDlg final : public QDialog {
    Q_OBJECT
public:
    TDualListDlg(QWidget* owner, int requiredCount);

    void SetTexts(const char* caption, const char* sourceLabel, const char* destinationLabel,
                  const char* keepCaption);
    void SetNames(const QStringList& names);

    QStringList ChosenNames() const;
    bool Keep() const;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void IncludeSelected();
    void IncludeAll();
    void ExcludeSelected();
    void ExcludeAll();
    void AppendFrom(const QListWidget& source, const QList<int>& rows);
    void RemoveSelectedFromDestination();
    // Focuses list and selects its entry at row (the first when row is -1, at most the last).
    void SelectAfterMove(QListWidget& list, int row);
    void UpdateButtons();

    int requiredCount_;
    QLabel* SrcLabel_;
    DragListWidget* SrcList_;
    QLabel* DstLabel_;
    DragListWidget* DstList_;
    QPushButton* IncludeBtn_;
    QPushButton* IncAllBtn_;
    QPushButton* ExcludeBtn_;
    QPushButton* ExAllBtn_;
    QCheckBox* cbKeep_;
    QPushButton* BitBtnOK_;
};

} // namespace grafida::dlgpack
