#pragma once
// The table window of the Indices command: molecule names down, indices across, sorted
// by a click on a column's header (numbers by value, empty cells last), the notes on
// empty cells under it; saved as CSV or as a matrix file, copied as tab-separated text,
// and plotted one index against another.

#include "app/ResultDocument.h"
#include "workspace/IndexTable.h"

#include <QWidget>
#include <vector>

class QLabel;
class QPushButton;
class QStandardItemModel;
class QSortFilterProxyModel;
class QTableView;

namespace grafida::app {

class TFMain;

class TFormIndexTable final : public QWidget, public ResultDocument {
    Q_OBJECT
public:
    TFormIndexTable(TFMain& main, IndexTable table, const std::string& caption);

    const IndexTable& Table() const { return table_; }
    QTableView& View() { return *view_; }
    QLabel& Notes() { return *notes_; }
    QPushButton& PlotButton() { return *plot_; }
    // The table's rows in the order shown.
    std::vector<size_t> RowsShown() const;

    bool SaveAs() override;
    void CopyToClipboard() override;
    void SelectAll() override;
    // Opens a plot window of the first two numeric columns.
    void OpenPlot();

private:
    TFMain& main_;
    IndexTable table_;
    QStandardItemModel* model_;
    QSortFilterProxyModel* sorted_;
    QTableView* view_;
    QLabel* notes_;
    QPushButton* plot_;
};

} // namespace grafida::app
