#include "app/TFormMolMng.h"

#include "app/TFMain.h"
#include "workspace/MoleculeViewer.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QVBoxLayout>
#include <cstdlib>

namespace grafida::app {

namespace {

inline constexpr int kEntryHeight = 16;
inline constexpr int kTextOffset = 22;

// Each entry: its rectangle cleared in the list's colours, the icon at its top-left
// corner, the name 22 pixels to the right of its left edge, at its top.
class MoleculeEntryDelegate final : public QStyledItemDelegate {
public:
    MoleculeEntryDelegate(const QPixmap& icon, QObject* parent) : QStyledItemDelegate(parent), icon_(icon) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const bool selected = option.state.testFlag(QStyle::State_Selected);
        const QPalette& palette = option.palette;
        painter->save();
        painter->fillRect(option.rect, selected ? palette.highlight() : palette.base());
        painter->drawPixmap(option.rect.topLeft(), icon_);
        painter->setPen(selected ? palette.highlightedText().color() : palette.text().color());
        const QRect text = option.rect.adjusted(kTextOffset, 0, 0, 0);
        painter->drawText(text, Qt::AlignLeft | Qt::AlignTop, index.data(Qt::DisplayRole).toString());
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const int width = kTextOffset + option.fontMetrics.horizontalAdvance(index.data().toString());
        return {width, kEntryHeight};
    }

private:
    QPixmap icon_;
};

std::string PathVariable() {
    const char* path = std::getenv("PATH");
    return path ? path : "";
}

} // namespace

QPixmap MoleculeIcon() {
    QPixmap icon(kEntryHeight, kEntryHeight);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF a(3.5, 12.5), b(8, 4), c(12.5, 12.5);
    painter.setPen(QPen(QColor(60, 60, 60), 1.5));
    painter.drawLine(a, b);
    painter.drawLine(b, c);
    painter.drawLine(c, a);
    painter.setPen(Qt::NoPen);
    for (const auto& [centre, colour] : {std::pair{a, QColor(70, 70, 70)}, std::pair{b, QColor(200, 40, 40)},
                                         std::pair{c, QColor(40, 80, 200)}}) {
        painter.setBrush(colour);
        painter.drawEllipse(centre, 3, 3);
    }
    return icon;
}

TFormMolMng::TFormMolMng(TFMain& main)
    : QWidget(&main, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint |
                         Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      main_(main), MolIcon_(MoleculeIcon()) {
    setObjectName(QStringLiteral("FormMolMng"));
    setWindowTitle(QStringLiteral("Molecules stored in memory"));

    lbMolec_ = new QListWidget(this);
    lbMolec_->setObjectName(QStringLiteral("lbMolec"));
    lbMolec_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lbMolec_->setUniformItemSizes(true);
    lbMolec_->setItemDelegate(new MoleculeEntryDelegate(MolIcon_, lbMolec_));
    lbMolec_->installEventFilter(this);

    const auto button = [this](const char* name, const QString& caption) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        b->installEventFilter(this);
        return b;
    };
    BitBtnDisp_ = button("BitBtnDisp", QStringLiteral("&Display"));
    BitBtnDelete_ = button("BitBtnDelete", QStringLiteral("De&lete"));
    BitBtnCancel_ = button("BitBtnCancel", QStringLiteral("Cancel"));
    BitBtnDisp_->setEnabled(false);
    BitBtnDelete_->setEnabled(false);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(BitBtnDisp_);
    buttons->addWidget(BitBtnDelete_);
    buttons->addStretch();
    buttons->addWidget(BitBtnCancel_);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(lbMolec_, 1);
    layout->addLayout(buttons);

    connect(lbMolec_, &QListWidget::itemSelectionChanged, this, [this] { UpdateButtons(); });
    connect(lbMolec_, &QListWidget::itemDoubleClicked, this, [this] { DisplayClick(); });
    connect(BitBtnDisp_, &QPushButton::clicked, this, [this] { DisplayClick(); });
    connect(BitBtnDelete_, &QPushButton::clicked, this, [this] { DeleteClick(); });
    connect(BitBtnCancel_, &QPushButton::clicked, this, &QWidget::close);

    setFixedSize(320, 260);
    move(main.geometry().center() - rect().center());
}

void TFormMolMng::FormActivate() {
    lbMolec_->clear();
    for (const std::string& name : main_.CurrentWorkspace().molecules.Names())
        lbMolec_->addItem(QString::fromStdString(name));
    lbMolec_->clearSelection();
    UpdateButtons();
}

void TFormMolMng::UpdateButtons() {
    const bool any = !lbMolec_->selectedItems().isEmpty();
    BitBtnDisp_->setEnabled(any);
    BitBtnDelete_->setEnabled(any);
}

bool TFormMolMng::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::Show)
        FormActivate();
    if (event->type() == QEvent::KeyPress && FormKeyDown(*static_cast<QKeyEvent*>(event)))
        return true;
    return QWidget::event(event);
}

bool TFormMolMng::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && FormKeyDown(*static_cast<QKeyEvent*>(event)))
        return true;
    return QWidget::eventFilter(watched, event);
}

bool TFormMolMng::FormKeyDown(const QKeyEvent& key) {
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
    default:
        return false;
    }
}

void TFormMolMng::DisplayClick() {
    // In list order, whatever order the user selected them in.
    std::vector<std::string> selected;
    for (int i = 0; i < lbMolec_->count(); ++i)
        if (lbMolec_->item(i)->isSelected())
            selected.push_back(lbMolec_->item(i)->text().toStdString());
    for (const ProgramStart& start :
         MoleculeViewerStarts(main_.CurrentWorkspace(), selected, PathVariable())) {
        QStringList arguments;
        for (const std::string& argument : start.arguments)
            arguments << QString::fromStdString(argument);
        // An argument list, no shell: the file name reaches the viewer as it is.
        // A viewer that fails to start is not worth a message.
        QProcess::startDetached(QString::fromStdString(start.program), arguments);
    }
}

void TFormMolMng::DeleteClick() {
    MoleculeList& molecules = main_.CurrentWorkspace().molecules;
    for (int i = lbMolec_->count() - 1; i >= 0; --i) {
        if (!lbMolec_->item(i)->isSelected())
            continue;
        const std::string name = lbMolec_->item(i)->text().toStdString();
        if (i < molecules.Count() && molecules.IndexOf(name) >= 0)
            molecules.Delete(i);
    }
    main_.UpdateActions(); // "Indices ..." needs a molecule
    FormActivate();
}

} // namespace grafida::app
