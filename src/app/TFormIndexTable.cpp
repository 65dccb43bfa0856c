#include "app/TFormIndexTable.h"

#include "app/TFMain.h"
#include "app/TFormIndexPlot.h"
#include "app/UserDialogs.h"
#include "workspace/IndexTableFiles.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>
#include <set>

namespace grafida::app {

namespace {

inline constexpr int kSortRole = Qt::UserRole;
inline constexpr int kRowRole = Qt::UserRole + 1;

// Numbers by value, text without regard to case; empty cells last whichever the order.
class IndexSortModel final : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override {
        const QVariant a = left.data(kSortRole);
        const QVariant b = right.data(kSortRole);
        const bool ascending = sortOrder() == Qt::AscendingOrder;
        if (!a.isValid() || !b.isValid()) {
            if (a.isValid() != b.isValid())
                return a.isValid() == ascending;
            return (left.row() < right.row()) == ascending;
        }
        if (a.typeId() == QMetaType::Double && b.typeId() == QMetaType::Double)
            return a.toDouble() < b.toDouble();
        return a.toString().compare(b.toString(), Qt::CaseInsensitive) < 0;
    }
};

QVariant SortValue(const IndexCell& cell) {
    if (const auto* count = std::get_if<int>(&cell))
        return static_cast<double>(*count);
    if (const auto* value = std::get_if<double>(&cell))
        return *value;
    if (const auto* text = std::get_if<std::string>(&cell))
        return QString::fromStdString(*text);
    return {};
}

} // namespace

TFormIndexTable::TFormIndexTable(TFMain& main, IndexTable table, const std::string& caption)
    : main_(main), table_(std::move(table)) {
    setObjectName(QStringLiteral("TFormIndexTable"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromStdString(caption));

    const auto columns = static_cast<int>(table_.columns.size());
    model_ = new QStandardItemModel(static_cast<int>(table_.rows.size()), columns, this);
    for (int column = 0; column < columns; ++column) {
        const IndexColumn& index = table_.columns[static_cast<size_t>(column)];
        auto* header = new QStandardItem(QString::fromStdString(index.title));
        header->setToolTip(QString::fromStdString(index.description));
        model_->setHorizontalHeaderItem(column, header);
    }
    for (size_t row = 0; row < table_.rows.size(); ++row) {
        const auto& cells = table_.rows[row];
        for (size_t column = 0; column < cells.size() && column < table_.columns.size(); ++column) {
            auto* item = new QStandardItem(QString::fromStdString(ShownIndexCell(cells[column])));
            item->setEditable(false);
            if (std::holds_alternative<double>(cells[column]))
                item->setToolTip(QString::fromStdString(FormatIndexCell(cells[column])));
            item->setData(SortValue(cells[column]), kSortRole);
            item->setData(static_cast<qulonglong>(row), kRowRole);
            if (!std::holds_alternative<std::string>(cells[column]))
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            model_->setItem(static_cast<int>(row), static_cast<int>(column), item);
        }
    }
    sorted_ = new IndexSortModel(this);
    sorted_->setSourceModel(model_);

    view_ = new QTableView(this);
    view_->setObjectName(QStringLiteral("gridIndices"));
    view_->setModel(sorted_);
    view_->setSortingEnabled(true);
    view_->sortByColumn(-1, Qt::AscendingOrder); // list order until the user sorts
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view_->verticalHeader()->hide();
    view_->verticalHeader()->setDefaultSectionSize(view_->fontMetrics().height() + 6);
    view_->resizeColumnsToContents();

    notes_ = new QLabel(this);
    notes_->setObjectName(QStringLiteral("lbNotes"));
    notes_->setTextFormat(Qt::PlainText);
    notes_->setWordWrap(true);
    notes_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QStringList notes;
    for (const std::string& note : table_.notes)
        notes.append(QString::fromStdString(note));
    notes_->setText(notes.join(QLatin1Char('\n')));
    notes_->setVisible(!notes.isEmpty());

    plot_ = new QPushButton(QStringLiteral("&Plot ..."), this);
    plot_->setObjectName(QStringLiteral("btPlot"));
    plot_->setToolTip(QStringLiteral("Plot one index against another"));
    plot_->setEnabled(!NumericIndexColumns(table_).empty());
    connect(plot_, &QPushButton::clicked, this, [this] { OpenPlot(); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(plot_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(view_, 1);
    layout->addWidget(notes_);
    layout->addLayout(buttons);
    resize(760, 420);
}

std::vector<size_t> TFormIndexTable::RowsShown() const {
    std::vector<size_t> rows;
    for (int row = 0; row < sorted_->rowCount(); ++row)
        rows.push_back(sorted_->index(row, 0).data(kRowRole).toULongLong());
    return rows;
}

bool TFormIndexTable::SaveAs() {
    const QString proposed = QString::fromStdString(main_.CurrentWorkspace().WorkDir()) + QLatin1Char('/') +
                             windowTitle() + QStringLiteral(".csv");
    const auto chosen = CurrentDialogs().SaveFile(
        this, QStringLiteral("Save file"), proposed,
        QStringLiteral("CSV files (*.csv *.CSV);;Matrices files (*.M *.m)"), QStringLiteral("csv"));
    return chosen && SaveIndexTable(table_, *chosen);
}

void TFormIndexTable::CopyToClipboard() {
    std::set<int> selected;
    for (const QModelIndex& index : view_->selectionModel()->selectedIndexes())
        selected.insert(index.row());
    const std::vector<size_t> shown = RowsShown();
    std::vector<size_t> rows;
    for (size_t row = 0; row < shown.size(); ++row)
        if (selected.empty() || selected.count(static_cast<int>(row)) > 0)
            rows.push_back(shown[row]);
    QApplication::clipboard()->setText(QString::fromStdString(IndexTableRowsTabSeparated(table_, rows)));
}

void TFormIndexTable::SelectAll() {
    view_->selectAll();
}

void TFormIndexTable::OpenPlot() {
    main_.AddDocument(new TFormIndexPlot(main_.CurrentWorkspace(), table_));
}

} // namespace grafida::app
