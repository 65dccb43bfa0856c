#pragma once
// The molecule manager: the loaded molecules, each drawn with the molecule icon; it
// removes names from the molecule list and shows the selected molecules in an
// outside viewer, one program per molecule.

#include <QPixmap>
#include <QWidget>

class QListWidget;
class QPushButton;

namespace grafida::app {

class TFMain;

class TFormMolMng final : public QWidget {
    Q_OBJECT
public:
    explicit TFormMolMng(TFMain& main);

    // Fills the list with the molecule list's names, nothing selected.
    void FormActivate();

    QListWidget& Molecules() { return *lbMolec_; }
    QPushButton& DisplayButton() { return *BitBtnDisp_; }
    QPushButton& DeleteButton() { return *BitBtnDelete_; }
    QPushButton& CancelButton() { return *BitBtnCancel_; }

    void DisplayClick();
    void DeleteClick();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool FormKeyDown(const QKeyEvent& key);
    void UpdateButtons();

    TFMain& main_;
    QListWidget* lbMolec_;
    QPushButton* BitBtnDisp_;
    QPushButton* BitBtnDelete_;
    QPushButton* BitBtnCancel_;
    QPixmap MolIcon_;
};

// The molecule icon: three atoms and their bonds, 16 pixels square.
QPixmap MoleculeIcon();

} // namespace grafida::app
