#include "app/TFormBaseMatrices.h"

#include "topology/BasicMatrices.h"
#include "workspace/CommandTexts.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QStyle>

namespace grafida::app {

namespace {

void AddCheckEntry(QListWidget& list, const char* text) {
    auto* item = new QListWidgetItem(QString::fromUtf8(text), &list);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
}

} // namespace

TFormBaseMatrices::TFormBaseMatrices(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("TFormBaseMatrices"));
    setWindowTitle(QString::fromUtf8(texts::kBasicMatricesCaption));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(true);
    auto* layout = new QVBoxLayout(this);

    chbMatrices_ = new QListWidget(this);
    chbMatrices_->setObjectName(QStringLiteral("chbMatrices"));
    for (const char* item : BasicMatrixItems())
        AddCheckEntry(*chbMatrices_, item);
    AddCheckEntry(*chbMatrices_, texts::kCalculateAll);
    chbMatrices_->setMinimumWidth(chbMatrices_->sizeHintForColumn(0) + 60);
    chbMatrices_->setFixedHeight(chbMatrices_->sizeHintForRow(0) * chbMatrices_->count() +
                                 2 * chbMatrices_->frameWidth() + 8);
    layout->addWidget(chbMatrices_);

    CheckBoxKeep_ = new QCheckBox(QString::fromUtf8(texts::kKeepMatrices), this);
    CheckBoxKeep_->setObjectName(QStringLiteral("CheckBoxKeep"));
    layout->addWidget(CheckBoxKeep_);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    BitBtnOK_ = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("OK"), this);
    BitBtnOK_->setObjectName(QStringLiteral("BitBtnOK"));
    // The default button: Enter presses it, and does nothing while it is disabled.
    BitBtnOK_->setDefault(true);
    connect(BitBtnOK_, &QPushButton::clicked, this, &QDialog::accept);
    buttons->addWidget(BitBtnOK_);
    auto* cancel =
        new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("BitBtnCancel"));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(chbMatrices_, &QListWidget::itemChanged, this, &TFormBaseMatrices::chbMatricesClickCheck);
    BitBtnOK_->setEnabled(false);
    CheckBoxKeep_->setEnabled(false);
}

BasicMatricesChoices TFormBaseMatrices::Choices() const {
    BasicMatricesChoices choices;
    for (int row = 0; row < kBasicMatrixCount; ++row)
        choices.matrices.push_back(chbMatrices_->item(row)->checkState() == Qt::Checked);
    choices.keep = CheckBoxKeep_->isChecked();
    return choices;
}

void TFormBaseMatrices::chbMatricesClickCheck() {
    // The rule's own ticks arrive here too; only the user's change is ruled on.
    if (applyingRule_)
        return;
    const QScopedValueRollback guard(applyingRule_, true);
    std::vector<bool> ticks;
    for (int row = 0; row < chbMatrices_->count(); ++row)
        ticks.push_back(chbMatrices_->item(row)->checkState() == Qt::Checked);
    selectAll_.Apply(ticks);
    bool any = false;
    for (int row = 0; row < chbMatrices_->count(); ++row) {
        const bool ticked = ticks[static_cast<size_t>(row)];
        chbMatrices_->item(row)->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
        any = any || ticked;
    }
    BitBtnOK_->setEnabled(any);
    CheckBoxKeep_->setEnabled(any);
}

} // namespace grafida::app
