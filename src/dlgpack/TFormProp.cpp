#include "dlgpack/TFormProp.h"

#include "dlgpack/CheckLists.h"
#include "dlgpack/DialogFrame.h"

#include <QBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QScopedValueRollback>

namespace grafida::dlgpack {

TFormProp::TFormProp(QWidget* owner) : QDialog(owner) {
    auto* layout = new QVBoxLayout(this);

    chbProperties_ = new QListWidget(this);
    chbProperties_->setObjectName(QStringLiteral("chbProperties"));
    AddCheckEntries(*chbProperties_, {QStringLiteral("SGI - Sanderson group electronegativity"),
                                      QStringLiteral("Charges - Atomic charges"),
                                      QStringLiteral("Group mass - Vertex mass (including hidrogens)"),
                                      QStringLiteral("Calculate all")});
    chbProperties_->setMinimumWidth(chbProperties_->sizeHintForColumn(0) + 40);
    chbProperties_->setFixedHeight(chbProperties_->sizeHintForRow(0) * chbProperties_->count() +
                                   2 * chbProperties_->frameWidth() + 8);
    layout->addWidget(chbProperties_);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    BitBtnOK_ = AddOkButton(*this, *buttons);
    AddCancelButton(*this, *buttons);
    layout->addLayout(buttons);

    connect(chbProperties_, &QListWidget::itemChanged, this, &TFormProp::TicksChanged);

    SetUpDialogFrame(*this, "TFormProp", QStringLiteral("Calculate properties"));
    BitBtnOK_->setEnabled(false);
}

QBitArray TFormProp::Flags() const {
    QBitArray flags(3);
    for (int row = 0; row < 3; ++row)
        flags.setBit(row, chbProperties_->item(row)->checkState() == Qt::Checked);
    return flags;
}

void TFormProp::TicksChanged() {
    // The rule's own ticks arrive here too; only the user's change is ruled on.
    if (applyingRule_)
        return;
    const QScopedValueRollback guard(applyingRule_, true);
    std::vector<bool> ticks;
    for (int row = 0; row < chbProperties_->count(); ++row)
        ticks.push_back(chbProperties_->item(row)->checkState() == Qt::Checked);
    selectAll_.Apply(ticks);
    bool any = false;
    for (int row = 0; row < chbProperties_->count(); ++row) {
        chbProperties_->item(row)->setCheckState(ticks[static_cast<size_t>(row)] ? Qt::Checked
                                                                                 : Qt::Unchecked);
        any = any || ticks[static_cast<size_t>(row)];
    }
    BitBtnOK_->setEnabled(any);
}

} // namespace grafida::dlgpack
