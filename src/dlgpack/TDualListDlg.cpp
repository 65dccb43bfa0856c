#include "dlgpack/TDualListDlg.h"

#include "dlgpack/DialogFrame.h"
#include "dlgpack/DragListWidget.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace grafida::dlgpack {

namespace {

QPushButton* NewMoveButton(QWidget* parent, const char* objectName, const QString& text) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setFlat(true);
    button->setAutoDefault(false);
    // Moving entries leaves the focus in the lists, where the user is choosing.
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedWidth(36);
    return button;
}

DragListWidget* NewMultipleChoiceList(QWidget* parent, const char* objectName) {
    auto* list = new DragListWidget(parent);
    list->setObjectName(QString::fromLatin1(objectName));
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setFixedSize(180, 220);
    return list;
}

int FirstOrNone(const QList<int>& rows) {
    return rows.isEmpty() ? -1 : rows.front();
}

} // namespace

TDualListDlg::TDualListDlg(QWidget* owner, int requiredCount)
    : QDialog(owner), requiredCount_(requiredCount) {
    auto* layout = new QVBoxLayout(this);
    auto* lists = new QGridLayout;
    layout->addLayout(lists);

    SrcLabel_ = new QLabel(QStringLiteral("Source List:"), this);
    SrcLabel_->setObjectName(QStringLiteral("SrcLabel"));
    SrcList_ = NewMultipleChoiceList(this, "SrcList");
    SrcLabel_->setBuddy(SrcList_);
    lists->addWidget(SrcLabel_, 0, 0);
    lists->addWidget(SrcList_, 1, 0);

    auto* moves = new QVBoxLayout;
    moves->addStretch();
    IncludeBtn_ = NewMoveButton(this, "IncludeBtn", QStringLiteral(">"));
    IncAllBtn_ = NewMoveButton(this, "IncAllBtn", QStringLiteral(">>"));
    ExcludeBtn_ = NewMoveButton(this, "ExcludeBtn", QStringLiteral("<"));
    ExAllBtn_ = NewMoveButton(this, "ExAllBtn", QStringLiteral("<<"));
    for (auto* button : {IncludeBtn_, IncAllBtn_, ExcludeBtn_, ExAllBtn_})
        moves->addWidget(button);
    moves->addStretch();
    lists->addLayout(moves, 1, 1);

    DstLabel_ = new QLabel(QStringLiteral("Destination List:"), this);
    DstLabel_->setObjectName(QStringLiteral("DstLabel"));
    DstList_ = NewMultipleChoiceList(this, "DstList");
    DstLabel_->setBuddy(DstList_);
    lists->addWidget(DstLabel_, 0, 2);
    lists->addWidget(DstList_, 1, 2);

    cbKeep_ = new QCheckBox(QStringLiteral("K&eep matrix"), this);
    cbKeep_->setObjectName(QStringLiteral("cbKeep"));
    layout->addWidget(cbKeep_);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    BitBtnOK_ = AddOkButton(*this, *buttons, QStringLiteral("O&K"));
    AddCancelButton(*this, *buttons, QStringLiteral("&Cancel"));
    layout->addLayout(buttons);

    DstList_->AcceptDropsFrom({SrcList_, DstList_});
    DstList_->installEventFilter(this);
    connect(IncludeBtn_, &QPushButton::clicked, this, &TDualListDlg::IncludeSelected);
    connect(IncAllBtn_, &QPushButton::clicked, this, &TDualListDlg::IncludeAll);
    connect(ExcludeBtn_, &QPushButton::clicked, this, &TDualListDlg::ExcludeSelected);
    connect(ExAllBtn_, &QPushButton::clicked, this, &TDualListDlg::ExcludeAll);
    connect(SrcList_, &QListWidget::itemDoubleClicked, this, &TDualListDlg::IncludeSelected);
    connect(DstList_, &QListWidget::itemDoubleClicked, this, &TDualListDlg::ExcludeSelected);
    connect(DstList_, &DragListWidget::RowsDropped, this,
            [this](DragListWidget* source, const QList<int>& rows, int) {
                AppendFrom(*source, rows);
                UpdateButtons();
            });

    SetUpDialogFrame(*this, "TDualListDlg", QStringLiteral("Choices Dialog"));
    UpdateButtons();
}

void TDualListDlg::SetTexts(const char* caption, const char* sourceLabel, const char* destinationLabel,
                            const char* keepCaption) {
    setWindowTitle(CallerText(caption, windowTitle()));
    SrcLabel_->setText(CallerText(sourceLabel, SrcLabel_->text()));
    DstLabel_->setText(CallerText(destinationLabel, DstLabel_->text()));
    cbKeep_->setText(CallerText(keepCaption, cbKeep_->text()));
}

void TDualListDlg::SetNames(const QStringList& names) {
    SrcList_->addItems(names);
    UpdateButtons();
}

QStringList TDualListDlg::ChosenNames() const {
    QStringList names;
    for (int row = 0; row < DstList_->count(); ++row)
        names.append(DstList_->item(row)->text());
    return names;
}

bool TDualListDlg::Keep() const {
    return cbKeep_->isChecked();
}

void TDualListDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    UpdateButtons();
}

bool TDualListDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == DstList_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        RemoveSelectedFromDestination();
        UpdateButtons();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TDualListDlg::IncludeSelected() {
    const QList<int> rows = SrcList_->SelectedRows();
    AppendFrom(*SrcList_, rows);
    SelectAfterMove(*SrcList_, FirstOrNone(rows));
}

void TDualListDlg::IncludeAll() {
    const int first = FirstOrNone(SrcList_->SelectedRows());
    QList<int> rows;
    for (int row = 0; row < SrcList_->count(); ++row)
        rows.append(row);
    AppendFrom(*SrcList_, rows);
    SelectAfterMove(*SrcList_, first);
}

void TDualListDlg::ExcludeSelected() {
    const int first = FirstOrNone(DstList_->SelectedRows());
    RemoveSelectedFromDestination();
    SelectAfterMove(*DstList_, first);
}

void TDualListDlg::ExcludeAll() {
    DstList_->clear();
    SelectAfterMove(*DstList_, -1);
}

void TDualListDlg::AppendFrom(const QListWidget& source, const QList<int>& rows) {
    QStringList names;
    for (const int row : rows)
        names.append(source.item(row)->text());
    DstList_->addItems(names);
}

void TDualListDlg::RemoveSelectedFromDestination() {
    const QList<int> rows = DstList_->SelectedRows();
    for (auto row = rows.crbegin(); row != rows.crend(); ++row)
        delete DstList_->takeItem(*row);
}

void TDualListDlg::SelectAfterMove(QListWidget& list, int row) {
    if (list.count() > 0) {
        list.setFocus();
        const int shown = row < 0 ? 0 : std::min(row, list.count() - 1);
        // Adds to the selection, so that ">" pressed again takes the same names again.
        list.setCurrentRow(shown, QItemSelectionModel::Select);
    }
    UpdateButtons();
}

void TDualListDlg::UpdateButtons() {
    const bool anySource = SrcList_->count() > 0;
    const bool anyChosen = DstList_->count() > 0;
    IncludeBtn_->setEnabled(anySource);
    IncAllBtn_->setEnabled(anySource);
    ExcludeBtn_->setEnabled(anyChosen);
    ExAllBtn_->setEnabled(anyChosen);
    const bool complete = DstList_->count() == requiredCount_;
    BitBtnOK_->setEnabled(complete);
    cbKeep_->setEnabled(complete);
}

} // namespace grafida::dlgpack
