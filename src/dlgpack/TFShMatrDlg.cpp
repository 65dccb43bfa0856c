#include "dlgpack/TFShMatrDlg.h"

#include "dlgpack/CheckLists.h"
#include "dlgpack/DialogFrame.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace grafida::dlgpack {

TFShMatrDlg::TFShMatrDlg(QWidget* owner) : QDialog(owner) {
    auto* layout = new QVBoxLayout(this);
    auto* lists = new QGridLayout;
    layout->addLayout(lists);

    auto* lbMatr = new QLabel(QStringLiteral("&Matrix list"), this);
    lbMatr->setObjectName(QStringLiteral("lbMatr"));
    lstMatr_ = NewSingleChoiceList(this, "lstMatr");
    lstMatr_->setFixedSize(200, 220);
    lbMatr->setBuddy(lstMatr_);
    lists->addWidget(lbMatr, 0, 0);
    lists->addWidget(lstMatr_, 1, 0);

    auto* lbOpt = new QLabel(QStringLiteral("Op&tions"), this);
    lbOpt->setObjectName(QStringLiteral("lbOpt"));
    cbOpt_ = new QListWidget(this);
    cbOpt_->setObjectName(QStringLiteral("cbOpt"));
    cbOpt_->setFixedSize(150, 220);
    AddCheckEntries(*cbOpt_, {QStringLiteral("Keep matrix"), QStringLiteral("C index"),
                              QStringLiteral("X index"), QStringLiteral("Polynomial")});
    lbOpt->setBuddy(cbOpt_);
    lists->addWidget(lbOpt, 0, 1);
    lists->addWidget(cbOpt_, 1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    BitBtnOK_ = AddOkButton(*this, *buttons);
    AddCancelButton(*this, *buttons);
    layout->addLayout(buttons);

    connect(lstMatr_, &QListWidget::itemSelectionChanged, this, &TFShMatrDlg::SelectionChanged);

    SetUpDialogFrame(*this, "TFShMatrDlg", QStringLiteral("ACaption"));
    SelectionChanged();
}

void TFShMatrDlg::SetCaption(const char* caption) {
    setWindowTitle(CallerText(caption, windowTitle()));
}

void TFShMatrDlg::SetNames(const QStringList& names) {
    lstMatr_->addItems(names);
}

std::optional<QString> TFShMatrDlg::SelectedName() const {
    return SelectedText(*lstMatr_);
}

QBitArray TFShMatrDlg::Options() const {
    return TickedBits(*cbOpt_);
}

void TFShMatrDlg::SelectionChanged() {
    BitBtnOK_->setEnabled(SelectedName().has_value());
}

} // namespace grafida::dlgpack
