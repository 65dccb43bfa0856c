#include "app/TFWalkOpt.h"

#include "workspace/WalkOptions.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace grafida::app {

namespace {

// The list a drag started in, when it is one of ours in this process.
WalkNameList* DragSource(const QDropEvent* event) {
    return qobject_cast<WalkNameList*>(event->source());
}

std::vector<std::string> Names(const QListWidget& list) {
    std::vector<std::string> names;
    for (int i = 0; i < list.count(); ++i)
        names.push_back(list.item(i)->text().toStdString());
    return names;
}

} // namespace

WalkNameList::WalkNameList(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::CopyAction);
}

QStringList WalkNameList::SelectedNames() const {
    QStringList names;
    for (int i = 0; i < count(); ++i)
        if (item(i)->isSelected())
            names << item(i)->text();
    return names;
}

void WalkNameList::dragEnterEvent(QDragEnterEvent* event) {
    if (acceptDrops() && DragSource(event))
        event->acceptProposedAction();
    else
        event->ignore();
}

void WalkNameList::dragMoveEvent(QDragMoveEvent* event) {
    if (acceptDrops() && DragSource(event))
        event->acceptProposedAction();
    else
        event->ignore();
}

void WalkNameList::dropEvent(QDropEvent* event) {
    WalkNameList* source = DragSource(event);
    if (!acceptDrops() || !source) {
        event->ignore();
        return;
    }
    // The names are appended by the dialog; the source keeps its entries.
    event->setDropAction(Qt::IgnoreAction);
    event->accept();
    emit NamesDropped(source->SelectedNames());
}

TFWalkOpt::TFWalkOpt(Workspace& workspace, QWidget* owner) : QDialog(owner), workspace_(workspace) {
    setObjectName(QStringLiteral("FWalkOpt"));
    setWindowTitle(QStringLiteral("Walk operator options"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint);

    auto* grid = new QGridLayout(this);
    baseMatrLst_ = new WalkNameList(this);
    baseMatrLst_->setObjectName(QStringLiteral("baseMatrLst"));
    baseMatrLst_->setAcceptDrops(false);
    for (const std::string& name : WalkBaseMatrixNames())
        baseMatrLst_->addItem(QString::fromStdString(name));
    auto* lbBaseMatr = new QLabel(QStringLiteral("Base &matrix"), this);
    lbBaseMatr->setBuddy(baseMatrLst_);
    grid->addWidget(lbBaseMatr, 0, 0);
    grid->addWidget(baseMatrLst_, 1, 0, 6, 1);

    static constexpr const char* captions[] = {"Matrix list for M&1", "Matrix list for M&2",
                                               "Matrix List for M&3"};
    for (int k = 0; k < 3; ++k) {
        const QString n = QString::number(k + 1);
        auto* list = new WalkNameList(this);
        list->setObjectName(QStringLiteral("m%1SelMatr").arg(n));
        list->setAcceptDrops(true);
        list->viewport()->setAcceptDrops(true);
        list->installEventFilter(this);
        auto* label = new QLabel(QString::fromUtf8(captions[k]), this);
        label->setBuddy(list);
        auto* include = new QPushButton(QStringLiteral(">"), this);
        include->setObjectName(QStringLiteral("sbInclude%1").arg(n));
        auto* exclude = new QPushButton(QStringLiteral("<"), this);
        exclude->setObjectName(QStringLiteral("sbExclude%1").arg(n));
        for (QPushButton* b : {include, exclude}) {
            b->setAutoDefault(false);
            b->setFixedWidth(28);
        }
        auto* buttons = new QVBoxLayout;
        buttons->addWidget(include);
        buttons->addWidget(exclude);
        grid->addWidget(label, 2 * k, 2);
        grid->addLayout(buttons, 2 * k + 1, 1);
        grid->addWidget(list, 2 * k + 1, 2);
        selected_[static_cast<size_t>(k)] = list;
        include_[static_cast<size_t>(k)] = include;
        exclude_[static_cast<size_t>(k)] = exclude;

        connect(include, &QPushButton::clicked, this, [this, list] {
            list->addItems(baseMatrLst_->SelectedNames());
            UpdateControls();
        });
        connect(exclude, &QPushButton::clicked, this, [this, list] {
            for (int i = list->count() - 1; i >= 0; --i)
                if (list->item(i)->isSelected())
                    delete list->takeItem(i);
            UpdateControls();
        });
        connect(list, &WalkNameList::NamesDropped, this, [this, list](const QStringList& names) {
            list->addItems(names);
            UpdateControls();
        });
    }

    sbAddMatr_ = new QPushButton(QStringLiteral("&Add matrix from files ..."), this);
    sbAddMatr_->setObjectName(QStringLiteral("sbAddMatr"));
    sbAddMatr_->setToolTip(QStringLiteral("Adds matrices from disk files"));
    sbAddMatr_->setAutoDefault(false);
    connect(sbAddMatr_, &QPushButton::clicked, this, [this] { AddMatrixFromFiles(); });
    BitBtnOK_ = new QPushButton(QStringLiteral("OK"), this);
    BitBtnOK_->setObjectName(QStringLiteral("BitBtnOK"));
    BitBtnCancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    BitBtnCancel_->setObjectName(QStringLiteral("BitBtnCancel"));
    for (QPushButton* b : {BitBtnOK_, BitBtnCancel_})
        b->setAutoDefault(false);
    connect(BitBtnOK_, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtnCancel_, &QPushButton::clicked, this, &QDialog::reject);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(sbAddMatr_);
    bottom->addStretch();
    bottom->addWidget(BitBtnOK_);
    bottom->addWidget(BitBtnCancel_);
    grid->addLayout(bottom, 6, 2);

    UpdateControls();
    if (owner)
        move(owner->window()->geometry().center() - rect().center());
}

void TFWalkOpt::UpdateControls() {
    bool allFilled = true;
    for (size_t k = 0; k < 3; ++k) {
        include_[k]->setEnabled(baseMatrLst_->count() > 0);
        exclude_[k]->setEnabled(selected_[k]->count() > 0);
        allFilled = allFilled && selected_[k]->count() > 0;
    }
    BitBtnOK_->setEnabled(allFilled);
}

void TFWalkOpt::AddMatrixFromFiles() {
    for (const std::string& name : CommonSavedMatrixNames(workspace_))
        baseMatrLst_->addItem(QString::fromStdString(name));
    UpdateControls();
}

std::vector<std::string> TFWalkOpt::Block() const {
    return WalkOptionsBlock(Names(*selected_[0]), Names(*selected_[1]), Names(*selected_[2]));
}

bool TFWalkOpt::eventFilter(QObject* watched, QEvent* event) {
    // Delete in a selection list removes its selected names, as "<" does.
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        for (size_t k = 0; k < 3; ++k)
            if (watched == selected_[k]) {
                exclude_[k]->click();
                return true;
            }
    }
    return QDialog::eventFilter(watched, event);
}

void TFWalkOpt::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        reject();
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (BitBtnOK_->isEnabled())
            accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool GetWalkOptions(Workspace& workspace, QWidget* owner, std::vector<std::string>& lines) {
    TFWalkOpt dialog(workspace, owner);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const auto block = dialog.Block();
    lines.insert(lines.end(), block.begin(), block.end());
    return true;
}

} // namespace grafida::app
