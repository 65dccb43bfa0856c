#include "dlgpack/TGenDlg.h"

#include "dlgpack/DialogFrame.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace grafida::dlgpack {

TGenDlg::TGenDlg(QWidget* owner) : QDialog(owner) {
    auto* layout = new QVBoxLayout(this);

    lbPrompt_ = new QLabel(QStringLiteral("prompt"), this);
    lbPrompt_->setObjectName(QStringLiteral("lbPrompt"));
    layout->addWidget(lbPrompt_);

    Edit_ = new QLineEdit(this);
    Edit_->setObjectName(QStringLiteral("Edit"));
    Edit_->setToolTip(QStringLiteral("Click here to enter value"));
    Edit_->setMinimumWidth(280);
    lbPrompt_->setBuddy(Edit_);
    layout->addWidget(Edit_);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    AddOkButton(*this, *buttons);
    AddCancelButton(*this, *buttons);
    layout->addLayout(buttons);

    SetUpDialogFrame(*this, "TGenDlg", QStringLiteral("Dialog box"));
}

void TGenDlg::SetTexts(const char* caption, const char* prompt) {
    setWindowTitle(CallerText(caption, windowTitle()));
    lbPrompt_->setText(CallerText(prompt, lbPrompt_->text()));
}

void TGenDlg::SetValue(const QString& value) {
    Edit_->setText(value);
}

QString TGenDlg::Value() const {
    return Edit_->text();
}

} // namespace grafida::dlgpack
