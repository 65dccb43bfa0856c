#include "app/TFormIndexPlot.h"

#include "app/UserDialogs.h"
#include "numeric/Reporter.h"
#include "numeric/TextFile.h"
#include "workspace/ShellMessages.h"
#include "workspace/Workspace.h"

#include <QApplication>
#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QComboBox>
#include <QGraphicsSimpleTextItem>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QScatterSeries>
#include <QSvgGenerator>
#include <QValueAxis>
#include <algorithm>

namespace grafida::app {

namespace {

// Room around the points so that markers and labels at the edges stay inside.
void SetRange(QValueAxis& axis, const std::vector<double>& values) {
    if (values.empty())
        return;
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    const double margin = *high > *low ? (*high - *low) * 0.08 : std::max(1.0, std::abs(*low) * 0.1);
    axis.setRange(*low - margin, *high + margin);
    axis.applyNiceNumbers();
}

bool EndsWithSvg(const std::string& path) {
    return QString::fromStdString(path).endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive);
}

} // namespace

TFormIndexPlot::TFormIndexPlot(Workspace& workspace, IndexTable table)
    : workspace_(workspace), table_(std::move(table)) {
    setObjectName(QStringLiteral("TFormIndexPlot"));
    setAttribute(Qt::WA_DeleteOnClose);

    cbXIndex_ = new QComboBox(this);
    cbXIndex_->setObjectName(QStringLiteral("cbXIndex"));
    cbYIndex_ = new QComboBox(this);
    cbYIndex_->setObjectName(QStringLiteral("cbYIndex"));
    for (size_t column : NumericIndexColumns(table_)) {
        const IndexColumn& index = table_.columns[column];
        for (QComboBox* box : {cbXIndex_, cbYIndex_}) {
            box->addItem(QString::fromStdString(index.title), static_cast<qulonglong>(column));
            box->setItemData(box->count() - 1, QString::fromStdString(index.description), Qt::ToolTipRole);
        }
    }
    const auto [across, up] = DefaultPlotColumns(table_);
    cbXIndex_->setCurrentIndex(cbXIndex_->findData(static_cast<qulonglong>(across)));
    cbYIndex_->setCurrentIndex(cbYIndex_->findData(static_cast<qulonglong>(up)));
    auto* lbXIndex = new QLabel(QStringLiteral("&Across"), this);
    lbXIndex->setBuddy(cbXIndex_);
    auto* lbYIndex = new QLabel(QStringLiteral("&Up"), this);
    lbYIndex->setBuddy(cbYIndex_);

    chart_ = new QChart;
    chart_->legend()->hide();
    view_ = new QChartView(chart_, this); // the view owns the chart
    view_->setObjectName(QStringLiteral("chartIndices"));
    view_->setRenderHint(QPainter::Antialiasing);
    note_ = new QLabel(this);
    note_->setObjectName(QStringLiteral("lbNote"));
    note_->setTextFormat(Qt::PlainText);
    note_->setWordWrap(true);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(2, 2, 2, 2);
    grid->addWidget(lbXIndex, 0, 0);
    grid->addWidget(cbXIndex_, 0, 1);
    grid->addWidget(lbYIndex, 0, 2);
    grid->addWidget(cbYIndex_, 0, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->addWidget(view_, 1, 0, 1, 4);
    grid->setRowStretch(1, 1);
    grid->addWidget(note_, 2, 0, 1, 4);

    connect(cbXIndex_, &QComboBox::currentIndexChanged, this, [this] { Redraw(); });
    connect(cbYIndex_, &QComboBox::currentIndexChanged, this, [this] { Redraw(); });
    connect(chart_, &QChart::plotAreaChanged, this, [this] { PlaceLabels(); });
    Redraw();
    resize(760, 560);
}

TFormIndexPlot::~TFormIndexPlot() {
    // The chart goes with the view, after this window's members: it must not reach them.
    chart_->disconnect(this);
}

void TFormIndexPlot::Redraw() {
    for (QGraphicsSimpleTextItem* label : labels_)
        delete label;
    labels_.clear();
    chart_->removeAllSeries();
    series_ = nullptr;
    for (QAbstractAxis* axis : chart_->axes())
        chart_->removeAxis(axis), delete axis;
    if (cbXIndex_->currentIndex() < 0 || cbYIndex_->currentIndex() < 0) {
        points_ = {};
        return;
    }
    const auto x = static_cast<size_t>(cbXIndex_->currentData().toULongLong());
    const auto y = static_cast<size_t>(cbYIndex_->currentData().toULongLong());
    points_ = PlotPoints(table_, x, y);
    const QString caption = QString::fromStdString(IndexPlotCaption(table_, x, y));
    setWindowTitle(caption);
    chart_->setTitle(caption);

    auto* across = new QValueAxis;
    across->setTitleText(QString::fromStdString(table_.columns[x].title));
    auto* up = new QValueAxis;
    up->setTitleText(QString::fromStdString(table_.columns[y].title));
    chart_->addAxis(across, Qt::AlignBottom);
    chart_->addAxis(up, Qt::AlignLeft);
    series_ = new QScatterSeries;
    const QColor colour(31, 90, 160);
    series_->setMarkerSize(8);
    series_->setColor(colour);
    series_->setBorderColor(colour);
    for (size_t k = 0; k < points_.names.size(); ++k)
        series_->append(points_.x[k], points_.y[k]);
    chart_->addSeries(series_);
    series_->attachAxis(across);
    series_->attachAxis(up);
    for (const std::string& name : points_.names) {
        auto* label = new QGraphicsSimpleTextItem(QString::fromStdString(name), chart_);
        label->setZValue(10);
        labels_.push_back(label);
    }
    SetRange(*across, points_.x);
    SetRange(*up, points_.y);
    PlaceLabels();
    const std::string note = PlotLeftOutNote(points_.leftOut);
    note_->setText(QString::fromStdString(note));
    note_->setVisible(!note.empty());
}

void TFormIndexPlot::PlaceLabels() {
    if (!series_ || labels_.size() != points_.names.size())
        return;
    std::vector<QPointF> anchors;
    std::vector<QRectF> taken;
    for (size_t k = 0; k < labels_.size(); ++k) {
        anchors.push_back(chart_->mapToPosition(QPointF(points_.x[k], points_.y[k]), series_));
        taken.emplace_back(anchors.back() - QPointF(5, 5), QSizeF(10, 10)); // the markers
    }
    const QRectF room = chart_->plotArea().adjusted(-4, -4, 4, 4);
    const auto covered = [&](const QRectF& place) {
        double area = 0;
        for (const QRectF& other : taken)
            if (place.intersects(other)) {
                const QRectF both = place.intersected(other);
                area += both.width() * both.height();
            }
        const QRectF inside = place.intersected(room);
        return area + 4 * (place.width() * place.height() - inside.width() * inside.height());
    };
    for (size_t k = 0; k < labels_.size(); ++k) {
        const QSizeF size = labels_[k]->boundingRect().size();
        const QPointF at = anchors[k];
        const double w = size.width();
        const double h = size.height();
        // Above, below, right, left, the corners, then a line farther out.
        const QPointF corners[] = {{at.x() - w / 2, at.y() - h - 5},     {at.x() - w / 2, at.y() + 5},
                                   {at.x() + 7, at.y() - h / 2},         {at.x() - w - 7, at.y() - h / 2},
                                   {at.x() + 5, at.y() - h - 3},         {at.x() + 5, at.y() + 3},
                                   {at.x() - w - 5, at.y() - h - 3},     {at.x() - w - 5, at.y() + 3},
                                   {at.x() - w / 2, at.y() - 2 * h - 5}, {at.x() - w / 2, at.y() + h + 5},
                                   {at.x() + 5, at.y() - 2 * h - 3},     {at.x() + 5, at.y() + h + 3},
                                   {at.x() - w - 5, at.y() - 2 * h - 3}, {at.x() - w - 5, at.y() + h + 3}};
        QRectF best;
        double bestCover = -1;
        for (const QPointF& corner : corners) {
            const QRectF place(corner, size);
            const double cover = covered(place);
            if (bestCover < 0 || cover < bestCover) {
                best = place;
                bestCover = cover;
            }
            if (cover == 0)
                break;
        }
        labels_[k]->setPos(best.topLeft());
        taken.push_back(best);
    }
}

bool TFormIndexPlot::SaveImage(const std::string& path) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (EndsWithSvg(path)) {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(view_->size());
        svg.setViewBox(view_->rect());
        svg.setTitle(windowTitle());
        QPainter painter(&svg);
        view_->render(&painter);
    } else {
        view_->grab().save(&buffer, "PNG");
    }
    if (!bytes.isEmpty() && WriteFileAtomically(path, std::string_view(bytes.constData(), bytes.size())))
        return true;
    ShowError(kCannotWriteFile, path);
    return false;
}

bool TFormIndexPlot::SaveAs() {
    const QString proposed =
        QString::fromStdString(workspace_.WorkDir()) + QLatin1Char('/') + QStringLiteral("plot.png");
    const auto chosen = CurrentDialogs().SaveFile(this, QStringLiteral("Save file"), proposed,
                                                  QStringLiteral("PNG pictures (*.png *.PNG);;"
                                                                 "SVG drawings (*.svg *.SVG)"),
                                                  QStringLiteral("png"));
    return chosen && SaveImage(*chosen);
}

void TFormIndexPlot::CopyToClipboard() {
    QApplication::clipboard()->setPixmap(view_->grab());
}

} // namespace grafida::app
