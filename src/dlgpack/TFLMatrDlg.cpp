#include "dlgpack/TFLMatrDlg.h"

#include "dlgpack/CheckLists.h"
#include "dlgpack/DialogFrame.h"
#include "dlgpack/PropertyCatalogue.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace grafida::dlgpack {

namespace {

QLabel* NewLabel(QWidget* parent, const char* objectName, const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setBuddy(buddy);
    return label;
}

} // namespace

TFLMatrDlg::TFLMatrDlg(QWidget* owner) : QDialog(owner) {
    auto* layout = new QVBoxLayout(this);
    auto* lists = new QGridLayout;
    layout->addLayout(lists);

    lstMatr_ = NewSingleChoiceList(this, "lstMatr");
    lstMatr_->setFixedSize(200, 220);
    lists->addWidget(NewLabel(this, "lbMatrLst", QStringLiteral("&Matrix list"), lstMatr_), 0, 0);
    lists->addWidget(lstMatr_, 1, 0);

    clbProp_ = new QListWidget(this);
    clbProp_->setObjectName(QStringLiteral("clbProp"));
    clbProp_->setFixedSize(190, 220);
    lists->addWidget(NewLabel(this, "lbProp", QStringLiteral("P&roperties"), clbProp_), 0, 1);
    lists->addWidget(clbProp_, 1, 1);

    clbOptions_ = new QListWidget(this);
    clbOptions_->setObjectName(QStringLiteral("clbOptions"));
    clbOptions_->setFixedSize(150, 220);
    AddCheckEntries(*clbOptions_, {QStringLiteral("Keep matrix"), QStringLiteral("X index"),
                                   QStringLiteral("C index"), QStringLiteral("Polynomial")});
    lbOptions_ = NewLabel(this, "lbOptions", QStringLiteral("Op&tions"), clbOptions_);
    lists->addWidget(lbOptions_, 0, 2);
    lists->addWidget(clbOptions_, 1, 2);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    BitBtnOK_ = AddOkButton(*this, *buttons);
    AddCancelButton(*this, *buttons);
    layout->addLayout(buttons);

    connect(lstMatr_, &QListWidget::itemSelectionChanged, this, &TFLMatrDlg::SelectionChanged);

    SetUpDialogFrame(*this, "TFLMatrDlg", QStringLiteral("ACaption"));
    SelectionChanged();
}

void TFLMatrDlg::SetCaption(const char* caption) {
    setWindowTitle(CallerText(caption, windowTitle()));
}

void TFLMatrDlg::SetNames(const QStringList& names, const QStringList& propertyCatalogue) {
    catalogue_ = ToStdStrings(propertyCatalogue);
    lstMatr_->addItems(names);
}

std::optional<QString> TFLMatrDlg::SelectedName() const {
    return SelectedText(*lstMatr_);
}

QStringList TFLMatrDlg::TickedProperties() const {
    return TickedTexts(*clbProp_);
}

QBitArray TFLMatrDlg::Options() const {
    return TickedBits(*clbOptions_);
}

void TFLMatrDlg::SelectionChanged() {
    const auto name = SelectedName();
    // Unlike the W matrix dialog, a molecule without properties shows an empty list.
    clbProp_->clear();
    if (name) {
        if (const auto properties =
                FindMatrixProperties(catalogue_, name->toStdString(), MatchingEntry::First))
            ShowSortedCheckEntries(*clbProp_, *properties);
    }
    for (QWidget* control : std::initializer_list<QWidget*>{lbOptions_, clbOptions_, BitBtnOK_})
        control->setEnabled(name.has_value());
}

} // namespace grafida::dlgpack
