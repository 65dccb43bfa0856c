#include "dlgpack/MatrixTickDialog.h"

#include "dlgpack/DialogFrame.h"
#include "dlgpack/DragListWidget.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QPushButton>

namespace grafida::dlgpack {

MatrixTickDialog::MatrixTickDialog(QWidget* owner, int requiredTicks, const char* className)
    : QDialog(owner), requiredTicks_(requiredTicks) {
    auto* layout = new QVBoxLayout(this);

    clbMatr_ = new DragListWidget(this);
    clbMatr_->setObjectName(QStringLiteral("clbMatr"));
    clbMatr_->setFixedSize(260, 220);
    clbMatr_->AcceptDropsFrom({clbMatr_});
    layout->addWidget(clbMatr_);

    chbKeep_ = new QCheckBox(QStringLiteral("AChbCaption"), this);
    chbKeep_->setObjectName(QStringLiteral("chbKeep"));
    QFont keepFont = chbKeep_->font();
    keepFont.setBold(true);
    keepFont.setItalic(true);
    chbKeep_->setFont(keepFont);
    layout->addWidget(chbKeep_);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    BitBtnOK_ = AddOkButton(*this, *buttons);
    AddCancelButton(*this, *buttons);
    layout->addLayout(buttons);

    connect(clbMatr_, &QListWidget::itemChanged, this, &MatrixTickDialog::UpdateButtons);
    connect(clbMatr_, &DragListWidget::RowsDropped, this,
            [this](DragListWidget*, const QList<int>& rows, int targetRow) {
                MoveDroppedEntry(rows.front(), targetRow);
            });

    SetUpDialogFrame(*this, className, QStringLiteral("ACaption"));
    UpdateButtons();
}

void MatrixTickDialog::SetTexts(const char* caption, const char* keepCaption) {
    setWindowTitle(CallerText(caption, windowTitle()));
    chbKeep_->setText(CallerText(keepCaption, chbKeep_->text()));
}

void MatrixTickDialog::SetNames(const QStringList& names) {
    for (const auto& name : names) {
        auto* entry = new QListWidgetItem(name, clbMatr_);
        entry->setFlags(entry->flags() | Qt::ItemIsUserCheckable);
        entry->setCheckState(Qt::Unchecked);
    }
    UpdateButtons();
}

QStringList MatrixTickDialog::TickedNames() const {
    QStringList names;
    for (int row = 0; row < clbMatr_->count(); ++row) {
        if (clbMatr_->item(row)->checkState() == Qt::Checked)
            names.append(clbMatr_->item(row)->text());
    }
    return names;
}

bool MatrixTickDialog::Keep() const {
    return chbKeep_->isChecked();
}

void MatrixTickDialog::UpdateButtons() {
    const bool ready = TickedNames().size() == requiredTicks_;
    BitBtnOK_->setEnabled(ready);
    chbKeep_->setEnabled(ready);
}

void MatrixTickDialog::MoveDroppedEntry(int from, int targetRow) {
    const int to = targetRow < 0 ? clbMatr_->count() - 1 : targetRow;
    if (from == to)
        return;
    QListWidgetItem* entry = clbMatr_->takeItem(from);
    clbMatr_->insertItem(to, entry);
    clbMatr_->setCurrentItem(entry);
}

} // namespace grafida::dlgpack
