#include "dlgpack/TFMatrWPrDlg.h"

#include "dlgpack/CheckLists.h"
#include "dlgpack/DialogFrame.h"
#include "dlgpack/PropertyCatalogue.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>

namespace grafida::dlgpack {

TFMatrWPrDlg::TFMatrWPrDlg(QWidget* owner) : QDialog(owner) {
    auto* layout = new QVBoxLayout(this);
    auto* lists = new QGridLayout;
    layout->addLayout(lists);

    lbMatrLst_ = new QLabel(QStringLiteral("Matrix list"), this);
    lbMatrLst_->setObjectName(QStringLiteral("lbMatrLst"));
    lstMatr_ = NewSingleChoiceList(this, "lstMatr");
    lstMatr_->setFixedSize(200, 220);
    lbMatrLst_->setBuddy(lstMatr_);
    lists->addWidget(lbMatrLst_, 0, 0);
    lists->addWidget(lstMatr_, 1, 0);

    lbProp_ = new QLabel(QStringLiteral("Properties"), this);
    lbProp_->setObjectName(QStringLiteral("lbProp"));
    clbProp_ = new QListWidget(this);
    clbProp_->setObjectName(QStringLiteral("clbProp"));
    clbProp_->setFixedSize(190, 220);
    lbProp_->setBuddy(clbProp_);
    lists->addWidget(lbProp_, 0, 1);
    lists->addWidget(clbProp_, 1, 1);

    auto* options = new QHBoxLayout;
    cbKeep_ = new QCheckBox(QStringLiteral("&Keep matrix"), this);
    cbKeep_->setObjectName(QStringLiteral("cbKeep"));
    options->addWidget(cbKeep_);
    options->addStretch();
    lbPower_ = new QLabel(QStringLiteral("&Power"), this);
    lbPower_->setObjectName(QStringLiteral("lbPower"));
    SpinEditPower_ = new QSpinBox(this);
    SpinEditPower_->setObjectName(QStringLiteral("SpinEditPower"));
    SpinEditPower_->setRange(0, 65000);
    SpinEditPower_->setValue(1);
    lbPower_->setBuddy(SpinEditPower_);
    options->addWidget(lbPower_);
    options->addWidget(SpinEditPower_);
    layout->addLayout(options);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    BitBtnOK_ = AddOkButton(*this, *buttons);
    AddCancelButton(*this, *buttons);
    layout->addLayout(buttons);

    connect(lstMatr_, &QListWidget::itemSelectionChanged, this, &TFMatrWPrDlg::SelectionChanged);

    SetUpDialogFrame(*this, "TFMatrWPrDlg", QStringLiteral("ACaption"));
    SelectionChanged();
}

void TFMatrWPrDlg::SetTexts(const char* caption, const char* matrixLabel, const char* propertyLabel,
                            const char* keepCaption) {
    setWindowTitle(CallerText(caption, windowTitle()));
    lbMatrLst_->setText(CallerText(matrixLabel, lbMatrLst_->text()));
    lbProp_->setText(CallerText(propertyLabel, lbProp_->text()));
    cbKeep_->setText(CallerText(keepCaption, cbKeep_->text()));
}

void TFMatrWPrDlg::SetNames(const QStringList& names, const QStringList& propertyCatalogue) {
    catalogue_ = ToStdStrings(propertyCatalogue);
    lstMatr_->addItems(names);
}

std::optional<QString> TFMatrWPrDlg::SelectedName() const {
    return SelectedText(*lstMatr_);
}

QStringList TFMatrWPrDlg::TickedProperties() const {
    return TickedTexts(*clbProp_);
}

bool TFMatrWPrDlg::Keep() const {
    return cbKeep_->isChecked();
}

std::uint16_t TFMatrWPrDlg::Power() const {
    return static_cast<std::uint16_t>(SpinEditPower_->value());
}

void TFMatrWPrDlg::SelectionChanged() {
    const auto name = SelectedName();
    // A matrix whose molecule has no properties leaves the previous molecule's list shown.
    if (name) {
        if (const auto properties =
                FindMatrixProperties(catalogue_, name->toStdString(), MatchingEntry::Last))
            ShowSortedCheckEntries(*clbProp_, *properties);
    }
    for (QWidget* control : std::initializer_list<QWidget*>{cbKeep_, lbPower_, SpinEditPower_, BitBtnOK_})
        control->setEnabled(name.has_value());
}

} // namespace grafida::dlgpack
