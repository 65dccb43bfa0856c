#include "app/TFormMatrMng.h"

#include "app/TFMain.h"
#include "app/TFormMDIChild.h"
#include "app/UserDialogs.h"
#include "workspace/TextDocuments.h"

#include <QApplication>
#include <QDataStream>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHBoxLayout>
#include <QIODevice>
#include <QKeyEvent>
#include <QMimeData>
#include <QPushButton>
#include <QVBoxLayout>

namespace grafida::app {

namespace {

const QString kDragFormat = QStringLiteral("application/x-grafida-matrix-entry");

// The text windows the Eigenvalues key opens, one per matrix.
class MainTextWindows final : public TextWindows {
public:
    explicit MainTextWindows(TFMain& main) : main_(main) {}
    TextTarget& Open(const std::string& caption) override {
        const int open = static_cast<int>(main_.TextWindows().size());
        return *main_.CreateTextWindow(caption.empty() ? NewDocumentCaption(open) : caption);
    }
    void Discard(TextTarget& window) override { static_cast<TFormMDIChild&>(window).CloseWithoutQuestion(); }

private:
    TFMain& main_;
};

} // namespace

MatrixCheckList::MatrixCheckList(QWidget* parent) : QListWidget(parent) {
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::MoveAction);
    // Drops arrive at the viewport, which takes none unless told.
    viewport()->setAcceptDrops(true);
}

QMimeData* MatrixCheckList::DragData(int row) const {
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream << reinterpret_cast<quintptr>(this) << static_cast<qint32>(QApplication::applicationPid()) << row;
    auto* data = new QMimeData;
    data->setData(kDragFormat, bytes);
    return data;
}

QStringList MatrixCheckList::mimeTypes() const {
    return {kDragFormat};
}

QMimeData* MatrixCheckList::mimeData(const QList<QListWidgetItem*>& items) const {
    return items.isEmpty() ? nullptr : DragData(row(items.front()));
}

int MatrixCheckList::DraggedRow(const QMimeData* data) const {
    if (!data || !data->hasFormat(kDragFormat))
        return -1;
    const QByteArray bytes = data->data(kDragFormat);
    QDataStream stream(bytes);
    quintptr list = 0;
    qint32 pid = 0;
    int row = -1;
    stream >> list >> pid >> row;
    const bool ours = stream.status() == QDataStream::Ok && list == reinterpret_cast<quintptr>(this) &&
                      pid == static_cast<qint32>(QApplication::applicationPid());
    return ours ? row : -1;
}

void MatrixCheckList::dragEnterEvent(QDragEnterEvent* event) {
    if (DraggedRow(event->mimeData()) >= 0)
        event->acceptProposedAction();
    else
        event->ignore();
}

void MatrixCheckList::dragMoveEvent(QDragMoveEvent* event) {
    if (DraggedRow(event->mimeData()) >= 0)
        event->acceptProposedAction();
    else
        event->ignore();
}

void MatrixCheckList::dropEvent(QDropEvent* event) {
    const int from = DraggedRow(event->mimeData());
    if (from < 0) {
        event->ignore();
        return;
    }
    // The store is reordered and the list filled anew; the view moves nothing itself.
    event->setDropAction(Qt::IgnoreAction);
    event->accept();
    const QListWidgetItem* target = itemAt(event->position().toPoint());
    emit EntryDropped(from, target ? row(target) : -1);
}

TFormMatrMng::TFormMatrMng(TFMain& main)
    : QWidget(&main, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint |
                         Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      main_(main) {
    setObjectName(QStringLiteral("FormMatrMng"));
    setWindowTitle(QString::fromUtf8(texts::kMatrixManagerCaption));

    chbMatrices_ = new MatrixCheckList(this);
    chbMatrices_->setObjectName(QStringLiteral("chbMatrices"));
    const auto button = [this](const char* name, const char* caption) {
        auto* b = new QPushButton(QString::fromUtf8(caption), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        b->installEventFilter(this);
        return b;
    };
    BitBtnDisplay_ = button("BitBtnDisplay", "&Display");
    BitBtnDelete_ = button("BitBtnDelete", "De&lete");
    BitBtnSave_ = button("BitBtnSave", "&Save");
    BitBtnClose_ = button("BitBtnClose", "&Close");
    EnableButtons(false);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {BitBtnDisplay_, BitBtnDelete_, BitBtnSave_})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(BitBtnClose_);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(chbMatrices_, 1);
    layout->addLayout(buttons);

    chbMatrices_->installEventFilter(this);
    connect(chbMatrices_, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        if (!filling_)
            chbMatricesClickCheck(item);
    });
    connect(chbMatrices_, &MatrixCheckList::EntryDropped, this, [this](int from, int dropRow) {
        Run([this, from, dropRow] {
            if (ReorderMatrix(main_.CurrentWorkspace(), from, dropRow))
                Refresh();
        });
    });
    connect(BitBtnDisplay_, &QPushButton::clicked, this, [this] { DisplayClick(); });
    connect(BitBtnDelete_, &QPushButton::clicked, this, [this] { DeleteClick(); });
    connect(BitBtnSave_, &QPushButton::clicked, this, [this] { SaveClick(); });
    connect(BitBtnClose_, &QPushButton::clicked, this, &QWidget::close);

    setFixedSize(360, 300);
    move(main.geometry().center() - rect().center());
}

void TFormMatrMng::Refresh() {
    // Pending events run while the list fills; one of them may activate the window again.
    if (filling_)
        return;
    filling_ = true;
    chbMatrices_->clear();
    entries_ = MatrixManagerEntries(main_.CurrentWorkspace());
    const std::vector<std::string> entries = entries_;
    for (const std::string& name : entries) {
        auto* item = new QListWidgetItem(QString::fromStdString(name), chbMatrices_);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable |
                       Qt::ItemIsDragEnabled);
        item->setCheckState(Qt::Unchecked);
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    filling_ = false;
    if (entries_.empty())
        EnableButtons(false);
}

bool TFormMatrMng::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::Show)
        Refresh();
    if (event->type() == QEvent::KeyPress && FormKeyDown(*static_cast<QKeyEvent*>(event)))
        return true;
    return QWidget::event(event);
}

bool TFormMatrMng::eventFilter(QObject* watched, QEvent* event) {
    // The window sees every key before the control that has the focus.
    if (event->type() == QEvent::KeyPress && FormKeyDown(*static_cast<QKeyEvent*>(event)))
        return true;
    return QWidget::eventFilter(watched, event);
}

bool TFormMatrMng::FormKeyDown(const QKeyEvent& key) {
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    const bool ctrlOnly = modifiers == Qt::ControlModifier;
    const bool keypad = key.modifiers().testFlag(Qt::KeypadModifier);
    Workspace& workspace = main_.CurrentWorkspace();
    const auto scalar = [&](ScalarOperation operation) {
        Run([&, operation] {
            if (ApplyScalar(workspace, operation, TickedMatrices(), Asker()))
                Refresh();
        });
    };
    switch (key.key()) {
    case Qt::Key_Escape:
        close();
        return true;
    case Qt::Key_Delete:
        DeleteClick();
        return true;
    case Qt::Key_V:
        DisplayClick();
        return true;
    case Qt::Key_C:
        if (!ctrlOnly)
            return false;
        Run([&] {
            CopyMatrices(workspace, TickedMatrices(), entries_, Asker());
            Refresh();
        });
        return true;
    case Qt::Key_T:
        if (!ctrlOnly)
            return false;
        Run([&] {
            if (TransposeMatrices(workspace, TickedMatrices()))
                Refresh();
        });
        return true;
    case Qt::Key_I:
        if (!ctrlOnly)
            return false;
        Run([&] {
            InvertMatrices(workspace, TickedMatrices());
            Refresh();
        });
        return true;
    case Qt::Key_E:
        if (!ctrlOnly)
            return false;
        Run([&] {
            MainTextWindows windows(main_);
            const auto ticked = TickedMatrices();
            close();
            PrintMatrixEigenvalues(workspace, ticked, windows);
        });
        return true;
    case Qt::Key_X:
        if (!ctrlOnly)
            return false;
        Run([&] {
            const int open = static_cast<int>(main_.TextWindows().size());
            TFormMDIChild* window = main_.CreateTextWindow(NewDocumentCaption(open));
            if (PrintCharacteristicPolynomials(workspace, TickedMatrices(), *window))
                close();
        });
        return true;
    case Qt::Key_Asterisk:
        if (!keypad)
            return false;
        scalar(ScalarOperation::Multiply);
        return true;
    case Qt::Key_Plus:
        if (!keypad)
            return false;
        scalar(ScalarOperation::Add);
        return true;
    case Qt::Key_Minus:
        if (!keypad)
            return false;
        scalar(ScalarOperation::Subtract);
        return true;
    case Qt::Key_Slash:
        if (!keypad)
            return false;
        scalar(ScalarOperation::Divide);
        return true;
    default:
        return false;
    }
}

void TFormMatrMng::chbMatricesClickCheck(QListWidgetItem*) {
    const int count = chbMatrices_->count();
    std::vector<bool> ticks(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        ticks[static_cast<size_t>(i)] = chbMatrices_->item(i)->checkState() == Qt::Checked;
    if (count >= 3) {
        selectAll_.Apply(ticks);
        filling_ = true;
        for (int i = 0; i < count; ++i)
            chbMatrices_->item(i)->setCheckState(ticks[static_cast<size_t>(i)] ? Qt::Checked : Qt::Unchecked);
        filling_ = false;
    }
    EnableButtons(std::find(ticks.begin(), ticks.end(), true) != ticks.end());
}

void TFormMatrMng::EnableButtons(bool enabled) {
    for (QPushButton* b : {BitBtnDisplay_, BitBtnDelete_, BitBtnSave_})
        b->setEnabled(enabled);
}

std::vector<std::string> TFormMatrMng::TickedMatrices() const {
    // The last entry is "Select all" whenever two or more matrices are listed.
    const int matrices = static_cast<int>(entries_.size()) - (entries_.size() >= 2 ? 1 : 0);
    std::vector<std::string> ticked;
    for (int i = 0; i < matrices && i < chbMatrices_->count(); ++i)
        if (chbMatrices_->item(i)->checkState() == Qt::Checked)
            ticked.push_back(entries_[static_cast<size_t>(i)]);
    return ticked;
}

AskText TFormMatrMng::Asker() {
    return [this](const std::string& caption, const std::string& prompt, const std::string& value) {
        return CurrentDialogs().InputText(this, QString::fromStdString(caption),
                                          QString::fromStdString(prompt), QString::fromStdString(value));
    };
}

void TFormMatrMng::Run(const std::function<void()>& command) {
    main_.RunCommand(command);
}

void TFormMatrMng::DisplayClick() {
    TFormMDIChild* window = nullptr;
    CommandResult result;
    Run([&] {
        const int open = static_cast<int>(main_.TextWindows().size());
        window = main_.CreateTextWindow(NewDocumentCaption(open));
        result = DisplayMatrices(main_.CurrentWorkspace(), TickedMatrices(), *window);
        if (!result.discardWindow)
            window->SetCaption(WindowCaption(result, static_cast<int>(main_.TextWindows().size())));
    });
    // A text window refuses to close while a command runs, so the empty one goes now.
    if (window && result.discardWindow)
        window->CloseWithoutQuestion();
    close();
}

void TFormMatrMng::DeleteClick() {
    Run([this] {
        DeleteMatrices(main_.CurrentWorkspace(), TickedMatrices());
        Refresh();
        EnableButtons(false);
    });
}

void TFormMatrMng::SaveClick() {
    Run([this] {
        const auto ticked = TickedMatrices();
        SaveMatrices(main_.CurrentWorkspace(), ticked);
        // Every saved entry is unticked, and the last entry with them.
        filling_ = true;
        for (int i = 0; i < chbMatrices_->count(); ++i) {
            QListWidgetItem* item = chbMatrices_->item(i);
            const bool saved =
                std::find(ticked.begin(), ticked.end(), item->text().toStdString()) != ticked.end();
            if (saved || i == chbMatrices_->count() - 1)
                item->setCheckState(Qt::Unchecked);
        }
        filling_ = false;
    });
}

} // namespace grafida::app
