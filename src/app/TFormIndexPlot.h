#pragma once
// The plot window of an index table: one index against another across the molecules,
// each point labelled with its molecule's name; molecules with an empty cell are left
// out and named under the plot. Saved as a PNG picture or an SVG drawing.

#include "app/ResultDocument.h"
#include "workspace/IndexTable.h"
#include "workspace/IndexTableFiles.h"

#include <QWidget>
#include <string>
#include <vector>

class QChart;
class QGraphicsSimpleTextItem;
class QScatterSeries;
class QChartView;
class QComboBox;
class QLabel;

namespace grafida::app {

class TFormIndexPlot final : public QWidget, public ResultDocument {
    Q_OBJECT
public:
    // Shows the columns of DefaultPlotColumns.
    TFormIndexPlot(Workspace& workspace, IndexTable table);
    ~TFormIndexPlot() override;

    QComboBox& XIndex() { return *cbXIndex_; }
    QComboBox& YIndex() { return *cbYIndex_; }
    QChartView& View() { return *view_; }
    QLabel& Note() { return *note_; }
    const IndexPlotPoints& Points() const { return points_; }

    // Writes the plot to path: an SVG drawing when its extension is .svg, else a PNG
    // picture. False after telling the user; an existing file is then untouched.
    bool SaveImage(const std::string& path);

    bool SaveAs() override;
    void CopyToClipboard() override;
    void SelectAll() override {}

private:
    void Redraw();
    // Puts each name beside its point where it covers no other name or point.
    void PlaceLabels();

    Workspace& workspace_;
    IndexTable table_;
    IndexPlotPoints points_;
    QComboBox* cbXIndex_;
    QComboBox* cbYIndex_;
    QChart* chart_;
    QScatterSeries* series_ = nullptr;
    std::vector<QGraphicsSimpleTextItem*> labels_;
    QChartView* view_;
    QLabel* note_;
};

} // namespace grafida::app
