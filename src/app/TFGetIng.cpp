#include "app/TFGetIng.h"

#include "app/TFWalkOpt.h"
#include "workspace/IndexTable.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <array>

namespace grafida::app {

namespace {

struct IndexGroup {
    const char* name;
    int firstFlag;
    std::vector<const char*> indices;
};

// The groups and their indices, as the user has always seen them spelled.
const std::array<IndexGroup, 6>& IndexGroups() {
    static const std::array<IndexGroup, 6> groups = {{
        {"Conectivity indices", 0, {"Randic", "Razinger -- Elongation = ", "DSI"}},
        {"Distance based indices",
         3,
         {"1/2Sum Distance", "1/2Sum Combinatorial distance", "1/2Sum Detour", "1/2Sum Combinatorial detour",
          "1/2Sum Distance 3D"}},
        {"Cluj indices",
         8,
         {"IP Cluj Distance", "IE Cluj Distance", "IP Cluj Fragmental Distance",
          "IE Cluj Fragmental Distance", "IP Szeged Distance", "IP for Extended matrices",
          "IE for Extended matrices", "LOVI"}},
        {"Polynomial based indices", 16, {"Polynomial coificients", "Max eigen value", "Min eigen value"}},
        {"Layer matrix indices", 19, {"X index", "C index", "Polinomial coificients"}},
        {"Walk type indices", 22, {"W matrix diagonal elements", "Walk operator"}},
    }};
    return groups;
}

inline constexpr int kElongationFlag = 1;
inline constexpr int kWalkOperatorFlag = 23;
inline constexpr int kConnectivityGroup = 0;
inline constexpr int kWalkGroup = 5;

int groupOnShow = 0;

} // namespace

int IndexGroupOnShow() {
    return groupOnShow;
}

TFGetIng::TFGetIng(Workspace& workspace, int flagCount, QWidget* owner)
    : QDialog(owner), workspace_(workspace), flags_(std::max(flagCount, kIndexFlagCount)) {
    setObjectName(QStringLiteral("FGetIng"));
    setWindowTitle(QStringLiteral("Select indices"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint);

    lbGrpInd_ = new QListWidget(this);
    lbGrpInd_->setObjectName(QStringLiteral("lbGrpInd"));
    lbGrpInd_->setSelectionMode(QAbstractItemView::SingleSelection);
    for (const IndexGroup& group : IndexGroups())
        lbGrpInd_->addItem(QString::fromUtf8(group.name));
    auto* lbIndGrp = new QLabel(QStringLiteral("Indices &groups"), this);
    lbIndGrp->setBuddy(lbGrpInd_);
    cbLocInd_ = new QListWidget(this);
    cbLocInd_->setObjectName(QStringLiteral("cbLocInd"));
    auto* lbIndLoc = new QLabel(QStringLiteral("&Indices"), this);
    lbIndLoc->setBuddy(cbLocInd_);
    spElong_ = new QSpinBox(this);
    spElong_->setObjectName(QStringLiteral("spElong"));
    spElong_->setRange(0, 100);
    spElong_->setToolTip(QStringLiteral("Enter elongation here"));
    spElong_->hide();
    btWalkDet_ = new QPushButton(QStringLiteral(">>"), this);
    btWalkDet_->setObjectName(QStringLiteral("btWalkDet"));
    btWalkDet_->setToolTip(QStringLiteral("Click here for more options"));
    btWalkDet_->hide();
    btWalkDet_->setEnabled(false);
    BitBtnOK_ = new QPushButton(QStringLiteral("OK"), this);
    BitBtnOK_->setObjectName(QStringLiteral("BitBtnOK"));
    BitBtnOK_->setEnabled(false);
    BitBtnCancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    BitBtnCancel_->setObjectName(QStringLiteral("BitBtnCancel"));
    for (QPushButton* b : {btWalkDet_, BitBtnOK_, BitBtnCancel_})
        b->setAutoDefault(false);

    auto* grid = new QGridLayout(this);
    grid->addWidget(lbIndGrp, 0, 0);
    grid->addWidget(lbGrpInd_, 1, 0);
    grid->addWidget(lbIndLoc, 0, 1);
    grid->addWidget(cbLocInd_, 1, 1);
    auto* options = new QHBoxLayout;
    options->addWidget(spElong_);
    options->addWidget(btWalkDet_);
    options->addStretch();
    options->addWidget(BitBtnOK_);
    options->addWidget(BitBtnCancel_);
    grid->addLayout(options, 2, 0, 1, 2);

    connect(lbGrpInd_, &QListWidget::itemSelectionChanged, this, [this] { lbGrpIndClick(); });
    connect(cbLocInd_, &QListWidget::itemChanged, this, [this] {
        if (!filling_)
            cbLocIndClickCheck();
    });
    connect(btWalkDet_, &QPushButton::clicked, this,
            [this] { GetWalkOptions(workspace_, this, walkLines_); });
    connect(BitBtnOK_, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtnCancel_, &QPushButton::clicked, this, &QDialog::reject);

    // The group on show persists, but its index list appears only once it is clicked.
    filling_ = true;
    lbGrpInd_->setCurrentRow(groupOnShow, QItemSelectionModel::NoUpdate);
    filling_ = false;
    if (owner) {
        adjustSize(); // centred by its laid-out size, not the default one
        move(owner->window()->geometry().center() - rect().center());
    }
}

TFGetIng::~TFGetIng() = default;

void TFGetIng::lbGrpIndClick() {
    filling_ = true;
    cbLocInd_->clear();
    spElong_->hide();
    btWalkDet_->hide();
    const auto selected = lbGrpInd_->selectedItems();
    shownGroup_ = selected.isEmpty() ? -1 : lbGrpInd_->row(selected.front());
    if (shownGroup_ >= 0) {
        groupOnShow = shownGroup_;
        const IndexGroup& group = IndexGroups()[static_cast<size_t>(shownGroup_)];
        for (size_t k = 0; k < group.indices.size(); ++k) {
            const int flag = group.firstFlag + static_cast<int>(k);
            auto* item = new QListWidgetItem(QString::fromUtf8(group.indices[k]), cbLocInd_);
            const std::string unavailable = IndexUnavailableReason(flag);
            if (unavailable.empty()) {
                item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
            } else {
                // Shown, so the user learns why it cannot be ticked.
                item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
                item->setToolTip(QString::fromStdString(unavailable));
                flags_.clearBit(flag);
            }
            item->setCheckState(flags_.testBit(flag) ? Qt::Checked : Qt::Unchecked);
        }
        spElong_->setVisible(shownGroup_ == kConnectivityGroup);
        btWalkDet_->setVisible(shownGroup_ == kWalkGroup);
    }
    filling_ = false;
    UpdateControls();
}

void TFGetIng::cbLocIndClickCheck() {
    if (shownGroup_ >= 0) {
        const int first = IndexGroups()[static_cast<size_t>(shownGroup_)].firstFlag;
        for (int k = 0; k < cbLocInd_->count(); ++k)
            flags_.setBit(first + k, cbLocInd_->item(k)->checkState() == Qt::Checked &&
                                         cbLocInd_->item(k)->flags().testFlag(Qt::ItemIsEnabled));
    }
    UpdateControls();
}

void TFGetIng::UpdateControls() {
    btWalkDet_->setEnabled(flags_.testBit(kWalkOperatorFlag));
    spElong_->setEnabled(flags_.testBit(kElongationFlag));
    BitBtnOK_->setEnabled(flags_.count(true) > 0);
}

void TFGetIng::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        reject();
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (flags_.count(true) > 0)
            accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool GetIndices(Workspace& workspace, QWidget* owner, QBitArray& flags, std::vector<int>& numbers,
                std::vector<std::string>& lines) {
    lines.clear();
    TFGetIng dialog(workspace, static_cast<int>(flags.size()), owner);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    for (qsizetype i = 0; i < flags.size(); ++i)
        flags.setBit(i, dialog.Flags().testBit(i));
    numbers.push_back(dialog.Elongation().value());
    lines.insert(lines.end(), dialog.WalkLines().begin(), dialog.WalkLines().end());
    return true;
}

} // namespace grafida::app
