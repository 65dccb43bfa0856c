#pragma once
// The single and double matrix choice: the user ticks one (or two) of the offered names, may
// drag them into another order, and says whether to keep the result.

#include <QDialog>
#include <QStringList>

class QCheckBox;
class QPushButton;

namespace grafida::dlgpack {

class DragListWidget;

class MatrixTickDialog : public QDialog {
    Q_OBJECT
public:
    // OK needs exactly requiredTicks ticked names.
    MatrixTickDialog(QWidget* owner, int requiredTicks, const char* className);

    void SetTexts(const char* caption, const char* keepCaption);
    void SetNames(const QStringList& names);

    // The ticked names in the order the list shows them.
    QStringList TickedNames() const;
    bool Keep() const;

private:
    void UpdateButtons();
    void MoveDroppedEntry(int from, int targetRow);

    int requiredTicks_;
    DragListWidget* clbMatr_;
    QCheckBox* chbKeep_;
    QPushButton* BitBtnOK_;
};

} // namespace grafida::dlgpack
